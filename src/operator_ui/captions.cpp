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

QString Captions::storeUnreadable(const QString& file, const QString& cause) {
    return QStringLiteral("Die Einstellungsdatei %1 kann nicht gelesen werden: %2.\r"
                          "Quendal beginnt mit den Anfangseinstellungen.")
        .arg(file, cause);
}

QString Captions::storeNotSaved(const QString& file, const QString& cause) {
    return QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden: %2.\r"
                          "Sie gelten nur, bis Quendal beendet wird.")
        .arg(file, cause);
}

QString Captions::storeFolderReadOnly(const QString& folder) {
    return QStringLiteral("der Ordner %1 ist schreibgeschützt").arg(folder);
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
