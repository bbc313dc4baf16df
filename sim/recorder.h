#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace zrsim {

// Writes received bytes as hex, one line per chunk read from the line; does nothing
// without a file name.
class Recorder {
public:
    explicit Recorder(const std::string& path);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void chunk(std::string_view bytes);

private:
    std::FILE* file_ = nullptr;
};

} // namespace zrsim
