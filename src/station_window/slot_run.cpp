#include "slot_run.h"

#include "panel_questions.h"
#include "terminal_job/terminal_job.h"

#include <QThread>

SlotRun::SlotRun(const TerminalChoice& terminal, AdapterDirectory& adapters, RunRecorder& recorder,
                 QObject* parent)
    : QObject(parent), terminal_(terminal), adapters_(adapters), recorder_(recorder) {}

// A run still going is interrupted before its thread is waited for: waiting alone would last
// a whole run.
SlotRun::~SlotRun() {
    if (!job_)
        return;
    interrupt();
    thread_->quit();
    thread_->wait();
    delete job_;
    delete thread_;
}

void SlotRun::start(const QString& serial, const JobSettings& settings,
                    const RunIdentity& identity) {
    serial_ = serial;
    identity_ = identity;
    took_.start();
    JobSettings withUnit = settings;
    withUnit.unit = serial;
    job_ = new TerminalJob(terminal_, withUnit, adapters_, identity_, recorder_);
    questions_ = new PanelQuestions;
    job_->askThrough(questions_);
    thread_ = new QThread;
    job_->moveToThread(thread_);
    connect(thread_, &QThread::started, job_, &TerminalJob::start);
    connect(job_, &TerminalJob::stepStarted, this, &SlotRun::stepStarted);
    connect(job_, &TerminalJob::stepFinished, this, &SlotRun::stepFinished);
    connect(job_, &TerminalJob::notice, this, &SlotRun::notice);
    connect(questions_, &PanelQuestions::asked, this, &SlotRun::asked);
    connect(questions_, &PanelQuestions::settled, this, &SlotRun::questionSettled);
    connect(job_, &TerminalJob::finished, this, &SlotRun::onJobFinished);
    thread_->start();
}

void SlotRun::answer(bool retry) {
    if (questions_)
        QMetaObject::invokeMethod(
            questions_, [questions = questions_, retry] { questions->answer(retry); },
            Qt::QueuedConnection);
}

void SlotRun::interrupt() {
    if (job_)
        QMetaObject::invokeMethod(job_, &TerminalJob::interrupt, Qt::QueuedConnection);
}

void SlotRun::onJobFinished() {
    thread_->quit();
    thread_->wait();
    const TerminalRun report = job_->report;
    delete job_;
    delete thread_;
    job_ = nullptr;
    thread_ = nullptr;
    emit ended(report);
}
