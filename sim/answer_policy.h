#pragma once

#include "sim/sim_options.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zrsim {

// Turns the terminal's echoes into what goes back on the line under the fault options:
// nothing when silent, one echo left out, unsolicited bytes mixed in.
class AnswerPolicy {
public:
    explicit AnswerPolicy(const SimOptions& options);

    std::string answer(std::string_view echoes);

    // Bytes that noise may use: none of them is ever awaited by the program, and none is
    // a flow-control character.
    static constexpr std::string_view noiseBytes =
        "()*+,-/:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{|}~";

private:
    std::string noiseBurst();

    bool silent_;
    std::int64_t dropEcho_;
    bool noise_;
    std::int64_t echoes_ = 0;
    std::uint32_t random_ = 0x2545f491u;
};

} // namespace zrsim
