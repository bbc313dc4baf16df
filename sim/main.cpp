// zr-terminal-sim: a simulated ZR terminal on a pseudo-terminal, for the bench without
// hardware. Prints the slave path and serves until a signal, the hang-up or the window's end.
#include "sim/command_line.h"
#include "sim/display_window.h"
#include "sim/pty_terminal.h"
#include "sim/slave_link.h"

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

// Blocked in every thread, so they arrive only where they are waited for.
sigset_t endSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

int runWindow(int argc, char** argv, const zrsim::PtyTerminal& terminal, const sigset_t& set) {
    QApplication app(argc, argv);
    const int signalFd = ::signalfd(-1, &set, SFD_CLOEXEC);
    QSocketNotifier notifier(signalFd, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, &QApplication::quit);
    zrsim::DisplayWindow window(terminal);
    window.show();
    const int status = app.exec();
    ::close(signalFd);
    return status;
}

int serve(int argc, char** argv, const zrsim::CommandLine& line) {
    const sigset_t set = endSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    // The hang-up ends the program like a signal would.
    zrsim::PtyTerminal terminal(line.options, [] { ::kill(::getpid(), SIGHUP); });
    std::unique_ptr<zrsim::SlaveLink> link;
    if (!line.link.empty())
        link = std::make_unique<zrsim::SlaveLink>(line.link, terminal.slavePath());
    std::printf("%s\n", terminal.slavePath().c_str());
    std::fflush(stdout);
    int status = 0;
    if (line.window) {
        status = runWindow(argc, argv, terminal, set);
    } else {
        int signal = 0;
        sigwait(&set, &signal);
    }
    if (terminal.hungUp())
        std::fprintf(stderr, "zr-terminal-sim: line closed\n");
    return status;
}

std::vector<std::string> arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// Help, version and mistakes need no terminal; the application object names the program in
// the usage line.
int answer(int argc, char** argv, const zrsim::CommandLine& line) {
    QCoreApplication app(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "zr-terminal-sim: %s\n%s", line.error.c_str(),
                     zrsim::usageText().c_str());
        return 2;
    }
    std::fputs((line.help ? zrsim::usageText() : zrsim::versionText()).c_str(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const zrsim::CommandLine line = zrsim::parseCommandLine(arguments(argc, argv));
    if (line.help || line.version || !line.error.empty())
        return answer(argc, argv, line);
    try {
        return serve(argc, argv, line);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "zr-terminal-sim: %s\n", failure.what());
        return 1;
    }
}
