#pragma once

#include <QString>

// What the run record costs: its share of a 16-terminal batch's wall time, how fast
// `quendal --history SERIAL` and `quendal --yield` answer over 200,000 recorded terminal runs,
// how long the yield page takes and how big it is over as many runs at eight stations, and how
// long forwarding 10,000 waiting records to a local PostgreSQL server takes, and what a line
// database that never answers adds to a run.
int benchmarkRecord(int rounds, bool json, const QString& folder);
