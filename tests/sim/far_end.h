#pragma once

#include <string>

// The program's end of the line, opened the plain way: open(2) and a raw line.
class FarEnd {
public:
    explicit FarEnd(const std::string& path);
    ~FarEnd();
    FarEnd(const FarEnd&) = delete;
    FarEnd& operator=(const FarEnd&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void write(const std::string& bytes);
    // What arrives until `count` bytes are there, `timeoutMs` has passed or the line is gone.
    std::string read(std::size_t count, int timeoutMs = 1000);
    // True once the line reports a hang-up or an error.
    bool lineGone(int timeoutMs = 1000);

private:
    int fd_ = -1;
};
