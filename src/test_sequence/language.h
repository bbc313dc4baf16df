#pragma once

#include <QStringList>

class QCoreApplication;

// The language of every text, chosen once at start-up.
enum class Language { German, English };

// The first of the desktop's languages that Quendal speaks decides; none of them means German,
// the language the texts are written in.
Language chooseLanguage(const QStringList& uiLanguages);

// Installs the English texts when QLocale::system() asks for English and tells the language
// now in force: German when the translation cannot be found.
Language installTranslation(QCoreApplication& app);
