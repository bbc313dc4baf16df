#include "line_address.h"

#include "record_captions.h"
#include "record_limits.h"

#include <QStringList>
#include <QUrl>
#include <libpq-fe.h>
#include <memory>

namespace {

// libpq's own quoting for a value in a conninfo string.
QString quoted(const QString& value) {
    QString text = value;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

QString LineAddress::shown(const QString& uri) {
    return QUrl(uri).toDisplayString(QUrl::RemovePassword);
}

QString LineAddress::connectOptions(const QString& uri, QString& error) {
    if (!uri.startsWith(QLatin1String("postgresql://")) &&
        !uri.startsWith(QLatin1String("postgres://"))) {
        error = RecordCaptions::notAnAddress(shown(uri));
        return {};
    }
    char* parseError = nullptr;
    const std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(
        PQconninfoParse(uri.toUtf8().constData(), &parseError), &PQconninfoFree);
    if (!options) {
        error = RecordCaptions::badAddress(shown(uri), QString::fromUtf8(parseError).trimmed());
        PQfreemem(parseError);
        return {};
    }
    QStringList pairs;
    bool timeOutGiven = false;
    for (const PQconninfoOption* option = options.get(); option->keyword; ++option) {
        if (!option->val)
            continue;
        const QString key = QString::fromUtf8(option->keyword);
        const QString value = QString::fromUtf8(option->val);
        // Qt's driver turns every ';' of its options into a space.
        if (key == QLatin1String("password") || value.contains(QLatin1Char(';'))) {
            error = key == QLatin1String("password") ? RecordCaptions::passwordInAddress()
                                                     : RecordCaptions::badAddress(shown(uri), key);
            return {};
        }
        pairs << key + QLatin1Char('=') + quoted(value);
        timeOutGiven |= key == QLatin1String("connect_timeout");
    }
    // libpq would wait for an unreachable host for ever; the run waits this long at most.
    if (!timeOutGiven)
        pairs << QStringLiteral("connect_timeout=%1").arg(RecordLimits::connectTimeOutSeconds);
    return pairs.join(QLatin1Char(';'));
}
