#pragma once

#include "test_sequence/captions.h"

#include <QString>

// The texts of the yield page; German is the source, as everywhere.
namespace Captions {

// The page's language as HTML names it: what the translation in force makes of "de".
inline constexpr Caption pageLanguage =
    QT_TRANSLATE_NOOP3("Captions", "de", "the language code of the yield page");
inline constexpr Caption yieldTitle{QT_TRANSLATE_NOOP("Captions", "Ausbeute")};
inline constexpr Caption everything{QT_TRANSLATE_NOOP("Captions", "alle Aufzeichnungen")};
inline constexpr Caption noUnits{
    QT_TRANSLATE_NOOP("Captions", "keine Einheiten in diesem Zeitraum")};
inline constexpr Caption units{QT_TRANSLATE_NOOP("Captions", "Einheiten")};
inline constexpr Caption firstPassYield{QT_TRANSLATE_NOOP("Captions", "Erstausbeute")};
inline constexpr Caption finalYield{QT_TRANSLATE_NOOP("Captions", "Endausbeute")};
inline constexpr Caption terminalRuns{QT_TRANSLATE_NOOP("Captions", "Terminalläufe")};
inline constexpr Caption timeRange{QT_TRANSLATE_NOOP("Captions", "Zeitraum")};
inline constexpr Caption station{QT_TRANSLATE_NOOP("Captions", "Station")};
inline constexpr Caption serial{QT_TRANSLATE_NOOP("Captions", "Seriennummer")};
inline constexpr Caption attemptTime{QT_TRANSLATE_NOOP("Captions", "Zeit")};
inline constexpr Caption failedRows{QT_TRANSLATE_NOOP("Captions", "Fehlgeschlagene Zeilen")};
inline constexpr Caption dailyYield{
    QT_TRANSLATE_NOOP("Captions", "Erst- und Endausbeute je Tag des ersten Versuchs")};
inline constexpr Caption stepPareto{
    QT_TRANSLATE_NOOP("Captions", "Fehlgeschlagene Zeilen je Schritt")};
inline constexpr Caption cumulativeShare{QT_TRANSLATE_NOOP("Captions", "Anteil kumuliert")};
inline constexpr Caption notOpened{
    QT_TRANSLATE_NOOP("Captions", "Nicht geöffnete Schnittstellen nach Ursache")};
inline constexpr Caption ports{QT_TRANSLATE_NOOP("Captions", "Schnittstellen")};
inline constexpr Caption stations{QT_TRANSLATE_NOOP("Captions", "Stationen")};
inline constexpr Caption slowestEcho{
    QT_TRANSLATE_NOOP("Captions", "Langsamstes Echo je Zeile und Schritt (ms)")};
inline constexpr Caption rows{QT_TRANSLATE_NOOP("Captions", "Zeilen")};
inline constexpr Caption failingUnits{
    QT_TRANSLATE_NOOP("Captions", "Einheiten, deren letzter Versuch nicht bestand")};
inline constexpr Caption portNotOpened{
    QT_TRANSLATE_NOOP("Captions", "Schnittstelle nicht geöffnet")};
inline constexpr Caption noFailedRows{
    QT_TRANSLATE_NOOP("Captions", "Keine fehlgeschlagenen Zeilen in diesem Zeitraum.")};
inline constexpr Caption everyPortOpened{
    QT_TRANSLATE_NOOP("Captions", "Keine Schnittstelle blieb in diesem Zeitraum ungeöffnet.")};
inline constexpr Caption noEchoTimes{
    QT_TRANSLATE_NOOP("Captions", "Keine gemessenen Echozeiten in diesem Zeitraum.")};
// "Ausbeute 2026-12-01 bis 2026-12-07, erstellt 2026-12-08 09:30"
QString pageTitle(const QString& range, const QString& made);
QString fromUntil(const QString& from, const QString& until);
QString andMore(int count);
// The yield axis starts at `percent`, e.g. "75 %".
QString axisFrom(const QString& percent);
// Why a port did not open, in words, from the record's name of the cause; a name this
// version does not know stays as it is.
QString causeWord(const QString& kind);

} // namespace Captions
