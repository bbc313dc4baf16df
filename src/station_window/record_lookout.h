#pragma once

#include "run_record/record_places.h"

#include <QDateTime>
#include <QObject>

class LookoutWorker;
class QThread;

// Reads what the record knows of a unit and of the station's day, on a thread of its own, so
// that a line database that is slow to answer never holds up a scan. One lookout reads one
// record: the station's file, or the line database.
class RecordLookout : public QObject {
    Q_OBJECT

public:
    RecordLookout(const RecordPlaces& places, bool line, QObject* parent = nullptr);
    ~RecordLookout() override;

    // Asks for the unit's past runs before `before`; unitSeen() answers.
    void lookUpUnit(int slot, const QString& serial, const QDateTime& before);
    // Asks for the station's figures since `since`; daySeen() answers.
    void lookUpDay(const QString& station, const QDateTime& since);
    // Whether some lookout still waits for its record: the program then ends without
    // waiting for it.
    static bool anyAtWork();

signals:
    // `text` says the attempt and the last result; `passed` when the latest attempt passed.
    void unitSeen(int slot, const QString& serial, const QString& text, bool passed);
    void unitUnreadable(int slot, const QString& serial);
    void daySeen(int units, int passedFirst);

private:
    QThread* thread_;
    LookoutWorker* worker_;
};
