#pragma once

#include "run_record/run_recorder.h"
#include "test_sequence/run_identity.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class LineFeed;
class SerialPort;
class TestRun;
struct SharedState;

// Keeps each of the window's test runs in the run record, with no unit and the source
// "window"; forwarding to a line database runs on a thread of its own, so the window never
// waits for a server, not even when the program ends.
class WindowRecord : public QObject {
    Q_OBJECT

public:
    explicit WindowRecord(QObject* parent = nullptr);
    ~WindowRecord() override;

    // The run starts now on `port`, with the geometry of `state`.
    void begin();
    // Records the ended run; returns the message to show when it could not be recorded.
    QString record(const TestRun& run, const SerialPort& port, const SharedState& state);

private:
    void forwardInBackground();

    RunRecorder recorder_;
    RunIdentity identity_;
    QElapsedTimer took_;
    std::unique_ptr<LineFeed> forwarding_;
};
