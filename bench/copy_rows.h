#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

// Rows in the text form of PostgreSQL's COPY: fields apart by tabs, NULL as \N, and the
// backslash, tab and line ends inside a field escaped.
class CopyRows {
public:
    void add(const QVariant& value);
    void endRow();
    const QByteArray& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    QByteArray text_;
    bool rowStarted_ = false;
};
