#pragma once

#include <QString>

// Checks a report written by `quendal --run` against docs/report.schema.json with Debian's
// python3-jsonschema, a validator that shares no code with the writer. Returns what it
// found wrong, or an empty text when the report is valid.
QString reportSchemaViolation(const QString& reportFile);
