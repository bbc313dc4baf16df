#pragma once

#include "run_record/record_places.h"

#include <QDateTime>
#include <QObject>

// The reading behind a RecordLookout, on the lookout's thread. Its answers are signals, so a
// lookout that is gone by the time a slow record answers simply gets none.
class LookoutWorker : public QObject {
    Q_OBJECT

public:
    LookoutWorker(const RecordPlaces& places, bool line) : places_(places), line_(line) {}

    void unit(int slot, const QString& serial, const QDateTime& before);
    // First pass: a unit's first attempt of the day passed.
    void day(const QString& station, const QDateTime& since);
    static bool anyAtWork();

signals:
    void unitSeen(int slot, const QString& serial, const QString& text, bool passed);
    void unitUnreadable(int slot, const QString& serial);
    void daySeen(int units, int passedFirst);

private:
    RecordPlaces places_;
    bool line_;
};
