#include "record_connection.h"
#include "record_query.h"
#include "test_sequence/run_names.h"

#include <QSqlQuery>

// The looks that count units' first and latest attempts, so that a year of runs is summed in
// the database and never read into the program.

namespace {

// Each row: station, UTC hour of the units' first attempt, whether past the split minute,
// terminal runs, then units, first and final passed overall and at the station, then the
// earliest and latest time. A look leaves out what it does not count.
UnitGroup groupOf(const QSqlQuery& query, const QString& split) {
    const auto number = [&query](int column) { return query.value(column).toInt(); };
    const QString hour = query.value(1).toString();
    const QString minute = number(2) ? split : QStringLiteral("00");
    return {query.value(0).toString(),
            hour.isEmpty() ? QString() : hour + QLatin1Char(':') + minute,
            number(3),
            {number(4), number(5), number(6)},
            {number(7), number(8), number(9)},
            query.value(10).toString(),
            query.value(11).toString()};
}

// PostgreSQL: each terminal run beside its unit's other attempts in `partition`, in the order
// they ran, read from the index on unit: a first attempt has no earlier one, a latest no later
// one. Binds the passed verdict, then the selection.
QString numberedAttempts(const QString& partition, const QString& condition) {
    return QStringLiteral("SELECT t.station, t.started, "
                          "CASE WHEN t.verdict = CAST(? AS TEXT) THEN 1 ELSE 0 END AS passed, "
                          "CASE WHEN LAG(t.id) OVER w IS NULL THEN 1 ELSE 0 END AS is_first, "
                          "CASE WHEN LEAD(t.id) OVER w IS NULL THEN 1 ELSE 0 END AS is_latest, "
                          "FIRST_VALUE(t.started) OVER w AS first_started "
                          "FROM terminal_run t WHERE %2 "
                          "WINDOW w AS (PARTITION BY %1 ORDER BY t.started, t.id)")
        .arg(partition, condition);
}

// Binds the split minute, then as numberedAttempts.
QString numberedOverall(const QString& condition) {
    return QStringLiteral(
               "SELECT '', substr(a.first_started, 1, 13), "
               "CASE WHEN substr(a.first_started, 15, 2) >= CAST(? AS TEXT) THEN 1 ELSE 0 END, "
               "COUNT(*), SUM(a.is_first), SUM(a.is_first * a.passed), "
               "SUM(a.is_latest * a.passed), 0, 0, 0, MIN(a.started), MAX(a.started) "
               "FROM (%1) a GROUP BY 2, 3")
        .arg(numberedAttempts(QStringLiteral("t.unit"), condition));
}

// Binds as numberedAttempts.
QString numberedStations(const QString& condition) {
    return QStringLiteral("SELECT a.station, '', 0, 0, 0, 0, 0, SUM(a.is_first), "
                          "SUM(a.is_first * a.passed), SUM(a.is_latest * a.passed), NULL, NULL "
                          "FROM (%1) a GROUP BY 1")
        .arg(numberedAttempts(QStringLiteral("t.unit, t.station"), condition));
}

// SQLite's window functions take seconds over a million rows; its grouping is quicker. An
// attempt's key sorts as the attempts ran and ends in 1 when it passed: time (24
// characters), id (10 digits), verdict. Binds the passed verdict twice, then the selection.
QString keyedUnits(const QString& grouping, const QString& condition) {
    return QStringLiteral("SELECT t.station, COUNT(*) AS runs, "
                          "MIN(t.started || substr('000000000' || t.id, -10) || "
                          "CASE WHEN t.verdict = CAST(? AS TEXT) THEN '1' ELSE '0' END) AS f, "
                          "MAX(t.started || substr('000000000' || t.id, -10) || "
                          "CASE WHEN t.verdict = CAST(? AS TEXT) THEN '1' ELSE '0' END) AS l "
                          "FROM terminal_run t WHERE %2 GROUP BY %1")
        .arg(grouping, condition);
}

const QString keyPassed = QStringLiteral("CASE WHEN substr(u.%1, 35, 1) = '1' THEN 1 ELSE 0 END");

// Binds the split minute, then as keyedUnits.
QString keyedOverall(const QString& condition) {
    return QStringLiteral(
               "SELECT '', substr(u.f, 1, 13), "
               "CASE WHEN substr(u.f, 15, 2) >= CAST(? AS TEXT) THEN 1 ELSE 0 END, SUM(u.runs), "
               "COUNT(*), SUM(%1), SUM(%2), 0, 0, 0, substr(MIN(u.f), 1, 24), "
               "substr(MAX(u.l), 1, 24) FROM (%3) u GROUP BY 2, 3")
        .arg(keyPassed.arg(QLatin1Char('f')), keyPassed.arg(QLatin1Char('l')),
             keyedUnits(QStringLiteral("t.unit"), condition));
}

// Binds as keyedUnits.
QString keyedStations(const QString& condition) {
    return QStringLiteral("SELECT u.station, '', 0, 0, 0, 0, 0, COUNT(*), SUM(%1), SUM(%2), "
                          "NULL, NULL FROM (%3) u GROUP BY 1")
        .arg(keyPassed.arg(QLatin1Char('f')), keyPassed.arg(QLatin1Char('l')),
             keyedUnits(QStringLiteral("t.unit, t.station"), condition));
}

} // namespace

