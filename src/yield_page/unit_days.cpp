#include "unit_days.h"

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

int UnitDays::splitMinute() {
    const int offsetMinutes = QDateTime::currentDateTime().offsetFromUtc() / 60;
    return (60 - (offsetMinutes % 60 + 60) % 60) % 60;
}

QDate UnitDays::localDay(const QString& recordTime) {
    const QDate date(field(recordTime, 0, 4), field(recordTime, 5, 2), field(recordTime, 8, 2));
    const int hour = field(recordTime, 11, 2);
    const int minutes =
        hour * 60 + field(recordTime, 14, 2) + offsetSeconds(recordTime, date, hour) / 60;
    return minutes < 0 ? date.addDays(-1) : minutes >= 24 * 60 ? date.addDays(1) : date;
}

QList<DailyYieldChart::Day> UnitDays::daily(const QList<UnitGroup>& groups) {
    QMap<QDate, DailyYieldChart::Day> byDay;
    for (const UnitGroup& group : groups) {
        if (group.firstTime.isEmpty())
            continue;
        const QDate day = localDay(group.firstTime);
        DailyYieldChart::Day& figures = byDay[day];
        figures.day = day;
        figures.units += group.overall.units;
        figures.firstPassed += group.overall.firstPassed;
        figures.finalPassed += group.overall.finalPassed;
    }
    QList<DailyYieldChart::Day> days;
    if (byDay.isEmpty())
        return days;
    for (QDate day = byDay.firstKey(); day <= byDay.lastKey(); day = day.addDays(1))
        days.append(byDay.value(day, {day, 0, 0, 0}));
    return days;
}
