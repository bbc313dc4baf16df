#include "window_captions.h"

#include "test_sequence/step_result.h"

#include <QCoreApplication>

QString Captions::portActive(int commPort, const QString& settings) {
    return QStringLiteral("COM%1: %2").arg(commPort).arg(settings);
}

QString Captions::portInUseAtStartup(int commPort) {
    return QCoreApplication::translate(
               "Captions",
               "Schnittstelle COM%1 wird bereits verwendet.\rBitte alle anderen "
               "Programme schließen und Schnittstelle ggf. im folgenden Disolg anpassen!")
        .arg(commPort);
}

QString Captions::portNotOpenedAtStartup(int commPort) {
    return QCoreApplication::translate(
               "Captions", "Schnittstelle COM%1 konnte nicht geöffnet werden.\rBitte beenden Sie "
                           "das Programm und beheben Sie das Problem.")
        .arg(commPort);
}

QString Captions::portNotOpenedForRun(int commPort) {
    return QCoreApplication::translate(
               "Captions", "COM Port konnte nicht geöffnet werden.\rCOM%1 wird evtl. bereits von "
                           "einem anderen Programm verwendet")
        .arg(commPort);
}

QString Captions::portNotOpenedForDemo(int commPort) {
    return QCoreApplication::translate(
               "Captions", "Schnittstelle COM%1 konnte für den Demo-Text nicht geöffnet werden.")
        .arg(commPort);
}

QString Captions::connectionLostDuringDemo(int commPort) {
    return QCoreApplication::translate(
               "Captions", "Verbindung zu COM%1 und dem daran angeschlossenen Gerät verloren.\r"
                           "Der Demo-Text ist nicht vollständig angekommen.")
        .arg(commPort);
}

QString Captions::failedExchangesIntro(const QString& stepCaption) {
    return QCoreApplication::translate("Captions", "%1: Diese Bytes kamen nicht als Echo zurück.")
        .arg(stepCaption);
}

// One line per exchange, bytes in hex, so a missing byte shows without a serial monitor.
QString Captions::failedExchanges(const QList<ExchangeFailure>& failures) {
    QStringList lines;
    for (const ExchangeFailure& failure : failures)
        lines << QCoreApplication::translate("Captions",
                                             "gesendet %1, erwartet %2, empfangen %3 (nach %4 ms)")
                     .arg(QString::fromLatin1(failure.sent.toHex(' ')),
                          QString::fromLatin1(failure.awaited.toHex(' ')),
                          failure.received.isEmpty()
                              ? QCoreApplication::translate("Captions", "nichts")
                              : QString::fromLatin1(failure.received.toHex(' ')))
                     .arg(failure.waitedMs);
    return lines.join(QLatin1Char('\n'));
}

QString Captions::noAnswer(const QString& sent) {
    QString shown = sent;
    if (shown.startsWith(QChar(27)))
        shown.replace(0, 1, QStringLiteral("ESC "));
    return QCoreApplication::translate("Captions", "TimeOut auf COM. (Keine Antwort auf '%1')")
        .arg(shown);
}

// Protocol names are the same in every language; only "none" is a word.
QStringList Captions::flowChoices() {
    return {QCoreApplication::translate("Captions", "Kein"), QStringLiteral("Xon/Xoff"),
            QStringLiteral("RTS"), QStringLiteral("Xon/RTS")};
}

QStringList Captions::echoChoices() {
    return {QCoreApplication::translate("Captions", "Aus"),
            QCoreApplication::translate("Captions", "Ein")};
}

QString Captions::portChoice(int commPort) {
    return QStringLiteral("Com%1").arg(commPort);
}
