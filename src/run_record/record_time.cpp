#include "record_time.h"

#include <QTimeZone>

namespace {
const QString format = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz'Z'");
}

QString RecordTime::text(const QDateTime& time) {
    return time.toUTC().toString(format);
}

// Read as ISO 8601, whose 'Z' makes it UTC from the start: read as local time, an hour that
// the clock change skips there would not exist.
QDateTime RecordTime::parse(const QString& text) {
    if (text.size() != 24 || !text.endsWith(QLatin1Char('Z')))
        return {};
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}
