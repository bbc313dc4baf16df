#pragma once

#include "record_command_line.h"

// `quendal --history [SERIAL]`: a unit's recorded runs, or the latest ones, newest first.
// Returns the exit status.
int showHistory(const RecordQueryOptions& options);
