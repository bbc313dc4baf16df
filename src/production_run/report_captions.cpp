#include "report_captions.h"

#include <QCoreApplication>

QString Captions::reportNotWritten(const QString& target, const QString& reason) {
    return QCoreApplication::translate("Captions", "Bericht %1 nicht geschrieben: %2")
        .arg(oneLine(target), reason);
}

QString Captions::reportNoReader(int seconds) {
    return QCoreApplication::translate("Captions",
                                       "nach %1 s hatte ihn noch niemand zum Lesen geöffnet")
        .arg(seconds);
}

QString Captions::reportReaderStalled(int seconds) {
    return QCoreApplication::translate("Captions", "der Leser hat %1 s lang nichts abgenommen")
        .arg(seconds);
}
