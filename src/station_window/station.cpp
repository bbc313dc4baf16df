#include "station.h"

#include "quendal_version.h"
#include "record_lookout.h"
#include "run_record/line_feed.h"
#include "slot_run.h"
#include "station_captions.h"
#include "terminal_job/name_rules.h"
#include "terminal_job/terminal_options.h"

#include <algorithm>
#include <cstdio>

namespace {

const QString source = QStringLiteral("station");

RunIdentity identityOf(const StationOptions& options) {
    return RunIdentity::begin(source, options.station, options.operatorName,
                              QStringLiteral(QUENDAL_VERSION));
}

} // namespace

Station::Station(const StationOptions& options, QObject* parent)
    : QObject(parent), options_(options), recorder_(RecordPlaces::resolve(options.database)),
      localLookout_(new RecordLookout(recorder_.places(), false, this)) {
    const RunIdentity identity = identityOf(options);
    station_ = identity.station;
    operator_ = identity.operatorName;
    for (int i = 0; i < options.terminals.size(); ++i) {
        auto* slot = new SlotRun(options.terminals[i], adapters_, recorder_, this);
        connect(slot, &SlotRun::ended, this, &Station::onSlotEnded);
        slots_.append(slot);
    }
    // The station's file answers at once; the line database, which knows the unit's runs at
    // other stations too, has the last word when it answers.
    lineSeen_.resize(slots_.size());
    connect(localLookout_, &RecordLookout::unitSeen, this,
            [this](int slot, const QString& serial, const QString& text, bool passed) {
                if (lineSeen_[slot] != serial)
                    emit unitSeen(slot, serial, text, passed);
            });
    connect(localLookout_, &RecordLookout::unitUnreadable, this, &Station::unitUnreadable);
    connect(localLookout_, &RecordLookout::daySeen, this, &Station::daySeen);
    if (recorder_.places().line.isEmpty())
        return;
    lineLookout_ = new RecordLookout(recorder_.places(), true, this);
    connect(lineLookout_, &RecordLookout::unitSeen, this,
            [this](int slot, const QString& serial, const QString& text, bool passed) {
                lineSeen_[slot] = serial;
                emit unitSeen(slot, serial, text, passed);
            });
}

// Slots still running are interrupted and recorded before the recorder goes.
Station::~Station() {
    qDeleteAll(slots_);
}

QString Station::slotTitle(int index) {
    const TerminalChoice& terminal = slots_[index]->terminal();
    const auto adapter = adapters_.find(TerminalOptions::deviceOf(terminal));
    return Captions::slotName(terminal.name, adapter ? adapter->description : QString());
}

QString Station::refusal(int index, const QString& serial) const {
    if (const QString problem = NameRules::problem(serial); !problem.isEmpty())
        return Captions::serialRefused(problem);
    for (int i = 0; i < slots_.size(); ++i)
        if (i != index && slots_[i]->running() && slots_[i]->serial() == serial)
            return Captions::serialRunningElsewhere(slots_[i]->terminal().name);
    return {};
}

void Station::start(int index, const QString& serial) {
    const RunIdentity identity = identityOf(options_);
    lineSeen_[index].clear();
    localLookout_->lookUpUnit(index, serial, identity.started);
    if (lineLookout_)
        lineLookout_->lookUpUnit(index, serial, identity.started);
    slots_[index]->start(serial, options_.job, identity);
}

bool Station::anyRunning() const {
    return std::any_of(slots_.begin(), slots_.end(), [](SlotRun* s) { return s->running(); });
}

void Station::interruptAll() {
    for (SlotRun* slot : slots_)
        slot->interrupt();
}

void Station::lookUpDay() {
    const QDateTime midnight(QDate::currentDate(), QTime(0, 0));
    localLookout_->lookUpDay(station_, midnight);
}

void Station::onSlotEnded() {
    lookUpDay();
    forwardInBackground();
    if (!anyRunning())
        emit allEnded();
}

// What still waits is said where a line station's service log looks: on standard error.
void Station::forwardInBackground() {
    if (forwarding_ && !forwarding_->ended())
        return;
    forwarding_ = recorder_.forwardInBackground(
        [](const QString& waiting) { std::fprintf(stderr, "quendal: %s\n", qPrintable(waiting)); });
}
