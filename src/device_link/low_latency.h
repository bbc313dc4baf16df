#pragma once

// USB serial adapters hold received bytes for their latency timer (16 ms on common ones),
// which would stretch every echo; low-latency mode hands them over at once.
namespace LowLatency {

// Asks the driver of an open port for low-latency mode; devices without it are left alone.
void enable(int fd);
// Puts back the flags found by enable(), before the port closes.
void restore(int fd);

} // namespace LowLatency
