#pragma once

#include <QPoint>
#include <QProcess>
#include <QString>

struct StartupMeasure {
    double toWindowMs = 0;
    double peakRssMb = 0;
    bool complete = false; // window shown, one run finished, ended through "Programmende"
};

// Starts the real program as a child and watches the X server from outside (xev on the root
// window) for its main window being mapped. Needs a display.
class StartupProbe {
public:
    StartupProbe();
    ~StartupProbe();
    // False when the watcher could not be started or never saw a window.
    bool ready() const { return ready_; }

    // The child gets its own settings folder with COM1 at `linePath`, served by a simulator
    // that records to `recordFile`. One test run is started from the keyboard, its peak
    // resident memory is read, and "Programmende" is clicked at `closeButton`.
    StartupMeasure measure(const QString& program, const QString& configFolder,
                           const QString& linePath, const QString& recordFile, QPoint closeButton);

private:
    // The id of the next top-level window mapped, empty after `timeoutMs`.
    QString nextMappedWindow(int timeoutMs);

    QProcess watcher_;
    bool ready_ = false;
};
