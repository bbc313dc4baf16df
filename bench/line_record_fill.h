#pragma once

#include "record_generator.h"

#include <QString>

// Fills an empty line database at `address` with the record generateRecord() writes into a
// file of the same shape: the tables made as a station makes them, then each one loaded in a
// single COPY, and the terminal runs' identity set past the ids written. A database that
// holds runs already is refused. False with the cause in `error`.
bool generateLineRecord(const QString& address, const RecordShape& shape, QString& error);
