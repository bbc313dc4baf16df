#pragma once

// `quendal --slots` in this process: a Station and its shown StationWindow with eight slots,
// each on a simulator in a process of its own at 9600 baud 8E1. By turns, `rounds` times, one
// slot started by a lone scan, then all eight started by eight scans typed within a second.
// Prints each slot's recorded duration against the lone slot's, the event loop's latency for
// a key meanwhile and the processor time per running slot. Returns 0 when every run passed.
int benchmarkStation(int rounds, bool json);
