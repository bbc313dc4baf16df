#include "qt_translation.h"

#include "test_sequence/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtGermanTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void installTranslations(QCoreApplication& app) {
    if (installTranslation(app) == Language::German)
        installQtGermanTranslation(app);
}
