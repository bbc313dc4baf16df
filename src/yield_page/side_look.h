#pragma once

#include "run_record/record_query.h"

#include <QString>
#include <functional>
#include <thread>

// A look at the record on a second connection and a thread of its own, while the caller goes
// on with the first: the database works on two looks at once, on two cores.
class SideLook {
public:
    using Look = std::function<bool(RecordQuery&, QString&)>;

    // `record` only lends its place; the look opens a connection of its own.
    SideLook(const RecordQuery& record, Look look);
    ~SideLook();
    SideLook(const SideLook&) = delete;
    SideLook& operator=(const SideLook&) = delete;

    // Waits for the look; false with its message when it failed.
    bool finish(QString& message);

private:
    bool read_ = false;
    QString message_;
    std::thread thread_;
};
