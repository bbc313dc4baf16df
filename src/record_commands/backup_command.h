#pragma once

#include <QString>

// `quendal --backup FILE`: a consistent copy of the station's file, taken while runs go on
// writing to it. Returns the exit status, 1 when no copy was written.
int backUpRecord(const QString& file);
