#include "sim/line_timing.h"

#include <algorithm>

namespace zrsim {

std::int64_t LineTiming::arrival(std::int64_t readTime) {
    lastArrival_ = std::max(readTime, lastArrival_) + byteTime_;
    return lastArrival_;
}

std::int64_t LineTiming::departure(std::int64_t readyTime) {
    lastDeparture_ = std::max(readyTime, lastDeparture_) + byteTime_;
    return lastDeparture_;
}

} // namespace zrsim