bool RecordQuery::unitGroups(const RecordFilter& filter, int splitMinute, Counting counting,
                             const std::function<void(const UnitGroup&)>& row, QString& message) {
    const RecordReader::Selection selection = selectionOf(filter);
    const QString split = QStringLiteral("%1").arg(splitMinute, 2, 10, QLatin1Char('0'));
    const QVariant passed = RunNames::verdict(TerminalRun::Passed);
    const auto group = [&](const QSqlQuery& query) { row(groupOf(query, split)); };
    const bool line = connection_->kind() == RecordConnection::Line;
    // The passed verdict goes in once per window, twice per key.
    const QList<QVariant> values =
        (line ? QList<QVariant>{passed} : QList<QVariant>{passed, passed}) + selection.values;
    const QString overall =
        line ? numberedOverall(selection.condition) : keyedOverall(selection.condition);
    const QString stations =
        line ? numberedStations(selection.condition) : keyedStations(selection.condition);
    return (counting == Counting::AtStations ||
            select(overall, QList<QVariant>{split} + values, group, message)) &&
           (counting == Counting::Overall || select(stations, values, group, message));
}

// A run is its unit's latest when no later one of the selection names the unit; looked up
// through the index on unit for the newest runs that did not pass, until enough are found.
bool RecordQuery::failingUnits(const RecordFilter& filter, int limit, const FailingRow& row,
                               QString& message) {
    const RecordReader::Selection selection = selectionOf(filter);
    const RecordReader::Selection later = selectionOf(filter, QStringLiteral("l"));
    QList<QVariant> values = selection.values;
    values << RunNames::verdict(TerminalRun::Passed) << later.values << limit
           << RunNames::outcome(StepResult::Failed);
    struct {
        qint64 id = -1;
        QString unit, station, started, verdict;
        QList<int> steps;
    } run;
    const auto handOn = [&] {
        if (run.id >= 0)
            row(run.unit, run.station, run.started, run.verdict, run.steps);
    };
    const bool read = select(
        QStringLiteral(
            "SELECT f.id, f.unit, f.station, f.started, f.verdict, s.step_index FROM "
            "(SELECT t.id, t.unit, t.station, t.started, t.verdict FROM terminal_run t "
            "WHERE %1 AND t.verdict <> CAST(? AS TEXT) AND NOT EXISTS (SELECT 1 FROM terminal_run "
            "l "
            "WHERE %2 AND l.unit = t.unit "
            "AND (l.started > t.started OR (l.started = t.started AND l.id > t.id))) "
            "ORDER BY t.started DESC, t.id DESC LIMIT ?) f "
            "LEFT JOIN step s ON s.terminal_run_id = f.id AND s.outcome = CAST(? AS TEXT) "
            "ORDER BY f.started DESC, f.id DESC, s.step_index")
            .arg(selection.condition, later.condition),
        values,
        [&](const QSqlQuery& query) {
            if (query.value(0).toLongLong() != run.id) {
                handOn();
                run = {query.value(0).toLongLong(), query.value(1).toString(),
                       query.value(2).toString(),   query.value(3).toString(),
                       query.value(4).toString(),   {}};
            }
            if (!query.isNull(5))
                run.steps.append(query.value(5).toInt());
        },
        message);
    if (read)
        handOn();
    return read;
}
