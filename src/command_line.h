#pragma once

#include <QStringList>
#include <optional>

namespace CommandLine {

// Answers --help and --version on standard output before anything needs a screen, and
// returns the exit status when the program should end here.
std::optional<int> answer(int argc, char** argv);

// The window takes no options of its own: whatever QApplication left after taking out Qt's
// options is a mistake, told on standard error. True when nothing is left.
bool onlyQtOptions(const QStringList& arguments);

} // namespace CommandLine
