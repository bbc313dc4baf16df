#pragma once

#include <QDateTime>
#include <QString>

// Times in the record: UTC to the millisecond, as text that sorts as it reads.
namespace RecordTime {

QString text(const QDateTime& time);
QDateTime parse(const QString& text);

} // namespace RecordTime
