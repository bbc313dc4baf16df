#include "name_rules.h"

#include "test_sequence/captions.h"
#include "test_sequence/single_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <algorithm>

namespace {

constexpr int longestName = 64;

// Any character that shows, emoji and other characters beyond 16 bits included; the plain
// space is the one separator a name may hold.
bool isNameCharacter(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    case QChar::Separator_Space:
        return c == U' ';
    default:
        return true;
    }
}

} // namespace

QString NameRules::problem(const QString& text) {
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty() || characters.size() > longestName)
        return QCoreApplication::translate("CommandLine", "1 bis %1 Zeichen erwartet")
            .arg(longestName);
    if (!std::all_of(characters.begin(), characters.end(), isNameCharacter))
        return QCoreApplication::translate("CommandLine",
                                           "nur druckbare Zeichen, keine Steuerzeichen");
    if (characters.front() == U' ' || characters.back() == U' ')
        return QCoreApplication::translate("CommandLine", "kein Leerzeichen am Anfang oder Ende");
    return {};
}

bool NameRules::readOption(const QCommandLineParser& parser, const QString& option, QString& value,
                           QString& error) {
    QString given;
    if (!SingleOption::read(parser, option, given, error))
        return false;
    if (!parser.isSet(option))
        return true;
    const QString reason = problem(given);
    if (!reason.isEmpty()) {
        error = QStringLiteral("--%1 %2: %3").arg(option, Captions::oneLine(given), reason);
        return false;
    }
    value = given;
    return true;
}
