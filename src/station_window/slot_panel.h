#pragma once

#include "test_sequence/terminal_run.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QList>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

// One slot as the operator sees it: its name, the serial field a scan goes into, the state in
// letters readable from a distance, a cell per row, what the record knows of the unit and the
// duration. A silent terminal's question is asked here, not in a box.
class SlotPanel : public QFrame {
    Q_OBJECT

public:
    SlotPanel(int number, const QString& name, QWidget* parent = nullptr);

    QLineEdit* serialField() const { return serial_; }
    QPushButton* retryButton() const { return retry_; }
    QPushButton* cancelButton() const { return cancel_; }
    bool ready() const { return !running_; }

    void showRefusal(const QString& reason);
    void showStarted(const QString& serial);
    void showStepStarted(int index);
    void showStep(int index, const QString& caption, const QString& result, int outcome);
    void showQuestion(const QString& text);
    void hideQuestion();
    void showNotice(const QString& line);
    void showPast(const QString& text, bool passed);
    void showEnded(const TerminalRun& report);

signals:
    void scanned(const QString& serial);
    void answered(bool retry);

private:
    void build(const QString& name);
    QWidget* buildQuestion();
    void setState(const QString& text, const QColor& colour);
    void showDuration();

    int number_;
    QLabel* state_;
    QLineEdit* serial_;
    QLabel* refusal_;
    QList<QLabel*> cells_;
    QLabel* past_;
    QLabel* duration_;
    QLabel* details_;
    QWidget* question_;
    QLabel* questionText_;
    QPushButton* retry_;
    QPushButton* cancel_;
    QTimer ticking_;
    QElapsedTimer took_;
    QStringList detailLines_;
    bool running_ = false;
    bool cancelShown_ = false;
};
