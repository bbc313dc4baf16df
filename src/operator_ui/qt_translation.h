#pragma once

class QCoreApplication;

// Loads Qt's own German texts, so standard buttons read "Wiederholen" and "Abbrechen"
// whatever language the desktop speaks. Without the translation Qt's English stays.
void installQtGermanTranslation(QCoreApplication& app);
