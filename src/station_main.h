#pragma once

struct StationOptions;

// The whole of `quendal --slots` once its options are read and the application made; returns
// the exit status, 0 as the operator's window gives it, a signal's end included.
int runStation(const StationOptions& options);
