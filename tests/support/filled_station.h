#pragma once

#include <QString>

// Writes `count` passed terminal runs without a unit, ten to a run, into the station's record
// at `path`, all waiting for the line database; false with the cause in `error`.
bool fillStation(const QString& path, int count, QString& error);
