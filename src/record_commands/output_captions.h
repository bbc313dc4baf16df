#pragma once

#include "test_sequence/captions.h"

// What the record's commands say when their output does not reach its file.
namespace Captions {

// What --output names, when it could not be written whole.
QString outputNotWritten(const QString& file, const QString& reason);

} // namespace Captions
