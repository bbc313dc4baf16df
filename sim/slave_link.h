#pragma once

#include <string>

namespace zrsim {

// A symlink to the pseudo-terminal, replaced if an old one is in the way and removed when
// this object goes, unless it points elsewhere by then.
class SlaveLink {
public:
    SlaveLink(std::string path, std::string target); // throws std::runtime_error
    ~SlaveLink();
    SlaveLink(const SlaveLink&) = delete;
    SlaveLink& operator=(const SlaveLink&) = delete;

private:
    std::string path_;
    std::string target_;
};

} // namespace zrsim
