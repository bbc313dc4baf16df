#include "unit_attempts.h"

#include <QDateTime>
#include <QMap>
#include <QTimeZone>

namespace {

// The local offset changes on the hour, if at all; the hour's offset is found once.
int offsetSeconds(const QString& recordTime, QDate date, int hour) {
    static QHash<QString, int> byHour;
    const QString key = recordTime.left(13);
    const auto found = byHour.constFind(key);
    if (found != byHour.cend())
        return *found;
    const int offset =
        QDateTime(date, QTime(hour, 0), QTimeZone::utc()).toLocalTime().offsetFromUtc();
    byHour.insert(key, offset);
    return offset;
}

int field(const QString& text, int from, int length) {
    return QStringView(text).mid(from, length).toInt();
}

} // namespace

QHash<QString, UnitSpan> UnitAttempts::spans(const QList<UnitAttempt>& attempts) {
    QHash<QString, UnitSpan> spans;
    spans.reserve(attempts.size());
    for (qsizetype i = 0; i < attempts.size(); ++i) {
        if (attempts[i].unit.isEmpty())
            continue;
        const auto found = spans.find(attempts[i].unit);
        if (found == spans.end())
            spans.insert(attempts[i].unit, {i, i});
        else
            found->latest = i;
    }
    return spans;
}

QDate UnitAttempts::localDay(const QString& recordTime) {
    const QDate date(field(recordTime, 0, 4), field(recordTime, 5, 2), field(recordTime, 8, 2));
    const int hour = field(recordTime, 11, 2);
    const int minutes =
        hour * 60 + field(recordTime, 14, 2) + offsetSeconds(recordTime, date, hour) / 60;
    return minutes < 0 ? date.addDays(-1) : minutes >= 24 * 60 ? date.addDays(1) : date;
}

QList<DailyYieldChart::Day> UnitAttempts::daily(const QList<UnitAttempt>& attempts,
                                                const QHash<QString, UnitSpan>& spans) {
    QMap<QDate, DailyYieldChart::Day> byDay;
    for (const UnitSpan& span : spans) {
        const QDate day = localDay(attempts[span.first].started);
        DailyYieldChart::Day& figures = byDay[day];
        figures.day = day;
        ++figures.units;
        figures.firstPassed += attempts[span.first].passed;
        figures.finalPassed += attempts[span.latest].passed;
    }
    QList<DailyYieldChart::Day> days;
    if (byDay.isEmpty())
        return days;
    for (QDate day = byDay.firstKey(); day <= byDay.lastKey(); day = day.addDays(1))
        days.append(byDay.value(day, {day, 0, 0, 0}));
    return days;
}
