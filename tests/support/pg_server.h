#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A throwaway PostgreSQL server for one test: a fresh cluster in a folder below /tmp with an
// empty database "quendal", reachable only through a Unix socket in that folder. PostgreSQL
// refuses to run as root, so under root every server program runs as uid/gid 65534.
// Anything that goes wrong is a test failure that shows the server's log, never a skip.
class PgServer {
public:
    // Makes the cluster, starts it and creates the database.
    PgServer();
    // Stops the server at once and removes its folder.
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    bool running() const { return running_; }
    // postgresql:///quendal?host=SOCKETDIR&user=USER, as libpq reads it.
    QString uri(const QString& user = QStringLiteral("quendal")) const;
    QString socketDir() const { return folder_; }
    QString databaseName() const { return QStringLiteral("quendal"); }

    // Takes the server down and brings it back on the same socket.
    bool stop();
    bool start();

    // Runs SQL through psql as the superuser; returns the rows, one a line, columns split
    // by '|'. An error is a test failure.
    QString runSql(const QString& sql);
    // Creates a role that may log in but neither create tables nor databases; returns its URI.
    QString addRoleWithoutCreate(const QString& name);

    QString log() const;

private:
    bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);
    bool pgCtl(const QStringList& arguments);

    QString bin_;
    QString folder_;
    bool running_ = false;
};
