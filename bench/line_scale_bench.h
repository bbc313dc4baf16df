#pragma once

#include "record_generator.h"

#include <QString>

// How the record reads at a line's scale, `shape` by default a year of 1,000,000 terminal runs
// at eight stations: from a throwaway PostgreSQL server, `quendal --yield` for the last 90
// days and for the year, the yield page for 90 days and `quendal --history SERIAL`; from a
// station file of the same size, `quendal --yield` for the year. Each as the real program's
// wall time and peak resident memory, beside the time the generation took.
int benchmarkLineScale(const RecordShape& shape, int rounds, bool json, const QString& folder);
