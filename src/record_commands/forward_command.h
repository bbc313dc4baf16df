#pragma once

#include <QString>

// `quendal --forward`: hands the line database what waits for it in the station's record.
// Returns the exit status: 1 when some still wait, 2 when no line database is set.
int forwardRecords(const QString& databaseOption);
