#pragma once

#include <QByteArray>
#include <functional>
#include <sys/types.h>

// The user and group the child runs as: "nobody" on Debian.
inline constexpr uid_t nobodyId = 65534;

// Runs `prepare` as root, then `work` in a child process that has dropped to uid/gid 65534,
// where file modes count. Returns what `work` returned, or "preparation failed".
QByteArray runAsNobody(const std::function<bool()>& prepare,
                       const std::function<QByteArray()>& work);
