#pragma once

#include <QDateTime>
#include <QString>

// `quendal --prune --before DATE`: removes from the station's file the terminal runs started
// before DATE that the line database holds, and says what it removed and kept. Returns the
// exit status: 1 when nothing could be pruned or the line lacks runs marked forwarded.
int pruneRecords(const QString& databaseOption, const QDateTime& before);
