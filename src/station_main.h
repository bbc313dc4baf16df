#pragma once

struct StationOptions;

// The whole of `quendal --slots` once its options are read and the application made; returns
// the exit status: 0, or 4 when a signal ended it.
int runStation(const StationOptions& options);
