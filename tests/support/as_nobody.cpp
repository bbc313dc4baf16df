#include "as_nobody.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

QByteArray runAsNobody(const std::function<bool()>& prepare,
                       const std::function<QByteArray()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        QByteArray answer = "preparation failed";
        if (prepare() && ::setgroups(0, nullptr) == 0 && ::setgid(nobodyId) == 0 &&
            ::setuid(nobodyId) == 0)
            answer = work();
        (void)!::write(pipeEnds[1], answer.constData(), answer.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    QByteArray answer;
    char chunk[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
        answer.append(chunk, n);
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return answer;
}
