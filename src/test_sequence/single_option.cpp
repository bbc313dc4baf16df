#include "single_option.h"

#include <QCommandLineParser>
#include <QCoreApplication>

bool SingleOption::read(const QCommandLineParser& parser, const QString& option, QString& value,
                        QString& error) {
    // Asked for an option it does not define, the parser only warns.
    const QStringList values =
        parser.optionNames().contains(option) ? parser.values(option) : QStringList();
    if (values.size() > 1) {
        error =
            QCoreApplication::translate("CommandLine", "--%1 ist mehrmals angegeben").arg(option);
        return false;
    }
    value = values.value(0);
    return true;
}
