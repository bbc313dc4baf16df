#include "captions.h"

#include <QCoreApplication>

// The words for every way the serial port can refuse, kept apart from the other captions
// because there are so many of them.

namespace {

// A production run's terminal named by its path has no COM number: 0.
QString portDevice(int commPort, const QString& path) {
    if (commPort == 0)
        return QCoreApplication::translate("Captions", "Gerät %1").arg(path);
    return QCoreApplication::translate("Captions", "Schnittstelle COM%1 (%2)")
        .arg(commPort)
        .arg(path);
}

// Where another device is chosen: in the window's dialog, or, for a production run's
// terminal named by its path, with --device.
QString otherDeviceRemedy(bool byPath) {
    return byPath
               ? QCoreApplication::translate(
                     "Captions",
                     "den Adapter einstecken oder mit --device ein anderes Gerät nennen")
               : QCoreApplication::translate("Captions", "den Adapter einstecken oder unter „COM "
                                                         "Einstellungen“ ein anderes Gerät wählen");
}

QString adapterDeviceRemedy(bool byPath) {
    return byPath ? QCoreApplication::translate("Captions",
                                                "mit --device das Gerät des Adapters nennen")
                  : QCoreApplication::translate(
                        "Captions", "unter „COM Einstellungen“ das Gerät des Adapters wählen");
}

QString deviceMissing(const QString& port, const QStringList& present, bool byPath) {
    const QString found =
        present.isEmpty()
            ? QCoreApplication::translate("Captions", "Es ist kein serielles Gerät angeschlossen.")
            : QCoreApplication::translate("Captions", "Vorhanden sind: %1.")
                  .arg(present.join(", "));
    return QCoreApplication::translate("Captions", "%1: Das Gerät gibt es nicht. %2 Abhilfe: %3.")
        .arg(port, found, otherDeviceRemedy(byPath));
}

// Joining "root" is no cure: such a node first needs a udev rule that hands it to dialout.
// A group that could not be read is not guessed.
QString noDeviceRights(const QString& port, const QString& node, const QString& group) {
    if (group.isEmpty())
        return QCoreApplication::translate(
                   "Captions", "%1: Keine Berechtigung für das Gerät %2. Abhilfe: mit „ls -l %2“ "
                               "nachsehen, welcher Gruppe es gehört, und dieser Gruppe beitreten.")
            .arg(port, node);
    const bool rootOnly = group == QLatin1String("root");
    return QCoreApplication::translate(
               "Captions", "%1: Keine Berechtigung für das Gerät %2, es gehört der Gruppe „%3“. "
                           "Abhilfe: %4sudo adduser $USER %5 eingeben, danach ab- und wieder "
                           "anmelden.")
        .arg(port, node, group,
             rootOnly ? QCoreApplication::translate(
                            "Captions", "das Gerät per udev-Regel (GROUP=\"dialout\") der Gruppe "
                                        "„dialout“ geben, ")
                      : QString(),
             rootOnly ? QStringLiteral("dialout") : group);
}

QString heldExclusively(const QString& port, const QString& holder) {
    return QCoreApplication::translate(
               "Captions", "%1 ist von einem anderen Programm exklusiv belegt%2. Oft ist es "
                           "ModemManager, der neu eingesteckte Adapter einige Sekunden lang "
                           "prüft. Abhilfe: kurz warten oder „sudo systemctl stop ModemManager“; "
                           "auf Dauer hält eine udev-Regel mit ENV{ID_MM_DEVICE_IGNORE}=\"1\" "
                           "ihn von dem Adapter fern.")
        .arg(port, holder);
}

QString inUseByProgram(const QString& port, const QString& holder) {
    return QCoreApplication::translate(
               "Captions", "%1 wird bereits von einem anderen Programm verwendet%2. Abhilfe: "
                           "das Programm beenden.")
        .arg(port, holder);
}

QString staleLockFile(const QString& port, const QString& lockFile, qint64 pid) {
    return QCoreApplication::translate(
               "Captions", "%1 ist durch die Sperrdatei %2 gesperrt. Ihr Prozess %3 läuft nicht "
                           "mehr, doch die Datei gehört einem anderen Benutzer und kann nicht "
                           "entfernt werden. Abhilfe: sudo rm %2")
        .arg(port, lockFile)
        .arg(pid);
}

QString fileKind(PortProblem::FileKind kind) {
    switch (kind) {
    case PortProblem::Fifo:
        return QCoreApplication::translate("Captions", "eine Pipe (FIFO)");
    case PortProblem::Symlink:
        return QCoreApplication::translate("Captions", "eine symbolische Verknüpfung");
    case PortProblem::Directory:
        return QCoreApplication::translate("Captions", "ein Verzeichnis");
    case PortProblem::Socket:
        return QCoreApplication::translate("Captions", "ein Socket");
    case PortProblem::DeviceNode:
        break;
    }
    return QCoreApplication::translate("Captions", "eine Gerätedatei");
}

QString lockFileNotRegular(const QString& port, const QString& lockFile,
                           PortProblem::FileKind kind) {
    return QCoreApplication::translate(
               "Captions", "%1: Die Sperrdatei %2 ist keine gewöhnliche Datei, sondern %3; sie "
                           "wird nicht geöffnet. Abhilfe: sudo rm -r %2")
        .arg(port, lockFile, fileKind(kind));
}

// The lock directory belongs to root on Debian: its cure is the directory's mode, not a group.
QString noLockDirectoryRights(const QString& port, const QString& directory, const QString& group) {
    if (group.isEmpty() || group == QLatin1String("root"))
        return QCoreApplication::translate(
                   "Captions", "%1: Keine Schreibberechtigung im Sperrverzeichnis %2, die "
                               "Schnittstelle kann nicht belegt werden. Abhilfe: das Verzeichnis "
                               "für alle beschreibbar machen: sudo chmod 1777 %2")
            .arg(port, directory);
    return QCoreApplication::translate(
               "Captions", "%1: Keine Schreibberechtigung im Sperrverzeichnis %2, die "
                           "Schnittstelle kann nicht belegt werden. Abhilfe: sudo adduser $USER "
                           "%3 eingeben, danach ab- und wieder anmelden.")
        .arg(port, directory, group);
}

QString notASerialDevice(const QString& port, const QString& node, bool byPath) {
    return QCoreApplication::translate("Captions", "%1: %2 ist kein serielles Gerät. Abhilfe: %3.")
        .arg(port, node, adapterDeviceRemedy(byPath));
}

QString deviceNotResponding(const QString& port, const QString& node, const QString& systemText,
                            bool byPath) {
    return QCoreApplication::translate("Captions",
                                       "%1: Unter %2 meldet sich kein Gerät (%3). Abhilfe: %4.")
        .arg(port, node, systemText, adapterDeviceRemedy(byPath));
}

QString openFailed(const QString& port, const QString& systemText) {
    return QCoreApplication::translate("Captions", "%1 konnte nicht geöffnet werden (%2).")
        .arg(port, systemText);
}

QString invalidSettings(const PortProblem& problem) {
    const QString& value = problem.settingValue;
    QString why;
    switch (problem.setting) {
    case PortProblem::BaudRate:
        why = QCoreApplication::translate("Captions", "Baudrate „%1“ wird nicht unterstützt.")
                  .arg(value);
        break;
    case PortProblem::Parity:
        why = QCoreApplication::translate("Captions", "Parität „%1“ ist nicht e, o, n, m oder s.")
                  .arg(value);
        break;
    case PortProblem::DataBits:
        why = QCoreApplication::translate("Captions", "Datenbits „%1“ sind nicht 4 bis 8.")
                  .arg(value);
        break;
    case PortProblem::StopBits:
        why = QCoreApplication::translate("Captions", "Stopbits „%1“ sind nicht 1, 1.5 oder 2.")
                  .arg(value);
        break;
    default:
        why = QCoreApplication::translate("Captions",
                                          "erwartet werden Baudrate, Parität, Datenbits und "
                                          "Stopbits, durch Kommas getrennt.");
    }
    return QCoreApplication::translate("Captions", "Ungültige Schnittstelleneinstellung „%1“: %2")
        .arg(problem.settingsText.left(60), why);
}

QString refusedSetting(const PortProblem& problem) {
    const QString& value = problem.settingValue;
    switch (problem.setting) {
    case PortProblem::BaudRate:
        return QCoreApplication::translate("Captions", "die Baudrate %1").arg(value);
    case PortProblem::Parity:
        return QCoreApplication::translate("Captions", "die Parität „%1“").arg(value);
    case PortProblem::DataBits:
        return QCoreApplication::translate("Captions", "%1 Datenbits").arg(value);
    case PortProblem::StopBits:
        return QCoreApplication::translate("Captions", "%1 Stopbits").arg(value);
    default:
        return QCoreApplication::translate("Captions", "das Handshaking %1").arg(value);
    }
}

// Named as the serial component names a port, the node without its leading /dev/; a
// production run's terminal named by its path is named by that path.
QString setupRefused(const PortProblem& problem) {
    QString port = problem.commPort == 0 ? problem.path : problem.node;
    if (problem.commPort != 0 && port.startsWith(QLatin1String("/dev/")))
        port.remove(0, 5);
    return QCoreApplication::translate("Captions", "Die Schnittstelle %1 übernimmt %2 nicht (%3).")
        .arg(port, refusedSetting(problem), problem.systemText);
}

QString describeOpening(const PortProblem& problem) {
    const QString port = portDevice(problem.commPort, problem.path);
    const bool byPath = problem.commPort == 0;
    const QString holder = Captions::process(problem.pid, problem.program);
    switch (problem.kind) {
    case PortProblem::DeviceMissing:
        return deviceMissing(port, problem.present, byPath);
    case PortProblem::InUseByProgram:
    case PortProblem::InUseByFlock:
        return inUseByProgram(port, holder);
    case PortProblem::StaleLockFile:
        return staleLockFile(port, problem.lockFile, problem.pid);
    case PortProblem::LockFileNotRegular:
        return lockFileNotRegular(port, problem.lockFile, problem.fileKind);
    case PortProblem::NoDeviceRights:
        return noDeviceRights(port, problem.node, problem.group);
    case PortProblem::NoLockDirectoryRights:
        return noLockDirectoryRights(port, problem.lockFile, problem.group);
    case PortProblem::HeldExclusively:
        return heldExclusively(port, holder);
    case PortProblem::NotASerialDevice:
        return notASerialDevice(port, problem.node, byPath);
    case PortProblem::NotResponding:
        return deviceNotResponding(port, problem.node, problem.systemText, byPath);
    default:
        return openFailed(port, problem.systemText);
    }
}

} // namespace

