#include "captions.h"

#include <QCoreApplication>

Captions::Caption::operator QString() const {
    return QCoreApplication::translate("Captions", german_, comment_);
}

QString Captions::commPortName(int commPort) {
    return QStringLiteral("COM%1").arg(commPort);
}

QString Captions::connectionLost(const QString& terminal) {
    return QCoreApplication::translate(
               "Captions", "Verbindung zu %1 und dem daran angeschlossenen Gerät verloren.\r"
                           "Der Testlauf wurde abgebrochen.")
        .arg(terminal);
}

QString Captions::outputStalledByFlowControl(const QString& terminal) {
    return QCoreApplication::translate(
               "Captions",
               "Die Ausgabe an %1 wurde von der Xon/Xoff-Flusssteuerung angehalten "
               "(„Handshaking“ in den COM Einstellungen).\r"
               "Die Bytes 0x11 und 0x13 der Umkodiertabelle sind die Zeichen, mit denen diese "
               "Flusssteuerung die Ausgabe fortsetzt und anhält. Bitte ein Protokoll ohne "
               "Xon/Xoff wählen.")
        .arg(terminal);
}

namespace {

QString storeCause(const SettingsStore::Problem& problem) {
    using Problem = SettingsStore::Problem;
    switch (problem.cause) {
    case Problem::IsFolder:
        return QCoreApplication::translate("Captions", "an ihrer Stelle steht ein Ordner");
    case Problem::IsFifo:
        return QCoreApplication::translate("Captions", "an ihrer Stelle steht eine Pipe (FIFO)");
    case Problem::IsDevice:
        return QCoreApplication::translate("Captions", "an ihrer Stelle steht eine Gerätedatei");
    case Problem::IsSocket:
        return QCoreApplication::translate("Captions", "an ihrer Stelle steht ein Socket");
    case Problem::TooLarge:
        return QCoreApplication::translate(
            "Captions", "sie ist mit über 1 MiB zu groß für eine Einstellungsdatei und "
                        "bleibt unverändert");
    case Problem::NotReadable:
        return QCoreApplication::translate("Captions", "das Recht, sie zu lesen, fehlt");
    case Problem::Malformed:
        return QCoreApplication::translate(
            "Captions", "ihr Inhalt hat nicht das Format einer Einstellungsdatei");
    case Problem::FileReadOnly:
        return QCoreApplication::translate("Captions", "die Datei ist schreibgeschützt");
    case Problem::FolderReadOnly:
        return QCoreApplication::translate("Captions", "der Ordner %1 ist schreibgeschützt")
            .arg(problem.folder);
    case Problem::WriteFailed:
        break;
    }
    return QCoreApplication::translate("Captions", "sie konnte nicht geschrieben werden");
}

} // namespace

QString Captions::describe(const SettingsStore::Problem& problem) {
    if (problem.kind == SettingsStore::Problem::Unreadable)
        return QCoreApplication::translate(
                   "Captions", "Die Einstellungsdatei %1 kann nicht gelesen werden: %2.\r"
                               "Quendal beginnt mit den Anfangseinstellungen.")
            .arg(problem.file, storeCause(problem));
    return QCoreApplication::translate(
               "Captions", "Die Einstellungen konnten nicht in %1 gespeichert werden: %2.\r"
                           "Sie gelten nur, bis Quendal beendet wird.")
        .arg(problem.file, storeCause(problem));
}

QString Captions::storedNotANumber(const QString& text, const QString& key) {
    return QCoreApplication::translate(
               "Captions", "Der gespeicherte Wert „%1“ unter „%2“ ist keine ganze Zahl.")
        .arg(text.left(60), key);
}

QString Captions::storedOutOfRange(const QString& text, const QString& key) {
    return QCoreApplication::translate("Captions",
                                       "Der gespeicherte Wert „%1“ unter „%2“ liegt außerhalb des "
                                       "Zahlenbereichs.")
        .arg(text.left(60), key);
}

QString Captions::rowLine(const QString& caption, const QString& result) {
    return QStringLiteral("%1: %2").arg(caption, result);
}

QString Captions::verdictLine(const QString& verdict, qint64 durationMs) {
    return QCoreApplication::translate("Captions", "Ergebnis: %1 (%2 ms)")
        .arg(verdict)
        .arg(durationMs);
}

QString Captions::probeRetried(int attempt, int of) {
    return QCoreApplication::translate("Captions",
                                       "Schnittstellentest: keine Antwort, Wiederholung %1 von %2")
        .arg(attempt)
        .arg(of);
}

QString Captions::oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return line;
}

QString Captions::unsupportedGeometry(int cols, int rows) {
    return QCoreApplication::translate(
               "Captions",
               "Auflösung %1x%2 wird nicht unterstützt!\rZR wurde auf 16x4 eingestellt!")
        .arg(cols)
        .arg(rows);
}

QString Captions::process(qint64 pid, const QString& name) {
    if (pid <= 0)
        return {};
    return name.isEmpty()
               ? QCoreApplication::translate("Captions", " (Prozess %1)").arg(pid)
               : QCoreApplication::translate("Captions", " (Prozess %1, %2)").arg(pid).arg(name);
}

QString Captions::germanRowResult(const QString& shown) {
    for (const Caption& result : rowResults)
        if (shown == result)
            return result.untranslated();
    return shown;
}

QString Captions::verdictWord(TerminalRun::Verdict verdict) {
    switch (verdict) {
    case TerminalRun::Passed:
        return verdictPassed;
    case TerminalRun::Failed:
        return verdictFailed;
    case TerminalRun::Cancelled:
        return verdictCancelled;
    case TerminalRun::NotOpened:
        return verdictNotOpened;
    case TerminalRun::Interrupted:
        break;
    }
    return verdictInterrupted;
}
