#pragma once

#include "step_result.h"

#include <QByteArray>
#include <QtGlobal>

class Exchange;
class RunQuestions;
class SerialPort;
struct SharedState;

// What a test step works with: the port, the exchange, the shared state and the operator.
struct StepContext {
    SerialPort& port;
    Exchange& exchange;
    SharedState& state;
    RunQuestions& questions;
    QList<ExchangeFailure>& failures; // every echo that did not come back, for the details
    EchoCount& echoes;                // every echo that did, for the record
    qint16 timeOutSign = -1;          // +1 reports time-outs to the operator, -1 keeps them silent

    // A failed write is ignored: the missing echoes that follow fail the step, and a pulled
    // adapter has cancelled the run already.
    void write(const QByteArray& bytes) const;
    // Sends one data byte and tells whether its echo came back in time.
    bool echoed(char byte, qint16 timeOut) const;
};

QString runInterfaceTest(StepContext& step, int stepNumber, bool& good);
QString runRecodingTable(StepContext& step, int stepNumber, bool& good);
QString runDisplayGeometry(StepContext& step, int stepNumber, bool& good);
QString runFixedTexts(StepContext& step, int stepNumber, bool& good);
