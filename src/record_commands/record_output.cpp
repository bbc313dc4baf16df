#include "record_output.h"

#include "output_captions.h"

#include <QSaveFile>
#include <cstdio>

namespace {

// A spreadsheet takes a cell that begins with one of these for a formula and runs it.
bool startsAFormula(const QString& field) {
    static const QString starters = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && starters.contains(field.front());
}

} // namespace

QString RecordOutput::csvLine(const QStringList& fields) {
    QStringList quoted;
    for (QString field : fields) {
        if (startsAFormula(field))
            field.prepend(QLatin1Char('\''));
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
            field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
            field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                    QLatin1Char('"');
        quoted << field;
    }
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

void RecordOutput::print(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

void RecordOutput::printError(const QString& message) {
    std::fprintf(stderr, "quendal: %s\n", message.toLocal8Bit().constData());
}

bool RecordOutput::save(const QString& file, const QString& text, QString& message) {
    QSaveFile out(file);
    const QByteArray bytes = text.toUtf8();
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit())
        return true;
    message = Captions::outputNotWritten(file, out.errorString());
    return false;
}
