#pragma once

#include "device_link/port_problem.h"
#include "device_link/settings_store.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

struct ExchangeFailure;

// Every caption and message the operator sees, in one place. German is the source text; the
// language chosen at start-up (language.h) translates it where it is used.
namespace Captions {

// A fixed German text. A constant exists before any translator is installed, so it is
// translated each time it becomes a QString, in context "Captions" as lupdate reads it.
class Caption {
public:
    explicit constexpr Caption(const char* german) : german_(german) {}
    // One German word with two uses gets a comment for each, so each has its own translation.
    constexpr Caption(const char* german, const char* comment)
        : german_(german), comment_(comment) {}
    operator QString() const;
    // For values that stay German in every language, such as the report's row captions.
    QString untranslated() const { return QString::fromUtf8(german_); }

private:
    const char* german_;
    const char* comment_ = nullptr;
};

// Names and numbers, the same in every language.
inline const QString programTitle = QStringLiteral("Quendal");

// Main window
inline constexpr Caption mainWindow{QT_TRANSLATE_NOOP("Captions", "ZR Test und Initialisierung")};
inline constexpr Caption startTests{QT_TRANSLATE_NOOP("Captions", "Starte Tests")};
inline constexpr Caption demoText{QT_TRANSLATE_NOOP("Captions", "Demo-Text")};
inline constexpr Caption portSettings{QT_TRANSLATE_NOOP("Captions", "COM Einstellungen")};
inline constexpr Caption endProgram{QT_TRANSLATE_NOOP("Captions", "Programmende")};
inline const QString geometrySeparator = QStringLiteral("X");
inline const QStringList columnChoices{"8", "16", "20", "24", "32", "40"};
inline const QStringList rowChoices{"1", "2", "4"};
inline constexpr Caption portInactive{
    QT_TRANSLATE_NOOP("Captions", "Schnittstelle inaktiv. Keine Verbindung zum ZR/LN.")};
QString portActive(int commPort, const QString& settings);

// Start-up and test-run messages
inline constexpr Caption portErrorTitle{QT_TRANSLATE_NOOP("Captions", "Schnittstellenfehler")};
QString portInUseAtStartup(int commPort);
QString portNotOpenedAtStartup(int commPort);
QString portNotOpenedForRun(int commPort);
QString portNotOpenedForDemo(int commPort);
QString connectionLostDuringDemo(int commPort);
// The window started where there is no display to show it on.
inline constexpr Caption noDisplay{QT_TRANSLATE_NOOP(
    "Captions", "keine Anzeige: DISPLAY ist nicht gesetzt. Das Fenster braucht eine; ohne "
                "Anzeige prüft quendal --run die Terminals.")};

// Settings store: what went wrong with the file, and the values read from it
QString describe(const SettingsStore::Problem& problem);
QString storedNotANumber(const QString& text, const QString& key);
QString storedOutOfRange(const QString& text, const QString& key);

// Progress window
inline constexpr Caption progressWindow{QT_TRANSLATE_NOOP("Captions", "Testlauf")};
inline constexpr std::array stepCaptions{
    Caption{QT_TRANSLATE_NOOP("Captions", "Schnittstellentest")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Umkodiertabelle")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Displaygeometrie")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Festtextprogrammierung")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Festtext-Test")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Tastaturbelegung")},
    Caption{QT_TRANSLATE_NOOP("Captions", "---")}};
inline constexpr Caption cancel{QT_TRANSLATE_NOOP("Captions", "Abbrechen")};
inline constexpr Caption ok{QT_TRANSLATE_NOOP("Captions", "OK")};
inline constexpr Caption stepRunning{QT_TRANSLATE_NOOP("Captions", "Test läuft")};
inline constexpr Caption stepCancelled =
    QT_TRANSLATE_NOOP3("Captions", "abgebrochen", "the text of a cancelled step's row");
QString connectionLost(int commPort);
QString outputStalledByFlowControl(int commPort);
// What a red row tells of the exchanges that did not get their echo.
inline constexpr Caption failedExchangesTitle{QT_TRANSLATE_NOOP("Captions", "Fehlende Echos")};
QString failedExchangesIntro(const QString& stepCaption);
QString failedExchanges(const QList<ExchangeFailure>& failures);

// Test steps and the exchange
inline constexpr Caption linkFault{QT_TRANSLATE_NOOP(
    "Captions", "Verbindungs- oder EEPROM-Fehler: Bitte prüfen:\r"
                "Ist das Programm richtig konfiguriert? (COM-Port Einstellungen)\r"
                "Ist das ZR/LN richtig angeschlossen? (COM-Port / RS232-Kabel)\r"
                "Ist der Startup-Bildschirm auf dem ZR/LN und blinkt der Cursor?")};
