#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class SlotPanel;
class Station;

// "Prüfplatz": a header with the station's day and one panel per slot. A scan into a ready
// slot's field starts it and moves on to the next ready slot, so an operator with a scanner
// never needs the mouse.
class StationWindow : public QWidget {
    Q_OBJECT

public:
    explicit StationWindow(Station& station, QWidget* parent = nullptr);

    SlotPanel* panel(int index) const { return panels_[index]; }
    // Ends every running slot as "Abbrechen" would, then closes.
    void endAll();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildHeader();
    void buildSlots(QWidget* area);
    void connectSlot(int index);
    void onScanned(int index, const QString& serial);
    void onSlotEnded(int index);
    void focusNextReady(int after);
    void focusSlot(int index);

    Station& station_;
    QList<SlotPanel*> panels_;
    QLabel* figures_ = nullptr;
    bool closing_ = false;
};
