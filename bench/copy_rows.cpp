#include "copy_rows.h"

void CopyRows::add(const QVariant& value) {
    if (rowStarted_)
        text_ += '\t';
    rowStarted_ = true;
    if (value.isNull()) {
        text_ += "\\N";
        return;
    }
    for (const char c : value.toString().toUtf8()) {
        switch (c) {
        case '\\':
            text_ += "\\\\";
            break;
        case '\t':
            text_ += "\\t";
            break;
        case '\n':
            text_ += "\\n";
            break;
        case '\r':
            text_ += "\\r";
            break;
        default:
            text_ += c;
        }
    }
}

void CopyRows::endRow() {
    text_ += '\n';
    rowStarted_ = false;
}
