#include "captions.h"

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
