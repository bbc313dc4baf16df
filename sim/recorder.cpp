#include "sim/recorder.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace zrsim {

Recorder::Recorder(const std::string& path) {
    if (path.empty())
        return;
    file_ = std::fopen(path.c_str(), "w");
    if (!file_)
        throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

Recorder::~Recorder() {
    if (file_)
        std::fclose(file_);
}

void Recorder::chunk(std::string_view bytes) {
    if (!file_)
        return;
    static constexpr char hex[] = "0123456789abcdef";
    std::string line;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (!line.empty())
            line += ' ';
        line += hex[u >> 4];
        line += hex[u & 15];
    }
    line += '\n';
    std::fputs(line.c_str(), file_);
    // Flushed per chunk so the file is complete however the simulator is ended.
    std::fflush(file_);
}

} // namespace zrsim
