#include "sim/answer_policy.h"

namespace zrsim {

AnswerPolicy::AnswerPolicy(const SimOptions& options)
    : silent_(options.silent), dropEcho_(options.dropEcho), noise_(options.noise) {}

std::string AnswerPolicy::answer(std::string_view echoes) {
    std::string out;
    for (const char c : echoes) {
        ++echoes_;
        if (silent_ || echoes_ == dropEcho_)
            continue;
        if (noise_)
            out += noiseBurst();
        out += c;
    }
    return out;
}

// Zero to two bytes, from a fixed xorshift sequence so that a run can be repeated.
std::string AnswerPolicy::noiseBurst() {
    random_ ^= random_ << 13;
    random_ ^= random_ >> 17;
    random_ ^= random_ << 5;
    std::string burst;
    for (std::uint32_t n = random_ % 3, r = random_ >> 8; n > 0; --n, r /= noiseBytes.size())
        burst += noiseBytes[r % noiseBytes.size()];
    return burst;
}

} // namespace zrsim
