#pragma once

#include <QByteArray>
#include <vector>

// One write of a passing test run: either bytes sent as they are, or a data byte whose
// echo the run waits for.
struct StreamWrite {
    QByteArray bytes;
    bool awaited = false;
    int timeOutMs = 0;
};

// What a passing run with the start-up geometry (20 x 4) sends, write by write, in order.
std::vector<StreamWrite> passingRunStream();

// All bytes of the stream, as the terminal receives them.
QByteArray streamBytes(const std::vector<StreamWrite>& stream);