QString Captions::describe(const PortProblem& problem) {
    if (problem.isOpenFailure())
        return describeOpening(problem);
    const int commPort = problem.commPort;
    switch (problem.kind) {
    case PortProblem::InvalidPortNumber:
        return QCoreApplication::translate("Captions",
                                           "Ungültige Portnummer %1: zulässig sind 1 bis 16.")
            .arg(problem.value);
    case PortProblem::PortNumberWhileOpen:
        return QCoreApplication::translate(
            "Captions", "Die Portnummer kann nur bei geschlossener Schnittstelle "
                        "geändert werden.");
    case PortProblem::InvalidHandshaking:
        return QCoreApplication::translate("Captions",
                                           "Ungültiges Handshaking %1: zulässig sind 0 bis 3.")
            .arg(problem.value);
    case PortProblem::InvalidSettings:
        return invalidSettings(problem);
    case PortProblem::SetupRefused:
        return setupRefused(problem);
    case PortProblem::AlreadyOpen:
        return QCoreApplication::translate("Captions", "Schnittstelle COM%1 ist bereits geöffnet.")
            .arg(commPort);
    case PortProblem::NotOpen:
        return QCoreApplication::translate("Captions", "Schnittstelle COM%1 ist nicht geöffnet.")
            .arg(commPort);
    case PortProblem::SendFailed:
        return QCoreApplication::translate("Captions",
                                           "Schnittstelle COM%1: Senden fehlgeschlagen (%2).")
            .arg(commPort)
            .arg(problem.systemText);
    case PortProblem::OutputStopped:
        return QCoreApplication::translate(
                   "Captions", "Schnittstelle COM%1: Die Ausgabe ist durch die Flusssteuerung "
                               "angehalten.")
            .arg(commPort);
    case PortProblem::ConnectionLost:
        return QCoreApplication::translate(
                   "Captions", "Schnittstelle COM%1: Verbindung zum Gerät verloren (%2).")
            .arg(commPort)
            .arg(problem.systemText);
    default:
        return {};
    }
}
