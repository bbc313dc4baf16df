#pragma once

#include <QString>

// The device that stands for COM<n>: the store's "Anschluesse" entry "COM<n>" when it is
// set, otherwise the n-th on-board port /dev/ttyS<n-1>.
QString devicePathForPort(int commPort);
