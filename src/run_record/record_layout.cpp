#include "record_layout.h"

#include "record_captions.h"
#include "record_connection.h"
#include "record_error.h"

#include <QList>
#include <QSqlQuery>
#include <QStringList>

namespace {

struct Table {
    QString name;
    QStringList columns;
};

QList<Table> expected(bool local, int version) {
    QList<Table> tables{
        {"quendal_schema", {"version"}},
        {"run", {"run_id", "started", "station", "operator_name", "host", "version", "source"}},
        {"terminal_run",
         {"id",
          "run_id",
          "started",
          "station",
          "port",
          "device",
          "adapter_known",
          "adapter_description",
          "adapter_manufacturer",
          "adapter_serial",
          "line_settings",
          "handshaking",
          "display_columns",
          "display_rows",
          "verdict",
          "cause_kind",
          "cause_node",
          "cause_lock_file",
          "cause_errno",
          "cause_pid",
          "cause_program",
          "cause_group",
          "message",
          "notices",
          "duration_ms",
          "unit",
          "attempt"}},
        {"step",
         {"terminal_run_id", "step_index", "caption", "result", "outcome", "duration_ms", "echoes",
          "slowest_echo_ms"}},
        {"failure",
         {"terminal_run_id", "step_index", "failure_index", "sent", "awaited", "received",
          "waited_ms"}}};
    if (version >= 3) {
        tables[3].columns.removeAll(QStringLiteral("caption"));
        tables[3].columns.removeAll(QStringLiteral("result"));
        tables[3].columns << QStringLiteral("text_id");
        tables << Table{"step_text", {"id", "caption", "result"}};
    }
    if (!local)
        return tables;
    tables[2].columns << QStringLiteral("forwarded");
    if (version >= 2) {
        tables[2].columns << QStringLiteral("set_aside");
        tables << Table{"line_state", {"id", "unreachable_since", "cause"}};
    }
    return tables;
}

} // namespace

bool RecordLayout::read(RecordConnection& connection, const QString& schema, Tables& tables,
                        QString& error) {
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (connection.kind() == RecordConnection::Local) {
        query.prepare(QStringLiteral("SELECT m.name, p.name FROM sqlite_master m, "
                                     "pragma_table_info(m.name) p WHERE m.type = 'table'"));
    } else {
        query.prepare(QStringLiteral(
            "SELECT c.relname, a.attname FROM pg_catalog.pg_attribute a JOIN pg_catalog.pg_class "
            "c ON c.oid = a.attrelid JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
            "WHERE n.nspname = ? AND c.relkind IN ('r', 'p') AND a.attnum > 0 AND NOT "
            "a.attisdropped"));
        query.addBindValue(schema);
    }
    if (!exec(query, error))
        return false;
    tables.clear();
    while (query.next())
        tables[query.value(0).toString()].insert(query.value(1).toString());
    return true;
}

bool RecordLayout::check(const Tables& tables, bool local, int version, QString& error) {
    for (const Table& table : expected(local, version)) {
        const auto found = tables.constFind(table.name);
        if (found == tables.constEnd()) {
            error = RecordCaptions::tableMissing(table.name);
            return false;
        }
        for (const QString& column : table.columns)
            if (!found->contains(column)) {
                error = RecordCaptions::columnMissing(table.name, column);
                return false;
            }
    }
    return true;
}
