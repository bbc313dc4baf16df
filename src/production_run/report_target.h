#pragma once

#include <QString>

// Where --report points, as far as the file system tells without opening anything.
namespace ReportTarget {

// A pipe, a FIFO, a terminal or a device, or one of /dev/std*: written into as it is.
// Anything else is a file, replaced whole through a temporary file in its folder.
bool writtenInPlace(const QString& report);

// Why the report could not be written once the terminals are programmed, or nothing. Only
// the file system is asked: a FIFO opened here could block.
QString problem(const QString& report);

} // namespace ReportTarget
