#pragma once

#include "station_window/station_options.h"

#include <QStringList>
#include <optional>

namespace CommandLine {

// Answers --help, --version, --run, a usage error and a window with no display to show it on,
// before anything needs a screen; returns the exit status when the program should end here.
// For --slots it fills `station` and lets the window start.
std::optional<int> answer(int argc, char** argv, std::optional<StationOptions>& station);

// The window takes no options of its own: whatever QApplication left after taking out Qt's
// options is a mistake, told on standard error. True when nothing is left.
bool onlyQtOptions(const QStringList& arguments);

} // namespace CommandLine
