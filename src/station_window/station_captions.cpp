#include "station_captions.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// Numbers as the language in use writes them, whatever the desktop's locale says.
QLocale shownLocale() {
    return QLocale(QCoreApplication::translate("Captions", "de_DE", "the locale numbers follow"));
}

QString whenText(const QDateTime& started) {
    return started.toLocalTime().toString(QStringLiteral("dd.MM. HH:mm"));
}

} // namespace

QString Captions::stationHeader(const QString& station, const QString& operatorName) {
    return QCoreApplication::translate("Captions", "Station %1 — Prüfer %2")
        .arg(station, operatorName);
}

QString Captions::dayFigures(int units, int passedFirst) {
    if (units == 0)
        return QCoreApplication::translate("Captions", "heute noch keine Einheit");
    const double yield = 100.0 * passedFirst / units;
    return QCoreApplication::translate("Captions", "Einheiten heute: %1, Erstdurchlauf: %2 %")
        .arg(units)
        .arg(shownLocale().toString(yield, 'f', 1));
}

QString Captions::slotName(const QString& name, const QString& adapter) {
    return adapter.isEmpty() ? name : QStringLiteral("%1 — %2").arg(name, adapter);
}

QString Captions::firstAttempt() {
    return QCoreApplication::translate("Captions", "1. Versuch");
}

QString Captions::pastAttempt(int attempt, const QString& verdict, const QDateTime& started,
                              const QString& station, const QString& failedStep) {
    const QString text =
        QCoreApplication::translate("Captions", "%1. Versuch — zuletzt %2 am %3, %4")
            .arg(attempt)
            .arg(verdict, whenText(started), station);
    return failedStep.isEmpty() ? text : text + QStringLiteral(": ") + failedStep;
}

QString Captions::passedBefore(int attempt, const QDateTime& started, const QString& station) {
    return QCoreApplication::translate("Captions", "%1. Versuch — bereits bestanden am %2, %3")
        .arg(attempt)
        .arg(whenText(started), station);
}

QString Captions::serialRefused(const QString& reason) {
    return QCoreApplication::translate("Captions", "Seriennummer abgelehnt: %1").arg(reason);
}

QString Captions::serialRunningElsewhere(const QString& slot) {
    return QCoreApplication::translate("Captions", "Seriennummer läuft schon an %1").arg(slot);
}

QString Captions::slotDuration(qint64 ms) {
    return QCoreApplication::translate("Captions", "%1 s")
        .arg(shownLocale().toString(ms / 1000.0, 'f', 1));
}

QString Captions::stepTip(const QString& caption, const QString& result) {
    return result.isEmpty() ? caption : QStringLiteral("%1: %2").arg(caption, result);
}
