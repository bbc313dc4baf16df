#pragma once

#include <QColor>
#include <QStringList>
#include <functional>

class MainWindow;
class ProgressForm;

// The rows of a progress window as the operator sees them.
struct RunRecord {
    QStringList results;
    QList<QColor> colours;
    QList<bool> shown;
    QString button;
    bool opened = false;
};

RunRecord recordRows(const ProgressForm& form);

// Presses "Starte Tests". `during` runs once the progress window is up; when the run has
// finished, its rows are recorded and "OK" closes the window.
RunRecord runTests(MainWindow& window, const std::function<void(ProgressForm&)>& during = {});

// Calls `action` as soon as `condition` holds, checked between the program's events.
// Deleting the returned timer calls it off.
class QTimer;
QTimer* once(const std::function<bool()>& condition, const std::function<void()>& action);

inline const QColor green(0, 255, 0);
inline const QColor red(255, 0, 0);
inline const QColor yellow(255, 255, 0);
