#pragma once

#include "run_options.h"
#include "run_record/run_recorder.h"
#include "terminal_job/adapter_directory.h"
#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QList>
#include <QObject>

class OutputWriter;
class QThread;
class TerminalJob;

// `quendal --run`: every terminal named runs at once, each on its own thread; rows and
// verdicts go to standard output, notices to standard error, the report to its file.
class ProductionRun : public QObject {
    Q_OBJECT

public:
    ProductionRun(const RunOptions& options, OutputWriter& output, QObject* parent = nullptr);
    ~ProductionRun() override;

    // Starts every terminal; finished() follows when the last has ended.
    void start();
    // A signal: every terminal still running ends as interrupted, and one not yet started
    // never opens its port.
    void interrupt();

    // The worst terminal decides: 4 interrupted, 3 not opened, 1 failed or cancelled, 0 passed.
    int exitStatus() const;
    QList<TerminalRun> reports() const;
    // Forwards the records to the line database, waiting for it no longer than a run may; the
    // attempts it gave go into the report. The line to tell when some still wait.
    QString forwardRecords();
    const RunIdentity& identity() const { return identity_; }

signals:
    void finished();

private:
    bool reportOnStandardOutput() const;
    void print(int terminal, const QString& line, bool toStandardError);
    void onJobFinished(int terminal);

    RunOptions options_;
    OutputWriter& output_;
    AdapterDirectory adapters_;
    RunRecorder recorder_;
    RunIdentity identity_;
    QList<TerminalJob*> jobs_;
    QList<QThread*> threads_;
    int running_ = 0;
    bool interrupted_ = false;
};

// The whole of `quendal --run` behind its command line; returns the exit status.
int runWithoutWindow(const RunOptions& options);