inline constexpr Caption recodingTableFailed{
    QT_TRANSLATE_NOOP("Captions", "FEHLER BEIM SPEICHERN DER UMKODIERTABELLE")};
inline constexpr Caption fixedTextsFailed{
    QT_TRANSLATE_NOOP("Captions", "FEHLER BEIM SPEICHERN DER FESTTEXTE")};
inline constexpr Caption attentionTitle{QT_TRANSLATE_NOOP("Captions", "ACHTUNG!")};
QString unsupportedGeometry(int cols, int rows);
// `sent` is the command as it went out; a leading ESC reads "ESC ".
QString noAnswer(const QString& sent);
// Every text a result row can end with; the report gives them in German.
inline constexpr std::array rowResults{ok, stepCancelled, recodingTableFailed, fixedTextsFailed};

// Production runs: one line per row, one verdict line per terminal, notices on one line
inline constexpr Caption verdictPassed{QT_TRANSLATE_NOOP("Captions", "bestanden")};
inline constexpr Caption verdictFailed{QT_TRANSLATE_NOOP("Captions", "fehlgeschlagen")};
inline constexpr Caption verdictCancelled =
    QT_TRANSLATE_NOOP3("Captions", "abgebrochen", "a terminal's verdict under --run");
inline constexpr Caption verdictNotOpened{QT_TRANSLATE_NOOP("Captions", "nicht geöffnet")};
inline constexpr Caption verdictInterrupted{QT_TRANSLATE_NOOP("Captions", "unterbrochen")};
QString rowLine(const QString& caption, const QString& result);
QString verdictLine(const QString& verdict, qint64 durationMs);
QString probeRetried(int attempt, int of);
inline constexpr Caption probeGivenUp{QT_TRANSLATE_NOOP(
    "Captions", "Schnittstellentest: keine Antwort, abgebrochen (keine Wiederholung übrig)")};
// A box's text on one line: its line breaks become spaces.
QString oneLine(const QString& text);

// Port settings dialog
inline constexpr Caption propertiesDialog{
    QT_TRANSLATE_NOOP("Captions", "COM-Anschluß-Einstellungen")};
inline constexpr Caption settingsTab{QT_TRANSLATE_NOOP("Captions", "Einstellungen")};
inline constexpr Caption portLabel{QT_TRANSLATE_NOOP("Captions", "Anschluß:")};
inline constexpr Caption speedFrame{QT_TRANSLATE_NOOP("Captions", "Maximale Geschwindigkeit")};
inline const QStringList speedChoices{"110",   "300",    "600",    "1200",  "2400",  "4800",
                                      "9600",  "14400",  "19200",  "28800", "38400", "56000",
                                      "57600", "115200", "128000", "256000"};
inline constexpr Caption formatFrame{QT_TRANSLATE_NOOP("Captions", "Übertragungsformat")};
inline constexpr Caption dataBitsLabel{QT_TRANSLATE_NOOP("Captions", "Datenbits:")};
inline const QStringList dataBitsChoices{"4", "5", "6", "7", "8"};
inline constexpr Caption parityLabel{QT_TRANSLATE_NOOP("Captions", "Parität:")};
// The port settings read the letter of the chosen parity: these words are values.
inline const QStringList parityChoices{"Even", "Odd", "None", "Mark", "Space"};
inline constexpr Caption stopBitsLabel{QT_TRANSLATE_NOOP("Captions", "Stopbits:")};
inline const QStringList stopBitsChoices{"1", "1.5", "2"};
inline constexpr Caption flowFrame{QT_TRANSLATE_NOOP("Captions", "&Protokoll")};
QStringList flowChoices();
inline constexpr Caption echoFrame{QT_TRANSLATE_NOOP("Captions", "&Echo")};
QStringList echoChoices();
QString portChoice(int commPort);
inline constexpr Caption deviceLabel{QT_TRANSLATE_NOOP("Captions", "Gerät:")};
inline constexpr Caption otherDevice{QT_TRANSLATE_NOOP("Captions", "Anderes Gerät …")};
inline constexpr Caption otherDevicePrompt{
    QT_TRANSLATE_NOOP("Captions", "Pfad des seriellen Geräts:")};
inline constexpr Caption noDeviceFound{
    QT_TRANSLATE_NOOP("Captions", "Kein serielles Gerät gefunden")};
inline constexpr Caption deviceAbsent{QT_TRANSLATE_NOOP("Captions", "(nicht angeschlossen)")};

// Why the port refused: each text of a failed opening names the port and ends with what
// the operator can do about it.
QString describe(const PortProblem& problem);
// " (Prozess 1234, tio)", or nothing when the process is not known.
QString process(qint64 pid, const QString& name);

} // namespace Captions
