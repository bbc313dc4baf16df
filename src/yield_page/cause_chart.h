#pragma once

#include "yield_rows.h"

#include <QList>
#include <QString>

// The ports that did not open, one bar per kind of cause, most frequent first.
namespace CauseChart {

QString svg(const QList<CauseCount>& causes);

} // namespace CauseChart
