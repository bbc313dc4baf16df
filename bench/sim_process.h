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
