#include "report_schema.h"

#include <QProcess>

namespace {

const char* const validate = R"(
import json, sys, jsonschema
schema = json.load(open(sys.argv[2]))
jsonschema.validators.validator_for(schema).check_schema(schema)
errors = sorted(jsonschema.validators.validator_for(schema)(schema).iter_errors(
    json.load(open(sys.argv[1]))), key=str)
for error in errors:
    print(list(error.absolute_path), error.message)
sys.exit(1 if errors else 0)
)";

} // namespace

QString reportSchemaViolation(const QString& reportFile) {
    QProcess python;
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(validate), reportFile,
                  QStringLiteral(REPORT_SCHEMA)});
    if (!python.waitForFinished(30'000))
        return QStringLiteral("python3 did not finish");
    const QString said = QString::fromUtf8(python.readAll());
    return python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0 ? QString()
           : said.isEmpty() ? QStringLiteral("python3 failed")
                            : said;
}
