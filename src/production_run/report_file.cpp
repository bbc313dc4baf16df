#include "report_file.h"

#include "test_sequence/terminal_json.h"

#include <QJsonArray>
#include <QJsonObject>

QJsonDocument reportDocument(const RunIdentity& run, const QList<TerminalRun>& terminals) {
    QJsonArray list;
    for (const TerminalRun& terminal : terminals)
        list.append(terminalObject(terminal));
    return QJsonDocument(QJsonObject{{"program", "quendal"},
                                     {"version", run.version},
                                     {"started", run.startedText(Qt::ISODateWithMs)},
                                     {"host", run.host},
                                     {"runId", run.runId},
                                     {"station", run.station},
                                     {"operator", run.operatorName},
                                     {"terminals", list}});
}
