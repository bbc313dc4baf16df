#pragma once

#include "test_sequence/captions.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ExchangeFailure;

// The texts only the window shows: its controls, its boxes and the port settings dialog.
// They share the translation context "Captions" with the texts the production run shows too.
namespace Captions {

// Main window
inline constexpr Caption mainWindow{QT_TRANSLATE_NOOP("Captions", "ZR Test und Initialisierung")};
inline constexpr Caption startTests{QT_TRANSLATE_NOOP("Captions", "Starte Tests")};
inline constexpr Caption demoText{QT_TRANSLATE_NOOP("Captions", "Demo-Text")};
inline constexpr Caption portSettings{QT_TRANSLATE_NOOP("Captions", "COM Einstellungen")};
inline constexpr Caption endProgram{QT_TRANSLATE_NOOP("Captions", "Programmende")};
inline const QString geometrySeparator = QStringLiteral("X");
inline constexpr Caption portInactive{
    QT_TRANSLATE_NOOP("Captions", "Schnittstelle inaktiv. Keine Verbindung zum ZR/LN.")};
QString portActive(int commPort, const QString& settings);

// Start-up, test-run and demo-text messages
inline constexpr Caption portErrorTitle{QT_TRANSLATE_NOOP("Captions", "Schnittstellenfehler")};
QString portInUseAtStartup(int commPort);
QString portNotOpenedAtStartup(int commPort);
QString portNotOpenedForRun(int commPort);
QString portNotOpenedForDemo(int commPort);
QString connectionLostDuringDemo(int commPort);
// `sent` is the command as it went out; a leading ESC reads "ESC ".
QString noAnswer(const QString& sent);

// Progress window
inline constexpr Caption progressWindow{QT_TRANSLATE_NOOP("Captions", "Testlauf")};
// What a red row tells of the exchanges that did not get their echo.
inline constexpr Caption failedExchangesTitle{QT_TRANSLATE_NOOP("Captions", "Fehlende Echos")};
QString failedExchangesIntro(const QString& stepCaption);
QString failedExchanges(const QList<ExchangeFailure>& failures);

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

} // namespace Captions
