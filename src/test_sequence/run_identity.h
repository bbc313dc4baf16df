#pragma once

#include <QDateTime>
#include <QString>

// Which run this was, where, by whom and from what: the same for every terminal of one run,
// and the key its records are kept and forwarded under.
struct RunIdentity {
    QString runId; // a UUID, without braces
    QDateTime started;
    QString station;
    QString operatorName;
    QString host;
    QString version;
    QString source; // "run" or "window"

    // A new run starting now; an empty station or operator takes the host or login name.
    static RunIdentity begin(const QString& source, const QString& station,
                             const QString& operatorName, const QString& version);
    // The start in local time with its offset from UTC written out, as the report and the
    // history give it: a local time in ISO form may otherwise leave the offset out.
    QString startedText(Qt::DateFormat format) const;
    static QString hostName();
    static QString loginName();
};
