#pragma once

// USB serial adapters hold received bytes for their latency timer (16 ms on common ones),
// which would stretch every echo; low-latency mode hands them over at once.
// Each port keeps its own: with several adapters open, each gets back its own flags.
class LowLatency {
public:
    // Asks the driver of an open port for low-latency mode; devices without it are left alone.
    void enable(int fd);
    // Puts back the flags found by enable(), before the port closes.
    void restore(int fd);

private:
    int savedFlags_ = 0;
    bool saved_ = false;
};
