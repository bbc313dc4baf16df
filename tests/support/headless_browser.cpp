#include "headless_browser.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

namespace {

// One page takes about three seconds here; a machine busy with the rest of the suite longer.
constexpr int browserTimeoutMs = 60000;

// Crash reporting, dconf and the profile all want a writable home: the temporary folder is
// one, whatever HOME the caller has (the unprivileged test user's is /nonexistent).
QProcessEnvironment browserEnvironment(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.insert(QString::fromLatin1(name), home);
    return environment;
}

// Runs chromium on the page with `extra` options; its standard output, or nothing on failure.
bool runBrowser(const QString& htmlFile, const QStringList& extra, QByteArray& output) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (program.isEmpty()) {
        ADD_FAILURE() << "no chromium in PATH; scripts/bootstrap installs it";
        return false;
    }
    QTemporaryDir home;
    if (!home.isValid()) {
        ADD_FAILURE() << "no temporary folder for the browser: "
                      << home.errorString().toStdString();
        return false;
    }
    QProcess process;
    process.setProcessEnvironment(browserEnvironment(home.path()));
    process.setWorkingDirectory(home.path());
    // Its own process group, so that a browser that hangs is ended with all its helpers.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    // Root needs --no-sandbox; an ordinary user runs the same way so both see the same browser.
    process.start(
        program,
        QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                    "--user-data-dir=" + home.filePath(QStringLiteral("profile"))} +
            extra +
            QStringList{QUrl::fromLocalFile(QFileInfo(htmlFile).absoluteFilePath()).toString()});
    const bool finished = process.waitForFinished(browserTimeoutMs);
    if (!finished && process.processId() > 0) {
        ::kill(-pid_t(process.processId()), SIGKILL);
        process.waitForFinished(5000);
    }
    output = process.readAllStandardOutput();
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    const QString why = !finished ? QStringLiteral("no answer in %1 ms").arg(browserTimeoutMs)
                        : process.exitStatus() == QProcess::NormalExit
                            ? QStringLiteral("exit status %1").arg(process.exitCode())
                            : process.errorString();
    ADD_FAILURE() << "chromium " << extra.join(' ').toStdString() << " " << htmlFile.toStdString()
                  << " failed: " << why.toStdString() << "\n"
                  << process.readAllStandardError().constData();
    return false;
}

} // namespace

QString HeadlessBrowser::dumpDom(const QString& htmlFile) {
    QByteArray dom;
    if (!runBrowser(htmlFile, {QStringLiteral("--dump-dom")}, dom))
        return {};
    if (dom.isEmpty())
        ADD_FAILURE() << "chromium gave no document for " << htmlFile.toStdString();
    return QString::fromUtf8(dom);
}

bool HeadlessBrowser::screenshot(const QString& htmlFile, const QString& png, int width,
                                 int height) {
    QByteArray ignored;
    if (!runBrowser(htmlFile,
                    {"--screenshot=" + QFileInfo(png).absoluteFilePath(),
                     QStringLiteral("--window-size=%1,%2").arg(width).arg(height)},
                    ignored))
        return false;
    if (QFileInfo(png).size() > 0)
        return true;
    ADD_FAILURE() << "chromium wrote no picture to " << png.toStdString();
    return false;
}
