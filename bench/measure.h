#pragma once

#include <QByteArray>
#include <QString>
#include <sys/resource.h>
#include <vector>

class MainWindow;

struct RunMeasure {
    double wallMs = 0;
    double processorMs = 0; // this process, user and system
    bool passed = false;    // every row "OK"
};

// Processor time of this process so far, user and system.
double processorMs();
// The user and system time that `usage` holds.
double processorMs(const rusage& usage);

// VmHWM: the highest resident set size the process has had so far; 0 once it has gone.
double peakResidentMb(qint64 pid);

// One complete test run through "Starte Tests" and the progress window.
RunMeasure measureRun(MainWindow& window);

// `count` single-byte echo round trips through the exchange, in microseconds each.
std::vector<double> roundTripsUs(MainWindow& window, int count);

// The bytes a simulator's record file holds (hex, any number of bytes a line).
QByteArray recordedStream(const QString& recordFile);
