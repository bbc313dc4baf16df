#include "measure.h"

#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "operator_ui/main_window.h"
#include "run_driver.h"

#include <QElapsedTimer>
#include <QFile>

double processorMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return processorMs(usage);
}

double processorMs(const rusage& usage) {
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double peakResidentMb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return 0;
}

RunMeasure measureRun(MainWindow& window) {
    const double processorBefore = processorMs();
    QElapsedTimer clock;
    clock.start();
    const RunRecord run = runTests(window);
    RunMeasure measure;
    measure.wallMs = double(clock.nsecsElapsed()) / 1e6;
    measure.processorMs = processorMs() - processorBefore;
    measure.passed = run.opened && run.results == QStringList(7, QStringLiteral("OK"));
    return measure;
}

// The terminal echoes only the data bytes of a transfer, so every 32 bytes open one.
std::vector<double> roundTripsUs(MainWindow& window, int count) {
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        if (i % 32 == 0)
            window.MSComm1->setOutput(TerminalCommands::recodingTableTransfer());
        clock.start();
        window.SendAndWaitFor(".", ".", -1000);
        times.push_back(double(clock.nsecsElapsed()) / 1e3);
    }
    return times;
}

QByteArray recordedStream(const QString& recordFile) {
    QFile file(recordFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::fromHex(file.readAll());
}
