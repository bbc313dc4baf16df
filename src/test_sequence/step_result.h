#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One exchange that did not get its echo: what went out, what was awaited, what came back.
struct ExchangeFailure {
    QByteArray sent;
    QByteArray awaited;
    QByteArray received;
    qint64 waitedMs = 0;
};

// A finished result row of a run.
struct StepResult {
    enum Outcome { Passed, Failed, Cancelled };

    int index = 0;
    QString caption;
    QString result; // the row's text: "OK", "abgebrochen" or the step's error text
    Outcome outcome = Passed;
    qint64 durationMs = 0;
    QList<ExchangeFailure> failures;
};
