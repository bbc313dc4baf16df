#pragma once

// How long the record waits for others, in one place.
namespace RecordLimits {

// Another process or terminal thread holding the local record's write lock.
constexpr int busyTimeOutMs = 30000;
// That wait goes in slices this long, so that a signal ends it between two of them.
constexpr int busySliceMs = 100;
// The line database's server answering a connection at all: libpq's shortest wait.
constexpr int connectTimeOutSeconds = 2;
// Records forwarded to the line database in one transaction.
constexpr int forwardBatch = 500;

// A recording connection's statement: a count or a row's insert takes milliseconds, so a
// longer one waits for something that must not hold the run up.
constexpr int lineStatementMs = 1500;
// Another session's lock: given up before the statement's bound, so the cause is the lock.
constexpr int lineLockWaitMs = 1000;
// A station stalled inside a transaction frees the line's locks after this.
constexpr int lineIdleTransactionMs = 5000;
// Sorting memory of a reading connection's statements, in MB.
constexpr int lineReadingMemoryMb = 64;
// A quiet connection is probed after this many seconds, then every few seconds, and
// counted as gone after so many unanswered probes: a server that vanished is noticed.
constexpr int keepAliveIdleSeconds = 5;
constexpr int keepAliveProbeSeconds = 2;
constexpr int keepAliveProbes = 3;
// Data the server does not acknowledge within this ends the connection instead of a wait.
constexpr int lineUnansweredMs = 1500;

// What a run waits at most for the line database after its last terminal: the rest waits
// in the station's file for a later run.
constexpr int lineWaitMs = 1500;
// After the line database was found away, runs leave it alone this long instead of each
// paying the wait again; quendal --forward always tries.
constexpr int lineRetryAfterMs = 60000;
// How often a wait for the line's thread looks for a signal.
constexpr int signalPollMs = 20;

} // namespace RecordLimits
