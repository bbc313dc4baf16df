#pragma once

#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QString>

class QSqlDatabase;

// Writes one terminal run, with its run, steps and failures, into an open record, inside the
// caller's transaction and with bound values only. A terminal run the record already holds
// (the same run and port) is left as it is: forwarding it twice changes nothing.
namespace RecordWriter {

enum class Written { Added, AlreadyThere, Failed };

Written write(QSqlDatabase& database, const RunIdentity& run, const TerminalRun& terminal,
              QString& error);

} // namespace RecordWriter
