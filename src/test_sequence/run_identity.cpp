#include "run_identity.h"

#include <QSysInfo>
#include <QUuid>
#include <pwd.h>
#include <unistd.h>

RunIdentity RunIdentity::begin(const QString& source, const QString& station,
                               const QString& operatorName, const QString& version) {
    return {QUuid::createUuid().toString(QUuid::WithoutBraces),
            QDateTime::currentDateTime(),
            station.isEmpty() ? hostName() : station,
            operatorName.isEmpty() ? loginName() : operatorName,
            hostName(),
            version,
            source};
}

QString RunIdentity::startedText(Qt::DateFormat format) const {
    const QDateTime local = started.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(format);
}

QString RunIdentity::hostName() {
    return QSysInfo::machineHostName();
}

// The account the program runs under; getlogin() needs a controlling terminal, which a
// station's service does not have.
QString RunIdentity::loginName() {
    if (const passwd* account = getpwuid(getuid()))
        return QString::fromLocal8Bit(account->pw_name);
    return QString::number(getuid());
}
