#include "record_time.h"

#include <QTimeZone>

namespace {
const QString format = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz'Z'");
}

QString RecordTime::text(const QDateTime& time) {
    return time.toUTC().toString(format);
}

// Date and time read apart and put together in UTC: read as local time, an hour that the
// clock change skips there would not exist.
QDateTime RecordTime::parse(const QString& text) {
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11, 12), QStringLiteral("HH:mm:ss.zzz"));
    if (text.size() != 24 || text.at(10) != QLatin1Char('T') || !text.endsWith(QLatin1Char('Z')) ||
        !date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone::utc());
}
