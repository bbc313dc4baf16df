#pragma once

#include "run_record/run_recorder.h"
#include "station_options.h"
#include "terminal_job/adapter_directory.h"

#include <QList>
#include <QObject>
#include <memory>

class LineFeed;
class RecordLookout;
class SlotRun;

// The station behind its window: the slots, the scans they accept, the record every slot's
// run goes to and what the record knows of a unit. The window only shows what it reports.
class Station : public QObject {
    Q_OBJECT

public:
    explicit Station(const StationOptions& options, QObject* parent = nullptr);
    ~Station() override;

    int slotCount() const { return int(slots_.size()); }
    SlotRun& slot(int index) const { return *slots_[index]; }
    // "COM3" or the path, with the adapter's description when discovery knows it.
    QString slotTitle(int index);
    // The station and operator names the runs are recorded under.
    QString stationName() const { return station_; }
    QString operatorName() const { return operator_; }

    // Why `serial` may not start slot `index`, or nothing when it may.
    QString refusal(int index, const QString& serial) const;
    // Starts slot `index` for `serial` at once; asks the record about the unit meanwhile.
    void start(int index, const QString& serial);
    bool anyRunning() const;
    // Ends every running slot as "Abbrechen" would, each recorded as interrupted.
    void interruptAll();
    // Asks the station's file for today's figures; daySeen() answers.
    void lookUpDay();

signals:
    void unitSeen(int slot, const QString& serial, const QString& text, bool passed);
    void unitUnreadable(int slot, const QString& serial);
    void daySeen(int units, int passedFirst);
    void allEnded();

private:
    void onSlotEnded();
    void forwardInBackground();

    StationOptions options_;
    RunRecorder recorder_;
    AdapterDirectory adapters_;
    QString station_;
    QString operator_;
    QList<SlotRun*> slots_;
    RecordLookout* localLookout_;
    RecordLookout* lineLookout_ = nullptr;
    // The serial each slot's line answer was for: a later answer of the station's file,
    // which knows less, is then dropped.
    QStringList lineSeen_;
    std::unique_ptr<LineFeed> forwarding_;
};
