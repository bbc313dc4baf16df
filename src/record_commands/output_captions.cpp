#include "output_captions.h"

#include <QCoreApplication>

QString Captions::outputNotWritten(const QString& file, const QString& reason) {
    return QCoreApplication::translate("Captions", "Ausgabe %1 nicht geschrieben: %2")
        .arg(oneLine(file), reason);
}

QString Captions::noLineDatabase() {
    return QCoreApplication::translate(
        "CommandLine", "keine Liniendatenbank gesetzt: --database URL, die Umgebung "
                       "QUENDAL_DATABASE oder [Aufzeichnung] Datenbank= in den Einstellungen");
}

QString Captions::pruned(int terminalRuns, int runs, int waiting, int notInLine, qint64 bytesBefore,
                         qint64 bytesAfter) {
    return QCoreApplication::translate("CommandLine",
                                       "Entfernte Terminalläufe: %1 (Läufe: %2)\n"
                                       "Behalten, weil sie warten oder beiseitegelegt sind: %3\n"
                                       "Behalten, weil die Liniendatenbank sie nicht hat: %4\n"
                                       "Dateigröße: %5 Bytes vorher, %6 Bytes nachher\n")
        .arg(terminalRuns)
        .arg(runs)
        .arg(waiting)
        .arg(notInLine)
        .arg(bytesBefore)
        .arg(bytesAfter);
}

QString Captions::forwardedButMissing(int count, const QString& address) {
    return QCoreApplication::translate("CommandLine",
                                       "%1 Terminalläufe sind als übertragen vermerkt, aber nicht "
                                       "in der Liniendatenbank %2; sie bleiben in der "
                                       "Aufzeichnung der Station")
        .arg(count)
        .arg(address);
}

QString Captions::backupWritten(const QString& file, qint64 bytes) {
    return QCoreApplication::translate("CommandLine", "Sicherung %1 geschrieben: %2 Bytes\n")
        .arg(oneLine(file))
        .arg(bytes);
}
