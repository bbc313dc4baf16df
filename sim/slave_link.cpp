#include "sim/slave_link.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace zrsim {

namespace fs = std::filesystem;

SlaveLink::SlaveLink(std::string path, std::string target)
    : path_(std::move(path)), target_(std::move(target)) {
    std::error_code error;
    // Only a stale link is replaced; a real file or device at the path is left alone.
    if (fs::is_symlink(path_, error))
        fs::remove(path_, error);
    if (::symlink(target_.c_str(), path_.c_str()) != 0)
        throw std::runtime_error("cannot link " + path_ + ": " + std::strerror(errno));
}

SlaveLink::~SlaveLink() {
    std::error_code error;
    if (fs::read_symlink(path_, error) == target_)
        fs::remove(path_, error);
}

} // namespace zrsim
