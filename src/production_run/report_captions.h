#pragma once

#include "test_sequence/captions.h"

// What a production run says when its report does not reach its reader.
namespace Captions {

inline constexpr Caption standardOutput{QT_TRANSLATE_NOOP("Captions", "(Standardausgabe)")};
inline constexpr Caption reportWaitInterrupted{
    QT_TRANSLATE_NOOP("Captions", "das Warten auf den Leser wurde durch ein Signal beendet")};
// "Bericht /srv/line/report.json nicht geschrieben: No space left on device"
QString reportNotWritten(const QString& target, const QString& reason);
QString reportNoReader(int seconds);
QString reportReaderStalled(int seconds);

} // namespace Captions
