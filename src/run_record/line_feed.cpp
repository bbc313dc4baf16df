#include "line_feed.h"

#include "line_database.h"
#include "local_record.h"
#include "record_connection.h"
#include "record_limits.h"
#include "test_sequence/signal_exit.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>

struct LineFeed::State {
    std::mutex mutex;
    std::condition_variable changed;
    Outcome outcome;
};

namespace {

std::atomic<int> atWork{0};

} // namespace

// The station's file is told whether the line was reached, so that the next runs know.
LineFeed::Outcome LineFeed::forwardNow(const RecordPlaces& places) {
    LineFeed::Outcome outcome;
    outcome.ended = true;
    RecordConnection local(RecordConnection::Local, places.local);
    RecordConnection line(RecordConnection::Line, places.line);
    QString error;
    if (!local.open(error) || !LocalRecord::prepare(local, error)) {
        outcome.error = error;
        return outcome;
    }
    const bool reached =
        line.open(error) && LineDatabase::prepare(line, error) &&
        LineDatabase::forward(local, line, outcome.forwarded, outcome.setAside, error);
    outcome.error = error;
    QString unused;
    LocalRecord::noteLine(local, reached ? QString() : error, unused);
    LocalRecord::waitingCount(local, outcome.waiting, unused);
    return outcome;
}

LineFeed::LineFeed(const RecordPlaces& places, std::function<void(const Outcome&)> onEnd)
    : state_(std::make_shared<State>()) {
    atWork.fetch_add(1);
    std::thread([state = state_, places, onEnd = std::move(onEnd)] {
        const Outcome outcome = forwardNow(places);
        if (onEnd)
            onEnd(outcome);
        {
            const std::lock_guard lock(state->mutex);
            state->outcome = outcome;
        }
        state->changed.notify_all();
        atWork.fetch_sub(1);
    }).detach();
}

LineFeed::~LineFeed() = default;

LineFeed::Outcome LineFeed::wait(QDeadlineTimer deadline) {
    std::unique_lock lock(state_->mutex);
    while (!state_->outcome.ended && !deadline.hasExpired() && !SignalExit::received()) {
        const qint64 slice = deadline.isForever() ? RecordLimits::signalPollMs
                                                  : std::min<qint64>(RecordLimits::signalPollMs,
                                                                     deadline.remainingTime());
        state_->changed.wait_for(lock, std::chrono::milliseconds(slice));
    }
    return state_->outcome;
}

bool LineFeed::ended() const {
    const std::lock_guard lock(state_->mutex);
    return state_->outcome.ended;
}

bool LineFeed::anyAtWork() {
    return atWork.load() > 0;
}

void LineFeed::endProcessIfAtWork(int status) {
    if (!anyAtWork())
        return;
    std::fflush(nullptr);
    ::_exit(status);
}
