#pragma once

#include "terminal_job/terminal_choice.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class AdapterDirectory;
class PanelQuestions;
class QThread;
class RunRecorder;
class TerminalJob;

// One slot of the station: each serial scanned into it runs through the same terminal job as
// `quendal --run`, on a thread of its own, and is recorded as the station's.
class SlotRun : public QObject {
    Q_OBJECT

public:
    SlotRun(const TerminalChoice& terminal, AdapterDirectory& adapters, RunRecorder& recorder,
            QObject* parent = nullptr);
    ~SlotRun() override;

    const TerminalChoice& terminal() const { return terminal_; }
    bool running() const { return job_ != nullptr; }
    QString serial() const { return serial_; }
    qint64 elapsedMs() const { return took_.elapsed(); }

    // Starts the terminal's run for `serial`; `identity` names the station and operator.
    void start(const QString& serial, const JobSettings& settings, const RunIdentity& identity);
    // The answer to the silent terminal's question.
    void answer(bool retry);
    // Ends the run as "Abbrechen" would and marks it interrupted.
    void interrupt();

signals:
    void stepStarted(int index);
    void stepFinished(int index, const QString& caption, const QString& result, int outcome);
    void asked(const QString& text);
    void questionSettled();
    void notice(const QString& line);
    // The run has ended and is recorded; a record that failed came as the last notice.
    void ended(const TerminalRun& report);

private:
    void onJobFinished();

    TerminalChoice terminal_;
    AdapterDirectory& adapters_;
    RunRecorder& recorder_;
    RunIdentity identity_;
    QString serial_;
    QElapsedTimer took_;
    TerminalJob* job_ = nullptr;
    QPointer<PanelQuestions> questions_;
    QThread* thread_ = nullptr;
};
