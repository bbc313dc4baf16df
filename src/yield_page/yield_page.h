#pragma once

#include "page_data.h"

#include <QString>

// The yield as one self-contained HTML document: inline style and SVG, no script, nothing
// fetched, printable on A4. Every text from the record is escaped.
namespace YieldPage {

QString html(const PageData& data);

} // namespace YieldPage
