#pragma once

#include "record_command_line.h"

// `quendal --yield`: the units' first-pass and final yield, the failed rows per step and why
// ports did not open, overall and per station. Returns the exit status.
int showYield(const RecordQueryOptions& options);
