#include "pg_server.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// The connection's options taken from the URI's parts, so the URI is checked as well.
QSqlDatabase connectionTo(const QString& uri, const QString& name) {
    const QUrl url(uri);
    const QUrlQuery query(url);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(query.queryItemValue("host", QUrl::FullyDecoded));
    db.setDatabaseName(url.path().mid(1));
    db.setUserName(query.queryItemValue("user", QUrl::FullyDecoded));
    return db;
}

bool execute(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    return query.exec(sql);
}

} // namespace

TEST(PgServer, ServesQpsqlThroughDownAndBackAndKeepsARoleFromCreating) {
    PgServer server;
    ASSERT_TRUE(server.running());
    {
        QSqlDatabase db = connectionTo(server.uri(), "line");
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        ASSERT_TRUE(execute(db, "CREATE TABLE station (name text)"));
        EXPECT_TRUE(execute(db, "INSERT INTO station VALUES ('Prüfplatz Süd')"));
        EXPECT_EQ(server.runSql("SELECT name FROM station"), "Prüfplatz Süd");

        ASSERT_TRUE(server.stop());
        EXPECT_FALSE(execute(db, "SELECT 1"));
        db.close();
        EXPECT_FALSE(db.open());
        ASSERT_TRUE(server.start());
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        EXPECT_TRUE(execute(db, "SELECT name FROM station"));

        QSqlDatabase reader = connectionTo(server.addRoleWithoutCreate("reader"), "reader");
        ASSERT_TRUE(reader.open()) << reader.lastError().text().toStdString();
        EXPECT_FALSE(execute(reader, "CREATE TABLE mine (x int)"));
    }
    QSqlDatabase::removeDatabase("line");
    QSqlDatabase::removeDatabase("reader");
}
