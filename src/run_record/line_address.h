#pragma once

#include <QString>

// A libpq connection URI turned into the connection options Qt's PostgreSQL driver passes on
// to libpq, as libpq itself reads it. A password in the URI is refused: it belongs in
// ~/.pgpass or PGPASSWORD, not on a command line or in a settings file.
namespace LineAddress {

// The options as "key='value'" pairs separated by ';', or nothing with the cause in `error`.
QString connectOptions(const QString& uri, QString& error);

// The address as messages name it: without a password, should one have been given.
QString shown(const QString& uri);

} // namespace LineAddress
