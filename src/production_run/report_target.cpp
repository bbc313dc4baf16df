#include "report_target.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

bool allowed(const QString& path, int mode) {
    return ::access(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace

bool ReportTarget::writtenInPlace(const QString& report) {
    const QFileInfo info(report);
    return (info.exists() && !info.isFile()) || report.startsWith(QLatin1String("/dev/std")) ||
           report.startsWith(QLatin1String("/dev/fd/")) ||
           report.startsWith(QLatin1String("/proc/self/fd/"));
}

QString ReportTarget::problem(const QString& report) {
    const QFileInfo file(report);
    if (report.isEmpty())
        return QCoreApplication::translate("CommandLine", "--report: der Dateiname ist leer");
    if (file.isDir())
        return QCoreApplication::translate("CommandLine", "--report %1: das ist ein Ordner")
            .arg(report);
    if (file.exists() && !allowed(report, W_OK))
        return QCoreApplication::translate("CommandLine",
                                           "--report %1: die Datei darf nicht beschrieben werden")
            .arg(report);
    const QString folder =
        QFileInfo(file.exists() ? file.canonicalFilePath() : report).absolutePath();
    if (!writtenInPlace(report) && !(QFileInfo(folder).isDir() && allowed(folder, W_OK | X_OK)))
        return QCoreApplication::translate(
                   "CommandLine", "--report %1: in den Ordner %2 kann nicht geschrieben werden")
            .arg(report, folder);
    return {};
}
