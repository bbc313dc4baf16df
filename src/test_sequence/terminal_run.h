#pragma once

#include "device_link/port_problem.h"
#include "test_sequence/step_result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What one terminal's run found out, whether the window or a production run ran it: the
// report, the verdict line and the run record all tell this.
struct TerminalRun {
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
    // The unit's serial number when the line named it, and its attempt once recorded.
    QString unit;
    std::optional<int> attempt;
};
