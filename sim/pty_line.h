#pragma once

#include <string>

namespace zrsim {

// A fresh pseudo-terminal. The simulator keeps a raw slave descriptor of its own open, so
// the master never sees a hang-up while the program closes and reopens the port.
class PtyLine {
public:
    PtyLine(); // throws std::runtime_error
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    bool isOpen() const { return master_ >= 0; }
    // Takes the line away, as an adapter pulled out of its socket.
    void close();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace zrsim
