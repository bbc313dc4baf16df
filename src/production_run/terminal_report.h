#pragma once

#include "device_link/port_problem.h"
#include "test_sequence/step_result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a production run found out about one terminal, for its report and its verdict line.
struct TerminalReport {
    enum Verdict { Passed, Failed, Cancelled, NotOpened, Interrupted };
    struct Adapter {
        QString description;
        QString manufacturer;
        QString serialNumber;
    };

    QString port;
    QString device;
    std::optional<Adapter> adapter;
    QString lineSettings;
    int handshaking = 0;
    int columns = 0;
    int rows = 0;
    Verdict verdict = Interrupted;
    std::optional<PortProblem> cause;
    QString message;
    QStringList notices;
    qint64 durationMs = 0;
    QList<StepResult> steps;
};
