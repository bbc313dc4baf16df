#pragma once

#include "device_link/port_problem.h"
#include "device_link/settings_store.h"

#include <QString>
#include <QStringList>

struct ExchangeFailure;

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
QString portNotOpenedForDemo(int commPort);
QString connectionLostDuringDemo(int commPort);

// Settings store: what went wrong with the file, and the values read from it
QString describe(const SettingsStore::Problem& problem);
QString storedNotANumber(const QString& text, const QString& key);
QString storedOutOfRange(const QString& text, const QString& key);

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
// What a red row tells of the exchanges that did not get their echo.
inline const QString failedExchangesTitle = QStringLiteral("Fehlende Echos");
QString failedExchangesIntro(const QString& stepCaption);
QString failedExchanges(const QList<ExchangeFailure>& failures);

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

// Production runs: one line per row, one verdict line per terminal, notices on one line
inline const QString verdictPassed = QStringLiteral("bestanden");
inline const QString verdictFailed = QStringLiteral("fehlgeschlagen");
inline const QString verdictCancelled = QStringLiteral("abgebrochen");
inline const QString verdictNotOpened = QStringLiteral("nicht geöffnet");
inline const QString verdictInterrupted = QStringLiteral("unterbrochen");
QString rowLine(const QString& caption, const QString& result);
QString verdictLine(const QString& verdict, qint64 durationMs);
QString probeRetried(int attempt, int of);
inline const QString probeGivenUp =
    QStringLiteral("Schnittstellentest: keine Antwort, abgebrochen (keine Wiederholung übrig)");
// A box's text on one line: its line breaks become spaces.
QString oneLine(const QString& text);

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

// Why the port refused: each text of a failed opening names the port and ends with what
// the operator can do about it.
QString describe(const PortProblem& problem);
// " (Prozess 1234, tio)", or nothing when the process is not known.
QString process(qint64 pid, const QString& name);

} // namespace Captions
