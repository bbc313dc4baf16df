#pragma once

#include "run_record/record_query.h"

#include <QString>
#include <optional>

class QCommandLineParser;

// The commands that look at the run record instead of running terminals.
enum class RecordCommand { None, History, Yield, Forward, Prune, Backup };

// What `quendal --history` and `quendal --yield` were asked for; --prune's --before DATE is
// the filter's `before`.
struct RecordQueryOptions {
    enum Format { Text, Csv, Json, Html };
    RecordFilter filter;
    Format format = Text;
    QString database; // --database as given, empty when not given
    QString output;   // --output as given: empty for standard output
    QString backup;   // --backup FILE
};

namespace RecordCommandLine {

// --history, --yield, --forward, --prune, --backup and their options, so that --help lists
// them.
void addOptions(QCommandLineParser& parser);

// The first of the record commands set, None when none is.
RecordCommand requested(const QCommandLineParser& parser);
QString optionName(RecordCommand command);

// Reads the filters and the format, each given at most once; --history takes the unit's
// serial as its one argument, --prune needs --before. Returns nothing, with the bad argument named
// in `error`.
std::optional<RecordQueryOptions> read(const QCommandLineParser& parser, RecordCommand command,
                                       QString& error);

// "2026-12-01" (its first local moment) or an ISO 8601 date and time, with or without an
// offset; invalid when it is neither. `through` gives the first moment after what the text
// names instead: the start of the next day for a date alone, a millisecond after a time.
QDateTime parseTime(const QString& text, bool through);

} // namespace RecordCommandLine
