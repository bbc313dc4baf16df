#include "startup_probe.h"

#include "device_link/settings_store.h"
#include "device_link/terminal_commands.h"
#include "measure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <QWidget>

namespace {

void xdotool(const QStringList& arguments) {
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}

bool waitForRecorded(const QString& recordFile, const QByteArray& text, qsizetype count) {
    const QDeadlineTimer deadline(20000);
    while (recordedStream(recordFile).count(text) < count) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

void writeSettings(const QString& configFolder, const QString& linePath) {
    QSettings settings(configFolder + "/Quendal/Quendal.conf", QSettings::IniFormat);
    settings.setValue(SettingsStore::portsSection + "/COM1", linePath);
}

} // namespace

// A window of our own, mapped once, shows that the watcher is listening before the child starts.
StartupProbe::StartupProbe() {
    watcher_.start(QStringLiteral("xev"), {"-root", "-event", "substructure"});
    if (!watcher_.waitForStarted(5000))
        return;
    QWidget sentinel;
    sentinel.resize(10, 10);
    for (int attempt = 0; attempt < 50 && !ready_; ++attempt) {
        sentinel.show();
        ready_ = !nextMappedWindow(100).isEmpty();
        sentinel.hide();
    }
    watcher_.readAll();
}

StartupProbe::~StartupProbe() {
    watcher_.kill();
    watcher_.waitForFinished(1000);
}

QString StartupProbe::nextMappedWindow(int timeoutMs) {
    static const QRegularExpression mapped(QStringLiteral("window (0x[0-9a-f]+), override NO"));
    const QDeadlineTimer deadline(timeoutMs);
    bool mapNotify = false;
    for (;;) {
        while (!watcher_.canReadLine()) {
            if (deadline.hasExpired())
                return {};
            QCoreApplication::processEvents();
            watcher_.waitForReadyRead(5);
        }
        const QString line = QString::fromLocal8Bit(watcher_.readLine());
        if (mapNotify) {
            const QRegularExpressionMatch match = mapped.match(line);
            if (match.hasMatch())
                return match.captured(1);
        }
        mapNotify = line.startsWith(QStringLiteral("MapNotify"));
    }
}

StartupMeasure StartupProbe::measure(const QString& program, const QString& configFolder,
                                     const QString& linePath, const QString& recordFile,
                                     QPoint closeButton) {
    writeSettings(configFolder, linePath);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    child.setProcessEnvironment(environment);
    const qsizetype runsBefore = recordedStream(recordFile).count(TerminalCommands::bannerEnd());
    watcher_.readAll();

    StartupMeasure result;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {});
    const QString mainWindow = nextMappedWindow(10000);
    result.toWindowMs = double(clock.nsecsElapsed()) / 1e6;
    if (!mainWindow.isEmpty()) {
        xdotool({"windowfocus", "--sync", mainWindow, "key", "Return"});
        const QString progress = nextMappedWindow(5000);
        if (!progress.isEmpty() &&
            waitForRecorded(recordFile, TerminalCommands::bannerEnd(), runsBefore + 1)) {
            xdotool({"windowfocus", "--sync", progress, "key", "Return"});
            result.peakRssMb = peakResidentMb(child.processId());
            xdotool({"mousemove", "--window", mainWindow, QString::number(closeButton.x()),
                     QString::number(closeButton.y()), "click", "1"});
        }
    }
    result.complete = child.waitForFinished(5000) && child.exitStatus() == QProcess::NormalExit;
    if (!result.complete) {
        child.terminate();
        if (!child.waitForFinished(2000))
            child.kill();
        child.waitForFinished(1000);
    }
    return result;
}
