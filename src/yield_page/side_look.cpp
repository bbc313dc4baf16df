#include "side_look.h"

// The connection is made, used and closed on the look's thread, as Qt's SQL drivers require.
SideLook::SideLook(const RecordQuery& record, Look look)
    : thread_([this, &record, look = std::move(look)] {
          RecordQuery side = record.twin();
          read_ = side.open(message_) && look(side, message_);
      }) {}

SideLook::~SideLook() {
    if (thread_.joinable())
        thread_.join();
}

bool SideLook::finish(QString& message) {
    if (thread_.joinable())
        thread_.join();
    if (!read_)
        message = message_;
    return read_;
}
