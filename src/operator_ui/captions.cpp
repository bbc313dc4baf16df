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

QString Captions::portDevice(int commPort, const QString& path) {
    return QStringLiteral("Schnittstelle COM%1 (%2)").arg(commPort).arg(path);
}

QString Captions::deviceMissing(const QString& port, const QStringList& present) {
    const QString found = present.isEmpty()
                              ? QStringLiteral("Es ist kein serielles Gerät angeschlossen.")
                              : QStringLiteral("Vorhanden sind: %1.").arg(present.join(", "));
    return QStringLiteral("%1: Das Gerät gibt es nicht. %2 Abhilfe: den Adapter einstecken oder "
                          "unter „COM Einstellungen“ ein anderes Gerät wählen.")
        .arg(port, found);
}

// Joining "root" is no cure: such a node first needs a udev rule that hands it to dialout.
QString Captions::noDeviceRights(const QString& port, const QString& node, const QString& group) {
    const bool rootOnly = group == QLatin1String("root");
    return QStringLiteral("%1: Keine Berechtigung für das Gerät %2, es gehört der Gruppe „%3“. "
                          "Abhilfe: %4sudo adduser $USER %5 eingeben, danach ab- und wieder "
                          "anmelden.")
        .arg(port, node, group,
             rootOnly ? QStringLiteral("das Gerät per udev-Regel (GROUP=\"dialout\") der Gruppe "
                                       "„dialout“ geben, ")
                      : QString(),
             rootOnly ? QStringLiteral("dialout") : group);
}

QString Captions::heldExclusively(const QString& port, const QString& holder) {
    return QStringLiteral("%1 ist von einem anderen Programm exklusiv belegt%2. Oft ist es "
                          "ModemManager, der neu eingesteckte Adapter einige Sekunden lang "
                          "prüft. Abhilfe: kurz warten oder „sudo systemctl stop ModemManager“; "
                          "auf Dauer hält eine udev-Regel mit ENV{ID_MM_DEVICE_IGNORE}=\"1\" "
                          "ihn von dem Adapter fern.")
        .arg(port, holder);
}

QString Captions::inUseByProgram(const QString& port, const QString& holder) {
    return QStringLiteral("%1 wird bereits von einem anderen Programm verwendet%2. Abhilfe: "
                          "das Programm beenden.")
        .arg(port, holder);
}

QString Captions::staleLockFile(const QString& port, const QString& lockFile, qint64 pid) {
    return QStringLiteral("%1 ist durch die Sperrdatei %2 gesperrt. Ihr Prozess %3 läuft nicht "
                          "mehr, doch die Datei gehört einem anderen Benutzer und kann nicht "
                          "entfernt werden. Abhilfe: sudo rm %2")
        .arg(port, lockFile)
        .arg(pid);
}

QString Captions::lockFileNotRegular(const QString& port, const QString& lockFile,
                                     const QString& kind) {
    return QStringLiteral("%1: Die Sperrdatei %2 ist keine gewöhnliche Datei, sondern %3; sie "
                          "wird nicht geöffnet. Abhilfe: sudo rm -r %2")
        .arg(port, lockFile, kind);
}

QString Captions::noLockDirectoryRights(const QString& port, const QString& directory,
                                        const QString& group) {
    return QStringLiteral("%1: Keine Schreibberechtigung im Sperrverzeichnis %2, die "
                          "Schnittstelle kann nicht belegt werden. Abhilfe: sudo adduser $USER "
                          "%3 eingeben, danach ab- und wieder anmelden.")
        .arg(port, directory, group);
}

QString Captions::notASerialDevice(const QString& port, const QString& node) {
    return QStringLiteral("%1: %2 ist kein serielles Gerät. Abhilfe: unter „COM Einstellungen“ "
                          "das Gerät des Adapters wählen.")
        .arg(port, node);
}

QString Captions::deviceNotResponding(const QString& port, const QString& node,
                                      const QString& systemText) {
    return QStringLiteral("%1: Unter %2 meldet sich kein Gerät (%3). Abhilfe: unter „COM "
                          "Einstellungen“ das Gerät des Adapters wählen.")
        .arg(port, node, systemText);
}

QString Captions::openFailed(const QString& port, const QString& systemText) {
    return QStringLiteral("%1 konnte nicht geöffnet werden (%2).").arg(port, systemText);
}

QString Captions::process(qint64 pid, const QString& name) {
    if (pid <= 0)
        return {};
    return name.isEmpty() ? QStringLiteral(" (Prozess %1)").arg(pid)
                          : QStringLiteral(" (Prozess %1, %2)").arg(pid).arg(name);
}

QString Captions::outputStopped(int commPort) {
    return QStringLiteral("Schnittstelle COM%1: Die Ausgabe ist durch die Flusssteuerung "
                          "angehalten.")
        .arg(commPort);
}
