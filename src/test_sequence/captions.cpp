#include "captions.h"

#include "step_result.h"

QString Captions::portActive(int commPort, const QString& settings) {
    return QStringLiteral("COM%1: %2").arg(commPort).arg(settings);
}

QString Captions::portInUseAtStartup(int commPort) {
    return QStringLiteral(
               "Schnittstelle COM%1 wird bereits verwendet.\rBitte alle anderen "
               "Programme schließen und Schnittstelle ggf. im folgenden Disolg anpassen!")
        .arg(commPort);
}

QString Captions::portNotOpenedAtStartup(int commPort) {
    return QStringLiteral("Schnittstelle COM%1 konnte nicht geöffnet werden.\rBitte beenden Sie "
                          "das Programm und beheben Sie das Problem.")
        .arg(commPort);
}

QString Captions::portNotOpenedForRun(int commPort) {
    return QStringLiteral("COM Port konnte nicht geöffnet werden.\rCOM%1 wird evtl. bereits von "
                          "einem anderen Programm verwendet")
        .arg(commPort);
}

QString Captions::portNotOpenedForDemo(int commPort) {
    return QStringLiteral("Schnittstelle COM%1 konnte für den Demo-Text nicht geöffnet werden.")
        .arg(commPort);
}

QString Captions::connectionLostDuringDemo(int commPort) {
    return QStringLiteral("Verbindung zu COM%1 und dem daran angeschlossenen Gerät verloren.\r"
                          "Der Demo-Text ist nicht vollständig angekommen.")
        .arg(commPort);
}

QString Captions::connectionLost(int commPort) {
    return QStringLiteral("Verbindung zu COM%1 und dem daran angeschlossenen Gerät verloren.\r"
                          "Der Testlauf wurde abgebrochen.")
        .arg(commPort);
}

QString Captions::outputStalledByFlowControl(int commPort) {
    return QStringLiteral(
               "Die Ausgabe an COM%1 wurde von der Xon/Xoff-Flusssteuerung angehalten "
               "(„Handshaking“ in den COM Einstellungen).\r"
               "Die Bytes 0x11 und 0x13 der Umkodiertabelle sind die Zeichen, mit denen diese "
               "Flusssteuerung die Ausgabe fortsetzt und anhält. Bitte ein Protokoll ohne "
               "Xon/Xoff wählen.")
        .arg(commPort);
}

namespace {

QString storeCause(const SettingsStore::Problem& problem) {
    using Problem = SettingsStore::Problem;
    switch (problem.cause) {
    case Problem::IsFolder:
        return QStringLiteral("an ihrer Stelle steht ein Ordner");
    case Problem::IsFifo:
        return QStringLiteral("an ihrer Stelle steht eine Pipe (FIFO)");
    case Problem::IsDevice:
        return QStringLiteral("an ihrer Stelle steht eine Gerätedatei");
    case Problem::IsSocket:
        return QStringLiteral("an ihrer Stelle steht ein Socket");
    case Problem::TooLarge:
        return QStringLiteral("sie ist mit über 1 MiB zu groß für eine Einstellungsdatei und "
                              "bleibt unverändert");
    case Problem::NotReadable:
        return QStringLiteral("das Recht, sie zu lesen, fehlt");
    case Problem::Malformed:
        return QStringLiteral("ihr Inhalt hat nicht das Format einer Einstellungsdatei");
    case Problem::FileReadOnly:
        return QStringLiteral("die Datei ist schreibgeschützt");
    case Problem::FolderReadOnly:
        return QStringLiteral("der Ordner %1 ist schreibgeschützt").arg(problem.folder);
    case Problem::WriteFailed:
        break;
    }
    return QStringLiteral("sie konnte nicht geschrieben werden");
}

} // namespace

QString Captions::describe(const SettingsStore::Problem& problem) {
    if (problem.kind == SettingsStore::Problem::Unreadable)
        return QStringLiteral("Die Einstellungsdatei %1 kann nicht gelesen werden: %2.\r"
                              "Quendal beginnt mit den Anfangseinstellungen.")
            .arg(problem.file, storeCause(problem));
    return QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden: %2.\r"
                          "Sie gelten nur, bis Quendal beendet wird.")
        .arg(problem.file, storeCause(problem));
}

QString Captions::storedNotANumber(const QString& text, const QString& key) {
    return QStringLiteral("Der gespeicherte Wert „%1“ unter „%2“ ist keine ganze Zahl.")
        .arg(text.left(60), key);
}

QString Captions::storedOutOfRange(const QString& text, const QString& key) {
    return QStringLiteral("Der gespeicherte Wert „%1“ unter „%2“ liegt außerhalb des "
                          "Zahlenbereichs.")
        .arg(text.left(60), key);
}

QString Captions::failedExchangesIntro(const QString& stepCaption) {
    return QStringLiteral("%1: Diese Bytes kamen nicht als Echo zurück.").arg(stepCaption);
}

// One line per exchange, bytes in hex, so a missing byte shows without a serial monitor.
QString Captions::failedExchanges(const QList<ExchangeFailure>& failures) {
    QStringList lines;
    for (const ExchangeFailure& failure : failures)
        lines << QStringLiteral("gesendet %1, erwartet %2, empfangen %3 (nach %4 ms)")
                     .arg(QString::fromLatin1(failure.sent.toHex(' ')),
                          QString::fromLatin1(failure.awaited.toHex(' ')),
                          failure.received.isEmpty()
                              ? QStringLiteral("nichts")
                              : QString::fromLatin1(failure.received.toHex(' ')))
                     .arg(failure.waitedMs);
    return lines.join(QLatin1Char('\n'));
}

QString Captions::rowLine(const QString& caption, const QString& result) {
    return QStringLiteral("%1: %2").arg(caption, result);
}

QString Captions::verdictLine(const QString& verdict, qint64 durationMs) {
    return QStringLiteral("Ergebnis: %1 (%2 ms)").arg(verdict).arg(durationMs);
}

QString Captions::probeRetried(int attempt, int of) {
    return QStringLiteral("Schnittstellentest: keine Antwort, Wiederholung %1 von %2")
        .arg(attempt)
        .arg(of);
}

QString Captions::oneLine(const QString& text) {
    QString line = text;
    return line.replace(QLatin1Char('\r'), QLatin1Char(' '));
}

QString Captions::unsupportedGeometry(int cols, int rows) {
    return QStringLiteral("Auflösung %1x%2 wird nicht unterstützt!\rZR wurde auf 16x4 eingestellt!")
        .arg(cols)
        .arg(rows);
}

QString Captions::noAnswer(const QString& sent) {
    QString shown = sent;
    if (shown.startsWith(QChar(27)))
        shown.replace(0, 1, QStringLiteral("ESC "));
    return QStringLiteral("TimeOut auf COM. (Keine Antwort auf '%1')").arg(shown);
}

QString Captions::portChoice(int commPort) {
    return QStringLiteral("Com%1").arg(commPort);
}

QString Captions::process(qint64 pid, const QString& name) {
    if (pid <= 0)
        return {};
    return name.isEmpty() ? QStringLiteral(" (Prozess %1)").arg(pid)
                          : QStringLiteral(" (Prozess %1, %2)").arg(pid).arg(name);
}
