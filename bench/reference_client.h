#pragma once

#include "run_stream.h"

#include <QString>

struct ReferenceRun {
    double wallMs = 0;
    double processorMs = 0;
    bool passed = false; // every awaited echo came back in time
};

// The bare client Quendal is compared with: opens the line, sends the stream with plain
// write() calls and waits for each awaited echo in a poll() loop, then closes the line.
ReferenceRun runReference(const QString& linePath, const std::vector<StreamWrite>& stream);
