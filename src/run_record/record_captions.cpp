#include "record_captions.h"

#include <QCoreApplication>

QString RecordCaptions::notRecorded(const QString& place, const QString& cause) {
    return QCoreApplication::translate("Captions", "Aufzeichnung %1 nicht geschrieben: %2")
        .arg(place, cause);
}

QString RecordCaptions::notRead(const QString& place, const QString& cause) {
    return QCoreApplication::translate("Captions", "Aufzeichnung %1 nicht lesbar: %2")
        .arg(place, cause);
}

QString RecordCaptions::waitingForLine(int count, const QString& address, const QString& cause) {
    return QCoreApplication::translate(
               "Captions", "Aufzeichnungen, die auf die Liniendatenbank %2 warten: %1 (%3)")
        .arg(count)
        .arg(address, cause);
}

QString RecordCaptions::newerSchema(int found, int known) {
    return QCoreApplication::translate("Captions",
                                       "die Aufzeichnung hat die Schema-Version %1, dieses "
                                       "Programm kennt nur bis %2; sie bleibt unverändert")
        .arg(found)
        .arg(known);
}

QString RecordCaptions::notARecord() {
    return QCoreApplication::translate(
        "Captions",
        "die Datei ist eine Datenbank, aber keine Aufzeichnung; sie bleibt unverändert");
}

QString RecordCaptions::folderNotMade(const QString& folder) {
    return QCoreApplication::translate("Captions", "der Ordner %1 lässt sich nicht anlegen")
        .arg(folder);
}

QString RecordCaptions::driverMissing(const QString& driver) {
    return QCoreApplication::translate("Captions",
                                       "der Qt-SQL-Treiber %1 fehlt (Pakete libqt6sql6-sqlite, "
                                       "libqt6sql6-psql)")
        .arg(driver);
}

QString RecordCaptions::notAnAddress(const QString& address) {
    return QCoreApplication::translate(
               "Captions", "%1 ist keine Adresse einer Liniendatenbank: sie beginnt mit "
                           "postgresql://")
        .arg(address);
}

QString RecordCaptions::badAddress(const QString& address, const QString& cause) {
    return QCoreApplication::translate("Captions",
                                       "die Adresse %1 der Liniendatenbank ist ungültig: %2")
        .arg(address, cause);
}

QString RecordCaptions::passwordInAddress() {
    return QCoreApplication::translate(
        "Captions", "ein Passwort gehört nicht in die Adresse der Liniendatenbank, sondern in "
                    "~/.pgpass oder PGPASSWORD");
}

QString RecordCaptions::interrupted() {
    return QCoreApplication::translate("Captions", "durch ein Signal unterbrochen");
}

QString RecordCaptions::unknownName(const QString& name) {
    return QCoreApplication::translate("Captions", "dieses Programm kennt den Namen „%1“ nicht")
        .arg(name);
}

QString RecordCaptions::noAnswerWithin(int milliseconds) {
    return QCoreApplication::translate("Captions", "keine Antwort innerhalb von %1 ms")
        .arg(milliseconds);
}

QString RecordCaptions::slowerThanARun() {
    return QCoreApplication::translate("Captions",
                                       "die Liniendatenbank nimmt sie an, aber langsamer, als ein "
                                       "Lauf wartet; der nächste Lauf oder quendal --forward "
                                       "überträgt den Rest");
}

QString RecordCaptions::lineAway(const QString& since, const QString& cause) {
    return QCoreApplication::translate("Captions",
                                       "zuletzt %1 nicht erreicht (%2); der nächste Lauf "
                                       "versucht es nach einer Minute wieder, quendal --forward "
                                       "sofort")
        .arg(since, cause);
}

QString RecordCaptions::setAside(const QString& runId, const QString& port, const QString& unit,
                                 const QString& cause) {
    return QCoreApplication::translate("Captions",
                                       "beiseitegelegt, nur in der Aufzeichnung der Station: "
                                       "Lauf %1, %2, Einheit „%3“: %4")
        .arg(runId, port, unit, cause);
}

QString RecordCaptions::stepTextLost() {
    return QCoreApplication::translate(
        "Captions", "der Text eines Schritts ist weder in step_text zu finden noch hinzuzufügen");
}

QString RecordCaptions::tableMissing(const QString& table) {
    return QCoreApplication::translate("Captions",
                                       "der Aufzeichnung fehlt die Tabelle %1; sie ist nicht von "
                                       "diesem Programm angelegt und bleibt unverändert")
        .arg(table);
}

QString RecordCaptions::columnMissing(const QString& table, const QString& column) {
    return QCoreApplication::translate("Captions",
                                       "der Tabelle %1 der Aufzeichnung fehlt die Spalte %2; sie "
                                       "ist nicht von diesem Programm angelegt und bleibt "
                                       "unverändert")
        .arg(table, column);
}

QString RecordCaptions::noVersion() {
    return QCoreApplication::translate("Captions",
                                       "die Tabelle quendal_schema nennt keine gültige "
                                       "Schema-Version; die Aufzeichnung bleibt unverändert");
}

QString RecordCaptions::foreignSchema(const QString& schema) {
    return QCoreApplication::translate("Captions",
                                       "das Schema %1 der Liniendatenbank enthält Tabellen, aber "
                                       "keine Aufzeichnung; es bleibt unverändert")
        .arg(schema);
}

QString RecordCaptions::migrateFirst(int found, int known) {
    return QCoreApplication::translate(
               "Captions", "die Liniendatenbank hat noch die Schema-Version %1 im Schema public; "
                           "ein schreibender Befehl wie quendal --forward bringt sie auf die "
                           "Version %2 im Schema quendal, erst dann ist sie lesbar")
        .arg(found)
        .arg(known);
}

QString RecordCaptions::notPruned(const QString& place, const QString& cause) {
    return QCoreApplication::translate("Captions", "Aufzeichnung %1 nicht bereinigt: %2")
        .arg(place, cause);
}

QString RecordCaptions::backupNotWritten(const QString& file, const QString& cause) {
    return QCoreApplication::translate("Captions", "Sicherung %1 nicht geschrieben: %2")
        .arg(file, cause);
}

QString RecordCaptions::noSuchFile() {
    return QCoreApplication::translate("Captions", "die Datei gibt es nicht");
}

QString RecordCaptions::fileExists() {
    return QCoreApplication::translate("Captions",
                                       "die Datei gibt es schon; eine Sicherung ersetzt keine");
}

QString RecordCaptions::noSuchFolder(const QString& folder) {
    return QCoreApplication::translate("Captions", "den Ordner %1 gibt es nicht").arg(folder);
}
