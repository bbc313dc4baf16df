#include "sim/sim_options.h"

#include <stdexcept>

namespace zrsim {

std::optional<int> halfBitsPerByte(const std::string& framing) {
    if (framing.size() < 3 || framing[0] < '5' || framing[0] > '8')
        return std::nullopt;
    const int data = framing[0] - '0';
    const char parity = framing[1];
    if (std::string("NEOMSneoms").find(parity) == std::string::npos)
        return std::nullopt;
    const int parityBits = (parity == 'N' || parity == 'n') ? 0 : 1;
    const std::string stop = framing.substr(2);
    int stopHalves = 0;
    if (stop == "1")
        stopHalves = 2;
    else if (stop == "1.5")
        stopHalves = 3;
    else if (stop == "2")
        stopHalves = 4;
    else
        return std::nullopt;
    return 2 * (1 + data + parityBits) + stopHalves;
}

std::int64_t byteTimeNs(const SimOptions& options) {
    const std::optional<int> halves = halfBitsPerByte(options.framing);
    if (!halves)
        throw std::invalid_argument("unknown framing: " + options.framing);
    if (options.baud < 0)
        throw std::invalid_argument("negative baud rate");
    if (options.baud == 0)
        return 0;
    return (*halves * 1'000'000'000LL + options.baud) / (2LL * options.baud);
}

} // namespace zrsim
