#include "child_usage.h"

#include "measure.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int sampleMs = 10;

std::vector<QByteArray> childEnvironment(const QString& configFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    std::vector<QByteArray> entries;
    for (const QString& entry : environment.toStringList())
        entries.push_back(entry.toLocal8Bit());
    return entries;
}

// The null-terminated array that exec wants; valid while `strings` lives.
std::vector<char*> pointersTo(std::vector<QByteArray>& strings) {
    std::vector<char*> pointers;
    for (QByteArray& string : strings)
        pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

bool childEnded(int pidfd) {
    pollfd ended{pidfd, POLLIN, 0};
    const int ready = poll(&ended, 1, sampleMs);
    return ready > 0 || (ready < 0 && errno != EINTR);
}

// The peak memory is sampled while the child lives: wait4's ru_maxrss would also count this
// benchmark's own memory, which a spawned child holds until its exec.
void waitWatching(pid_t pid, const QElapsedTimer& clock, ChildUsage& usage) {
    // Debian 12's <sys/pidfd.h> declares pidfd_open without C linkage.
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    while (pidfd >= 0 && !childEnded(pidfd))
        usage.peakRssMb = std::max(usage.peakRssMb, peakResidentMb(pid));
    int status = 0;
    rusage resources{};
    const bool reaped = wait4(pid, &status, 0, &resources) == pid;
    usage.wallMs = double(clock.nsecsElapsed()) / 1e6;
    if (pidfd >= 0)
        close(pidfd);
    if (!reaped)
        return;
    usage.processorMs = processorMs(resources);
    usage.exited = WIFEXITED(status);
    usage.exitStatus = usage.exited ? WEXITSTATUS(status) : -1;
}

} // namespace

ChildUsage runHeadless(const QString& program, const QStringList& arguments,
                       const QString& configFolder) {
    std::vector<QByteArray> argumentStrings{program.toLocal8Bit()};
    for (const QString& argument : arguments)
        argumentStrings.push_back(argument.toLocal8Bit());
    std::vector<QByteArray> environmentStrings = childEnvironment(configFolder);
    const std::vector<char*> argv = pointersTo(argumentStrings);
    const std::vector<char*> envp = pointersTo(environmentStrings);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    ChildUsage usage;
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed == 0)
        waitWatching(pid, clock, usage);
    return usage;
}
