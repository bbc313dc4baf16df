#include "sim/display_window.h"

#include <QFontDatabase>
#include <QPainter>

namespace zrsim {

namespace {
constexpr int cellWidth = 24;
constexpr int cellHeight = 36;
constexpr int gap = 3;
constexpr int margin = 14;
constexpr int refreshMs = 33;

const QColor glass(0x8f, 0xb3, 0x3a);
const QColor unlitCell(0x9d, 0xc2, 0x45);
const QColor ink(0x1b, 0x2a, 0x08);
} // namespace

DisplayWindow::DisplayWindow(const PtyTerminal& terminal, QWidget* parent)
    : QWidget(parent), terminal_(terminal) {
    const TerminalModel model = terminal_.snapshot();
    lines_ = model.displayLines();
    setWindowTitle(
        QString("ZR-Terminal-Simulator - %1").arg(QString::fromStdString(terminal_.slavePath())));
    setFixedSize(2 * margin + model.cols() * (cellWidth + gap) - gap,
                 2 * margin + model.rows() * (cellHeight + gap) - gap);
    connect(&timer_, &QTimer::timeout, this, &DisplayWindow::refresh);
    timer_.start(refreshMs);
}

void DisplayWindow::refresh() {
    const TerminalModel model = terminal_.snapshot();
    if (model.displayLines() == lines_ && model.cursorRow() == cursorRow_ &&
        model.cursorCol() == cursorCol_)
        return;
    lines_ = model.displayLines();
    cursorRow_ = model.cursorRow();
    cursorCol_ = model.cursorCol();
    update();
}

void DisplayWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), glass);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(cellHeight * 3 / 4);
    painter.setFont(font);
    for (int r = 0; r < static_cast<int>(lines_.size()); ++r) {
        for (int c = 0; c < static_cast<int>(lines_[r].size()); ++c) {
            const QRect cell(margin + c * (cellWidth + gap), margin + r * (cellHeight + gap),
                             cellWidth, cellHeight);
            painter.fillRect(cell, unlitCell);
            painter.setPen(ink);
            // Display bytes are single characters; above 0x7F they show as Latin-1.
            painter.drawText(cell, Qt::AlignCenter, QString(QChar::fromLatin1(lines_[r][c])));
            if (r == cursorRow_ && c == cursorCol_)
                painter.fillRect(cell.adjusted(2, cellHeight - 4, -2, -1), ink);
        }
    }
}

} // namespace zrsim
