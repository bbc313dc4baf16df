#pragma once

#include <QSqlError>

// Whether SQLite refused a statement because another connection holds the lock it needs.
namespace RecordWait {

inline bool busy(const QSqlError& error) {
    constexpr int sqliteBusy = 5; // SQLite's primary result code
    return error.nativeErrorCode().toInt() % 256 == sqliteBusy;
}

} // namespace RecordWait
