#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// QTranslator::load(QLocale, ...) is not used: German has no file of its own, so it would
// pass over a German first choice to an English second one.
Language chooseLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::German)
            return Language::German;
        if (language == QLocale::English)
            return Language::English;
    }
    return Language::German;
}

Language installTranslation(QCoreApplication& app) {
    if (chooseLanguage(QLocale::system().uiLanguages()) == Language::German)
        return Language::German;
    // Beside the program in the build tree, else where the package puts it.
    const QStringList folders{QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/translations"),
                              QStringLiteral(QUENDAL_TRANSLATIONS_DIR)};
    auto* translator = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("quendal_en"), folder)) {
            QCoreApplication::installTranslator(translator);
            return Language::English;
        }
    }
    delete translator;
    return Language::German;
}
