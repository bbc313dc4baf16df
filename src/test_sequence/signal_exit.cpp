#include "signal_exit.h"

#include <QSocketNotifier>
#include <QtGlobal>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <pthread.h>
#include <unistd.h>

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGINT, SIGHUP};
int pipeEnds[2] = {-1, -1};
bool instanceExists = false;
std::atomic<bool> signalReceived{false};
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<int> exitStatus{0};

void exitNow(int) {
    ::_exit(exitStatus.load());
}

void forwardToPipe(int signal) {
    signalReceived.store(true);
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &number, 1);
    errno = savedErrno;
}

// What each signal did before; a signal ignored then (nohup) stays ignored.
struct sigaction previous[std::size(endingSignals)];

void handleEndingSignals() {
    struct sigaction action {};
    action.sa_handler = forwardToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(endingSignals); ++i) {
        ::sigaction(endingSignals[i], nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_IGN)
            ::sigaction(endingSignals[i], &action, nullptr);
    }
}

sigset_t endingSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : endingSignals)
        sigaddset(&set, signal);
    return set;
}

void restoreEndingSignals() {
    for (std::size_t i = 0; i < std::size(endingSignals); ++i)
        ::sigaction(endingSignals[i], &previous[i], nullptr);
}

} // namespace

SignalExit::SignalExit(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    // A second one would take over the pipe and save the first's handlers as the earlier ones.
    if (instanceExists)
        qFatal("SignalExit: a second instance in one process");
    instanceExists = true;
    const sigset_t held = endingSignalSet();
    if (::pipe2(pipeEnds, O_NONBLOCK | O_CLOEXEC) != 0) {
        ::pthread_sigmask(SIG_UNBLOCK, &held, nullptr);
        return;
    }
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalExit::onSignal);
    handleEndingSignals();
    ::pthread_sigmask(SIG_UNBLOCK, &held, nullptr);
}

void SignalExit::holdUntilHandled() {
    const sigset_t held = endingSignalSet();
    ::pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

bool SignalExit::received() {
    return signalReceived.load();
}

void SignalExit::exitAtOnce(int status) {
    exitStatus.store(status);
    struct sigaction action {};
    action.sa_handler = exitNow;
    sigemptyset(&action.sa_mask);
    for (const int signal : endingSignals) {
        struct sigaction before {};
        ::sigaction(signal, nullptr, &before);
        if (before.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
    const sigset_t held = endingSignalSet();
    ::pthread_sigmask(SIG_UNBLOCK, &held, nullptr);
}

SignalExit::~SignalExit() {
    instanceExists = false;
    if (!notifier_)
        return;
    restoreEndingSignals();
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void SignalExit::onSignal() {
    char drained[16];
    while (::read(pipeEnds[0], drained, sizeof drained) > 0) {
    }
    onSignal_();
}
