#pragma once

#include <cstdint>

namespace zrsim {

// When bytes cross an emulated serial line. All times are absolute nanoseconds on one
// monotonic clock, and every byte is timed from the previous one, so a late wake-up of
// the simulator never delays the bytes after it.
class LineTiming {
public:
    explicit LineTiming(std::int64_t byteTimeNs) : byteTime_(byteTimeNs) {}

    // A byte read from the line at `readTime` has fully arrived one byte time after the
    // line became free for it.
    std::int64_t arrival(std::int64_t readTime);
    // An answer that may start at `readyTime` has left once it was on the wire for one
    // byte time, after the answer before it.
    std::int64_t departure(std::int64_t readyTime);

private:
    std::int64_t byteTime_;
    std::int64_t lastArrival_ = 0;
    std::int64_t lastDeparture_ = 0;
};

} // namespace zrsim
