#include "record_time.h"

#include <QTimeZone>

namespace {
const QString format = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz'Z'");
}

QString RecordTime::text(const QDateTime& time) {
    return time.toUTC().toString(format);
}

QDateTime RecordTime::parse(const QString& text) {
    QDateTime time = QDateTime::fromString(text, format);
    time.setTimeZone(QTimeZone::utc());
    return time;
}
