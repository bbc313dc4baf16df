#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zrsim {

struct SimOptions {
    int rows = 4;
    int cols = 20;
    int baud = 0; // 0: bytes pass as fast as the pseudo-terminal carries them
    std::string framing = "8E1";
    bool silent = false;
    std::int64_t dropEcho = 0; // 1-based over the whole session; 0 drops nothing
    int echoDelayMs = 0;
    bool noise = false;
    std::int64_t hangupAfter = 0; // 0: never
    std::string recordFile = {};  // empty: no record
};

// Bits one byte takes on the wire for a framing such as "8E1", "7O2" or "8N1.5", counted
// in half bits so that 1.5 stop bits stay exact; nullopt when the text is no framing.
std::optional<int> halfBitsPerByte(const std::string& framing);

// Nanoseconds one byte occupies the line; 0 without line emulation.
// Throws std::invalid_argument for an unknown framing or a negative baud rate.
std::int64_t byteTimeNs(const SimOptions& options);

} // namespace zrsim
