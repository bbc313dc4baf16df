#pragma once

#include "sim/pty_terminal.h"

#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

namespace zrsim {

// The terminal's character display drawn as fixed cells, refreshed from snapshots of the
// line thread's model so that drawing never holds up the line.
class DisplayWindow : public QWidget {
    Q_OBJECT
public:
    explicit DisplayWindow(const PtyTerminal& terminal, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refresh();

    const PtyTerminal& terminal_;
    QTimer timer_;
    std::vector<std::string> lines_;
    int cursorRow_ = 0;
    int cursorCol_ = 0;
};

} // namespace zrsim
