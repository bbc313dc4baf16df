#pragma once

#include "test_sequence/run_identity.h"
#include "test_sequence/terminal_run.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <optional>

class QSqlDatabase;

// Writes terminal runs, each with its run, steps and failures, into an open record, inside the
// caller's transaction and with bound values only. A terminal run the record already holds
// (the same run and port) is left as it is: forwarding it twice changes nothing. A unit's
// attempt is one more than the runs of that unit the record holds. Captions and results are
// written as given, each pair once in step_text, shared by every step that shows it. Its
// statements are prepared once and kept, since a line database
// answers each on the network.
class RecordWriter {
public:
    enum class Written { Added, AlreadyThere, Failed };

    explicit RecordWriter(QSqlDatabase& database);

    Written write(const RunIdentity& run, const TerminalRun& terminal, QString& error);
    // The attempt the record holds for the terminal run last written, added or already there.
    std::optional<int> attempt() const { return attempt_; }
    // The database's code for why the last write failed (SQLSTATE in PostgreSQL).
    QString failureCode() const { return failureCode_; }

private:
    std::optional<qint64> writeTerminal(const RunIdentity& run, const TerminalRun& terminal,
                                        QString& error);
    bool exec(QSqlQuery& query, const QList<QVariant>& values, QString& error);
    bool readAttempt(const RunIdentity& run, const TerminalRun& terminal, QString& error);
    bool writeSteps(qint64 id, const QList<StepResult>& steps, QString& error);
    bool writeFailures(qint64 id, const StepResult& step, QString& error);
    QSqlQuery& stepsQuery(qsizetype count);
    std::optional<qint64> textId(const StepResult& step, QString& error);

    QSqlDatabase& database_;
    QSqlQuery run_;
    QSqlQuery terminal_;
    QSqlQuery unitTerminal_;
    QSqlQuery there_;
    QSqlQuery failure_;
    QSqlQuery textFind_;
    QSqlQuery textAdd_;
    // The texts' ids this writer looked up or added, all inside the caller's transaction.
    QHash<QPair<QString, QString>, qint64> texts_;
    QHash<qsizetype, QSqlQuery> steps_; // one statement for each number of rows
    std::optional<int> attempt_;
    QString failureCode_;
};
