#pragma once

#include <QString>
#include <QStringList>

// Every caption and message the operator sees, in one place.
namespace Captions {

inline const QString programTitle = QStringLiteral("Quendal");

// Main window
inline const QString mainWindow = QStringLiteral("ZR Test und Initialisierung");
inline const QString startTests = QStringLiteral("Starte Tests");
inline const QString demoText = QStringLiteral("Demo-Text");
inline const QString portSettings = QStringLiteral("COM Einstellungen");
inline const QString endProgram = QStringLiteral("Programmende");
inline const QString geometrySeparator = QStringLiteral("X");
inline const QStringList columnChoices{"8", "16", "20", "24", "32", "40"};
inline const QStringList rowChoices{"1", "2", "4"};
inline const QString portInactive =
    QStringLiteral("Schnittstelle inaktiv. Keine Verbindung zum ZR/LN.");
QString portActive(int commPort, const QString& settings);

// Start-up and test-run messages
inline const QString portErrorTitle = QStringLiteral("Schnittstellenfehler");
QString portInUseAtStartup(int commPort);
QString portNotOpenedAtStartup(int commPort);
QString portNotOpenedForRun(int commPort);

// Settings store: what went wrong with the file, and the causes named in it
QString storeUnreadable(const QString& file, const QString& cause);
QString storeNotSaved(const QString& file, const QString& cause);
inline const QString storeIsFolder = QStringLiteral("an ihrer Stelle steht ein Ordner");
inline const QString storeNotReadable = QStringLiteral("das Recht, sie zu lesen, fehlt");
inline const QString storeMalformed =
    QStringLiteral("ihr Inhalt hat nicht das Format einer Einstellungsdatei");
inline const QString storeFileReadOnly = QStringLiteral("die Datei ist schreibgeschützt");
QString storeFolderReadOnly(const QString& folder);
inline const QString storeWriteFailed = QStringLiteral("sie konnte nicht geschrieben werden");

// Progress window
inline const QString progressWindow = QStringLiteral("Testlauf");
inline const QStringList stepCaptions{"Schnittstellentest",
                                      "Umkodiertabelle",
                                      "Displaygeometrie",
                                      "Festtextprogrammierung",
                                      "Festtext-Test",
                                      "Tastaturbelegung",
                                      "---"};
inline const QString cancel = QStringLiteral("Abbrechen");
inline const QString ok = QStringLiteral("OK");
inline const QString stepRunning = QStringLiteral("Test läuft");
inline const QString stepCancelled = QStringLiteral("abgebrochen");
QString connectionLost(int commPort);
QString outputStalledByFlowControl(int commPort);

// Test steps and the exchange
inline const QString linkFault =
    QStringLiteral("Verbindungs- oder EEPROM-Fehler: Bitte prüfen:\r"
                   "Ist das Programm richtig konfiguriert? (COM-Port Einstellungen)\r"
                   "Ist das ZR/LN richtig angeschlossen? (COM-Port / RS232-Kabel)\r"
                   "Ist der Startup-Bildschirm auf dem ZR/LN und blinkt der Cursor?");
inline const QString recodingTableFailed =
    QStringLiteral("FEHLER BEIM SPEICHERN DER UMKODIERTABELLE");
inline const QString fixedTextsFailed = QStringLiteral("FEHLER BEIM SPEICHERN DER FESTTEXTE");
inline const QString attentionTitle = QStringLiteral("ACHTUNG!");
QString unsupportedGeometry(int cols, int rows);
// `sent` is the command as it went out; a leading ESC reads "ESC ".
QString noAnswer(const QString& sent);

// Port settings dialog
inline const QString propertiesDialog = QStringLiteral("COM-Anschluß-Einstellungen");
inline const QString settingsTab = QStringLiteral("Einstellungen");
inline const QString portLabel = QStringLiteral("Anschluß:");
inline const QString speedFrame = QStringLiteral("Maximale Geschwindigkeit");
inline const QStringList speedChoices{"110",   "300",    "600",    "1200",  "2400",  "4800",
                                      "9600",  "14400",  "19200",  "28800", "38400", "56000",
                                      "57600", "115200", "128000", "256000"};
inline const QString formatFrame = QStringLiteral("Übertragungsformat");
inline const QString dataBitsLabel = QStringLiteral("Datenbits:");
inline const QStringList dataBitsChoices{"4", "5", "6", "7", "8"};
inline const QString parityLabel = QStringLiteral("Parität:");
inline const QStringList parityChoices{"Even", "Odd", "None", "Mark", "Space"};
inline const QString stopBitsLabel = QStringLiteral("Stopbits:");
inline const QStringList stopBitsChoices{"1", "1.5", "2"};
inline const QString flowFrame = QStringLiteral("&Protokoll");
inline const QStringList flowChoices{"Kein", "Xon/Xoff", "RTS", "Xon/RTS"};
inline const QString echoFrame = QStringLiteral("&Echo");
inline const QStringList echoChoices{"Aus", "Ein"};
QString portChoice(int commPort);
inline const QString deviceLabel = QStringLiteral("Gerät:");
inline const QString otherDevice = QStringLiteral("Anderes Gerät …");
inline const QString otherDevicePrompt = QStringLiteral("Pfad des seriellen Geräts:");
inline const QString noDeviceFound = QStringLiteral("Kein serielles Gerät gefunden");
inline const QString deviceAbsent = QStringLiteral("(nicht angeschlossen)");

// Why a port could not be opened. `port` names it as portDevice() does; each text ends
// with what the operator can do about it.
QString portDevice(int commPort, const QString& path);
QString deviceMissing(const QString& port, const QStringList& present);
QString noDeviceRights(const QString& port, const QString& node, const QString& group);
QString heldExclusively(const QString& port, const QString& holder);
QString inUseByProgram(const QString& port, const QString& holder);
QString staleLockFile(const QString& port, const QString& lockFile, qint64 pid);
QString lockFileNotRegular(const QString& port, const QString& lockFile, const QString& kind);
QString noLockDirectoryRights(const QString& port, const QString& directory, const QString& group);
QString notASerialDevice(const QString& port, const QString& node);
QString deviceNotResponding(const QString& port, const QString& node, const QString& systemText);
QString openFailed(const QString& port, const QString& systemText);
// What stands in a lock file's place when it is no plain file.
inline const QString fifoKind = QStringLiteral("eine Pipe (FIFO)");
inline const QString symlinkKind = QStringLiteral("eine symbolische Verknüpfung");
inline const QString directoryKind = QStringLiteral("ein Verzeichnis");
inline const QString socketKind = QStringLiteral("ein Socket");
inline const QString deviceNodeKind = QStringLiteral("eine Gerätedatei");
QString outputStopped(int commPort);
// " (Prozess 1234, tio)", or nothing when the process is not known.
QString process(qint64 pid, const QString& name);

} // namespace Captions
