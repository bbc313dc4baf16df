#pragma once

// How long the record waits for others, in one place.
namespace RecordLimits {

// Another process or terminal thread holding the local record's write lock.
constexpr int busyTimeOutMs = 30000;
// The line database's server answering a connection at all.
constexpr int connectTimeOutSeconds = 5;
// Records forwarded to the line database in one transaction.
constexpr int forwardBatch = 500;

} // namespace RecordLimits
