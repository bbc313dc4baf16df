// Any settings text, as a technician might type it into the store, is parsed or rejected
// with the field named; what is accepted reads back as it will be stored.
#include "device_link/line_settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    LineSettings settings;
    RejectedSetting rejected;
    if (!parseLineSettings(text, settings, rejected)) {
        if (rejected.setting == PortProblem::NoSetting)
            std::abort();
        return 0;
    }
    LineSettings again;
    if (!parseLineSettings(formatLineSettings(settings), again, rejected) || !(again == settings))
        std::abort();
    return 0;
}
