#include "station_window.h"

#include "slot_panel.h"
#include "slot_run.h"
#include "station.h"
#include "station_captions.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int shortcutSlots = 9;
constexpr int widestRow = 4;

int columnsFor(int count) {
    return std::min(widestRow, int(std::ceil(std::sqrt(double(count)))));
}

} // namespace

StationWindow::StationWindow(Station& station, QWidget* parent)
    : QWidget(parent), station_(station) {
    setObjectName(QStringLiteral("StationWindow"));
    setWindowTitle(Captions::stationWindow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    auto* area = new QWidget(this);
    buildSlots(area);
    layout->addWidget(area);
    connect(&station_, &Station::unitSeen, this,
            [this](int slot, const QString& serial, const QString& text, bool passed) {
                if (station_.slot(slot).serial() == serial)
                    panels_[slot]->showPast(text, passed);
            });
    connect(&station_, &Station::unitUnreadable, this, [this](int slot, const QString& serial) {
        if (station_.slot(slot).serial() == serial)
            panels_[slot]->showPast(Captions::pastUnknown, false);
    });
    connect(&station_, &Station::daySeen, this, [this](int units, int passedFirst) {
        figures_->setText(Captions::dayFigures(units, passedFirst));
    });
    connect(&station_, &Station::allEnded, this, [this] {
        if (closing_)
            close();
    });
    station_.lookUpDay();
    focusSlot(0);
}

QWidget* StationWindow::buildHeader() {
    auto* header = new QWidget(this);
    auto* layout = new QHBoxLayout(header);
    auto* names = new QLabel(
        Captions::stationHeader(station_.stationName(), station_.operatorName()), header);
    names->setObjectName(QStringLiteral("stationHeader"));
    figures_ = new QLabel(Captions::dayFigures(0, 0), header);
    figures_->setObjectName(QStringLiteral("dayFigures"));
    QFont larger = names->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    names->setFont(larger);
    figures_->setFont(larger);
    layout->addWidget(names);
    layout->addStretch();
    layout->addWidget(figures_);
    return header;
}

// Panels fill the grid row by row, and the Tab order follows them as they stand.
void StationWindow::buildSlots(QWidget* area) {
    auto* grid = new QGridLayout(area);
    const int columns = columnsFor(station_.slotCount());
    QWidget* previous = nullptr;
    for (int i = 0; i < station_.slotCount(); ++i) {
        auto* panel = new SlotPanel(i + 1, station_.slotTitle(i), area);
        grid->addWidget(panel, i / columns, i % columns);
        panels_.append(panel);
        for (QWidget* next : {static_cast<QWidget*>(panel->serialField()),
                              static_cast<QWidget*>(panel->retryButton()),
                              static_cast<QWidget*>(panel->cancelButton())}) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
        connectSlot(i);
        if (i < shortcutSlots)
            connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this),
                    &QShortcut::activated, this, [this, i] { focusSlot(i); });
    }
}

void StationWindow::connectSlot(int index) {
    SlotPanel* panel = panels_[index];
    SlotRun& slot = station_.slot(index);
    connect(panel, &SlotPanel::scanned, this,
            [this, index](const QString& serial) { onScanned(index, serial); });
    connect(panel, &SlotPanel::answered, &slot, &SlotRun::answer);
    connect(&slot, &SlotRun::stepStarted, panel, &SlotPanel::showStepStarted);
    connect(&slot, &SlotRun::stepFinished, panel, &SlotPanel::showStep);
    connect(&slot, &SlotRun::asked, panel, &SlotPanel::showQuestion);
    connect(&slot, &SlotRun::questionSettled, panel, &SlotPanel::hideQuestion);
    connect(&slot, &SlotRun::notice, panel, &SlotPanel::showNotice);
    connect(&slot, &SlotRun::ended, this, [this, index](const TerminalRun& report) {
        panels_[index]->showEnded(report);
        onSlotEnded(index);
    });
}

// A refused scan stays in its field with the reason; nothing is sent.
void StationWindow::onScanned(int index, const QString& serial) {
    if (closing_ || station_.slot(index).running())
        return;
    if (const QString refusal = station_.refusal(index, serial); !refusal.isEmpty()) {
        panels_[index]->showRefusal(refusal);
        return;
    }
    panels_[index]->showStarted(serial);
    station_.start(index, serial);
    focusNextReady(index);
}

// A slot that ends is ready again: it takes the focus when no field or button has it.
void StationWindow::onSlotEnded(int index) {
    QWidget* focused = focusWidget();
    if (!focused || focused == this || !focused->isEnabled() || !focused->isVisible())
        focusSlot(index);
}

// With every slot running the window itself keeps the focus, so the next scan lands on no
// button a slot's question shows.
void StationWindow::focusNextReady(int after) {
    const int count = int(panels_.size());
    for (int step = 1; step <= count; ++step) {
        const int next = (after + step) % count;
        if (panels_[next]->ready()) {
            focusSlot(next);
            return;
        }
    }
    setFocus();
}

// A slot that asks takes its Retry button; a question never takes the focus by itself, or a
// scan meant for another slot would answer it.
void StationWindow::focusSlot(int index) {
    if (index >= panels_.size())
        return;
    SlotPanel* panel = panels_[index];
    if (panel->retryButton()->isVisible())
        panel->retryButton()->setFocus();
    else if (panel->ready())
        panel->serialField()->setFocus();
}

void StationWindow::endAll() {
    close();
}

// Running slots end as "Abbrechen" would and are recorded; the window closes once they have.
void StationWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    if (!station_.anyRunning()) {
        event->accept();
        return;
    }
    station_.interruptAll();
    event->ignore();
}
