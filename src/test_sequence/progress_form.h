#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class SerialPort;
class TestSteps;
struct SharedState;

// "Testlauf": runs every step once when it first becomes active and shows one coloured
// result row per step; its one button cancels the run, then closes the window.
class ProgressForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int rowCount = 7;

    ProgressForm(TestSteps& steps, SerialPort& port, SharedState& state, QWidget* parent = nullptr);

    void Form_Activate();
    void CancelCommand_Click();
    bool RunPending = true;

    std::array<QLabel*, rowCount> TestLabel{};
    std::array<QLabel*, rowCount> ResultLabel{};
    QPushButton* CancelCommand = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void buildRows();
    void runStep(int index);
    void showResult(int index, const QString& text, const QColor& colour);
    void writeBanner();
    bool running() const;
    void onDeviceLost();
    void reportLineTrouble();

    TestSteps& steps_;
    SerialPort& port_;
    SharedState& state_;
    bool deviceLost_ = false;
    bool outputStalled_ = false;
};
