#include "page_captions.h"

#include <QCoreApplication>

QString Captions::pageTitle(const QString& range, const QString& made) {
    return QCoreApplication::translate("Captions", "Ausbeute %1, erstellt %2").arg(range, made);
}

QString Captions::fromUntil(const QString& from, const QString& until) {
    return QCoreApplication::translate("Captions", "%1 bis %2").arg(from, until);
}

QString Captions::andMore(int count) {
    return QCoreApplication::translate("Captions", "… und %1 weitere").arg(count);
}
