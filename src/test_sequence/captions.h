#pragma once

#include "device_link/port_problem.h"
#include "device_link/settings_store.h"
#include "terminal_run.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

// The captions and messages that the window and the production run both show. German is the
// source text; the language chosen at start-up (language.h) translates it where it is used.
// The window's own texts are in operator_ui/window_captions.h.
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

// The display geometries the window offers and --geometry accepts
inline const QStringList columnChoices{"8", "16", "20", "24", "32", "40"};
inline const QStringList rowChoices{"1", "2", "4"};
// The window started where there is no display to show it on.
inline constexpr Caption noDisplay{QT_TRANSLATE_NOOP(
    "Captions", "keine Anzeige: DISPLAY ist nicht gesetzt. Das Fenster braucht eine; ohne "
                "Anzeige prüft quendal --run die Terminals.")};

// Settings store: what went wrong with the file, and the values read from it
QString describe(const SettingsStore::Problem& problem);
QString storedNotANumber(const QString& text, const QString& key);
QString storedOutOfRange(const QString& text, const QString& key);

// The result rows and what ends a run
inline constexpr std::array stepCaptions{
    Caption{QT_TRANSLATE_NOOP("Captions", "Schnittstellentest")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Umkodiertabelle")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Displaygeometrie")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Festtextprogrammierung")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Festtext-Test")},
    Caption{QT_TRANSLATE_NOOP("Captions", "Tastaturbelegung")},
    Caption{QT_TRANSLATE_NOOP("Captions", "---")}};
inline constexpr Caption ok{QT_TRANSLATE_NOOP("Captions", "OK")};
// The progress window's button and a station slot's answer to a silent terminal
inline constexpr Caption cancel{QT_TRANSLATE_NOOP("Captions", "Abbrechen")};
inline constexpr Caption stepRunning{QT_TRANSLATE_NOOP("Captions", "Test läuft")};
inline constexpr Caption stepCancelled =
    QT_TRANSLATE_NOOP3("Captions", "abgebrochen", "the text of a cancelled step's row");
// `terminal` is "COM1", or the path of a production run's terminal named by its device.
QString commPortName(int commPort);
QString connectionLost(const QString& terminal);
QString outputStalledByFlowControl(const QString& terminal);

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
// Every text a result row can end with; the report gives them in German.
inline constexpr std::array rowResults{ok, stepCancelled, recodingTableFailed, fixedTextsFailed};
// A row's text as the German window shows it; stations match it, whatever the language.
QString germanRowResult(const QString& shown);

// Production runs: one line per row, one verdict line per terminal, notices on one line
inline constexpr Caption verdictPassed{QT_TRANSLATE_NOOP("Captions", "bestanden")};
inline constexpr Caption verdictFailed{QT_TRANSLATE_NOOP("Captions", "fehlgeschlagen")};
inline constexpr Caption verdictCancelled =
    QT_TRANSLATE_NOOP3("Captions", "abgebrochen", "a terminal's verdict under --run");
inline constexpr Caption verdictNotOpened{QT_TRANSLATE_NOOP("Captions", "nicht geöffnet")};
inline constexpr Caption verdictInterrupted{QT_TRANSLATE_NOOP("Captions", "unterbrochen")};
// The word for a terminal's verdict on its verdict line and in the history.
QString verdictWord(TerminalRun::Verdict verdict);
QString rowLine(const QString& caption, const QString& result);
QString verdictLine(const QString& verdict, qint64 durationMs);
QString probeRetried(int attempt, int of);
inline constexpr Caption probeGivenUp{QT_TRANSLATE_NOOP(
    "Captions", "Schnittstellentest: keine Antwort, abgebrochen (keine Wiederholung übrig)")};
// A box's text on one line: its line breaks and other control characters become spaces.
QString oneLine(const QString& text);

// Why the port refused: each text of a failed opening names the port and ends with what
// the operator can do about it.
QString describe(const PortProblem& problem);
// " (Prozess 1234, tio)", or nothing when the process is not known.
QString process(qint64 pid, const QString& name);

} // namespace Captions
