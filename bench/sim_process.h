#pragma once

#include <QProcess>
#include <QStringList>

// zr-terminal-sim in a process of its own, as a terminal on the far end of a real line.
class SimProcess {
public:
    SimProcess(const QString& program, const QStringList& arguments);
    ~SimProcess();

    // The pseudo-terminal the simulator serves, empty when it did not start.
    QString slavePath() const { return slavePath_; }
    // Ends the simulator, so that its record file is complete.
    void stop();

private:
    QProcess process_;
    QString slavePath_;
};

// Maps COM1 to the simulator's line in the benchmark's own store; false when it cannot.
bool mapComOneTo(const QString& linePath);
