#include "sim_process.h"

#include "device_link/settings_store.h"
#include "test_sequence/captions.h"

#include <cstdio>

SimProcess::SimProcess(const QString& program, const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, arguments);
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    slavePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimProcess::~SimProcess() {
    stop();
}

void SimProcess::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
    process_.waitForFinished(1000);
}

bool mapComOneTo(const QString& linePath) {
    SettingsStore::Problem problem;
    if (SettingsStore::write({{SettingsStore::portsSection, "COM1", linePath}}, problem))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(Captions::describe(problem)));
    return false;
}
