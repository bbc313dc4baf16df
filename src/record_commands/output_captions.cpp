#include "output_captions.h"

#include <QCoreApplication>

QString Captions::outputNotWritten(const QString& file, const QString& reason) {
    return QCoreApplication::translate("Captions", "Ausgabe %1 nicht geschrieben: %2")
        .arg(oneLine(file), reason);
}
