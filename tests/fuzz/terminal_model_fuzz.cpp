// Whatever arrives on the line, the simulated terminal neither crashes nor answers more
// bytes than it was sent.
#include "sim/terminal_model.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    zrsim::TerminalModel model(1 + data[0] % 4, 8 + data[1] % 33);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (model.feed(bytes).size() > bytes.size())
        std::abort();
    model.displayLines();
    return 0;
}
