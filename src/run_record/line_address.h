#pragma once

#include <QString>

// A libpq connection URI turned into the connection options Qt's PostgreSQL driver passes on
// to libpq, as libpq itself reads it. A password in the URI is refused: it belongs in
// ~/.pgpass or PGPASSWORD, not on a command line or in a settings file.
namespace LineAddress {

// A recording connection must never hold a run up; a reading one may take its time.
enum class Use { Recording, Reading };

// The options as "key='value'" pairs separated by ';', or nothing with the cause in `error`.
QString connectOptions(const QString& uri, Use use, QString& error);

// The address as messages name it: every password in it, in whatever form, masked.
QString shown(const QString& uri);

// `text` with every password of `uri` masked, as written there and as libpq reads it: for
// the words of libpq or the driver that a message passes on.
QString masked(const QString& text, const QString& uri);

} // namespace LineAddress
