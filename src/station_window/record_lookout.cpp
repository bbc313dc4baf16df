#include "record_lookout.h"

#include "lookout_worker.h"

#include <QThread>

namespace {

constexpr unsigned long stopWaitMs = 2000;

} // namespace

RecordLookout::RecordLookout(const RecordPlaces& places, bool line, QObject* parent)
    : QObject(parent), thread_(new QThread), worker_(new LookoutWorker(places, line)) {
    worker_->moveToThread(thread_);
    connect(worker_, &LookoutWorker::unitSeen, this, &RecordLookout::unitSeen);
    connect(worker_, &LookoutWorker::unitUnreadable, this, &RecordLookout::unitUnreadable);
    connect(worker_, &LookoutWorker::daySeen, this, &RecordLookout::daySeen);
    thread_->start();
}

// A look that still waits for a server is left to the end of the process.
RecordLookout::~RecordLookout() {
    thread_->quit();
    if (thread_->wait(stopWaitMs)) {
        delete worker_;
        delete thread_;
    }
}

void RecordLookout::lookUpUnit(int slot, const QString& serial, const QDateTime& before) {
    LookoutWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [=] { worker->unit(slot, serial, before); });
}

void RecordLookout::lookUpDay(const QString& station, const QDateTime& since) {
    LookoutWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [=] { worker->day(station, since); });
}

bool RecordLookout::anyAtWork() {
    return LookoutWorker::anyAtWork();
}
