#pragma once

#include <QString>
#include <QStringList>

// What one child process took, from its start until it was reaped.
struct ChildUsage {
    double wallMs = 0;
    double processorMs = 0; // user and system, all of its threads
    double peakRssMb = 0;
    bool exited = false; // ended by exit(), not by a signal
    int exitStatus = -1;
};

// Runs `program` to its end as a headless child: no display variables, `configFolder` as its
// XDG_CONFIG_HOME, standard output discarded, standard error shared with this process.
ChildUsage runHeadless(const QString& program, const QStringList& arguments,
                       const QString& configFolder);
