#pragma once

#include "test_sequence/captions.h"

#include <QDateTime>
#include <QString>

// The station window's texts: its header, a slot's panel and the refusals of a scan.
namespace Captions {

inline constexpr Caption stationWindow{QT_TRANSLATE_NOOP("Captions", "Prüfplatz")};
inline constexpr Caption slotReady{QT_TRANSLATE_NOOP("Captions", "bereit")};
inline constexpr Caption slotRunning{QT_TRANSLATE_NOOP("Captions", "läuft")};
inline constexpr Caption serialPlaceholder{QT_TRANSLATE_NOOP("Captions", "Seriennummer scannen")};
inline constexpr Caption retry{QT_TRANSLATE_NOOP("Captions", "Wiederholen")};
inline constexpr Caption pastUnknown{QT_TRANSLATE_NOOP("Captions", "Aufzeichnung nicht lesbar")};

QString stationHeader(const QString& station, const QString& operatorName);
// Today's figures of this station; `units` 0 reads as none yet.
QString dayFigures(int units, int passedFirst);
// "COM3" or the path, with what discovery knows of the adapter.
QString slotName(const QString& name, const QString& adapter);
// "1. Versuch" for a unit the record has never seen.
QString firstAttempt();
// "2. Versuch — zuletzt fehlgeschlagen am 08.12. 13:58, Linie 1 Platz 3: Umkodiertabelle"
QString pastAttempt(int attempt, const QString& verdict, const QDateTime& started,
                    const QString& station, const QString& failedStep);
QString passedBefore(int attempt, const QDateTime& started, const QString& station);
QString serialRefused(const QString& reason);
QString serialRunningElsewhere(const QString& slot);
QString slotDuration(qint64 ms);
QString stepTip(const QString& caption, const QString& result);

} // namespace Captions
