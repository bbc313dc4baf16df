#pragma once

// How long the record waits for others, in one place.
namespace RecordLimits {

// Another process or terminal thread holding the local record's write lock.
constexpr int busyTimeOutMs = 30000;
// That wait goes in slices this long, so that a signal ends it between two of them.
constexpr int busySliceMs = 100;
// The line database's server answering a connection at all.
constexpr int connectTimeOutSeconds = 5;
// Records forwarded to the line database in one transaction.
constexpr int forwardBatch = 500;

// What a run waits at most for the line database after its last terminal: the rest waits
// in the station's file for a later run.
constexpr int lineWaitMs = 1500;
// After the line database was found away, runs leave it alone this long instead of each
// paying the wait again; quendal --forward always tries.
constexpr int lineRetryAfterMs = 60000;
// How often a wait for the line's thread looks for a signal.
constexpr int signalPollMs = 20;

} // namespace RecordLimits
