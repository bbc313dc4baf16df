#pragma once

class QCoreApplication;

// Loads Qt's own German texts, so standard buttons read "Wiederholen" and "Abbrechen".
// Without the translation Qt's English stays.
void installQtGermanTranslation(QCoreApplication& app);

// Quendal's texts in the desktop's language, and Qt's own buttons in the same one: German
// ones under German, Qt's English ones under English.
void installTranslations(QCoreApplication& app);
