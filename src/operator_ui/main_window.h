#pragma once

#include "prompt_questions.h"
#include "test_sequence/late_loss_watch.h"
#include "test_sequence/shared_state.h"
#include "test_sequence/test_run.h"
#include "test_sequence/test_steps.h"
#include "waiting_controls.h"
#include "window_record.h"

#include <QMainWindow>
#include <memory>

class Exchange;
class OperatorPrompt;
class QComboBox;
class QLabel;
class QPushButton;
class SerialPort;

// "ZR Test und Initialisierung": the operator's commands, the display geometry and the
// port state; owns the serial port and the exchange that the other windows use.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(OperatorPrompt& prompt, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: geometry 20 x 4, stored port settings, opening the port.
    void Form_Load();

    QByteArray SendAndWaitFor(const QByteArray& cmd, const QByteArray& waitfor, qint16 TimeOutTime);
    QString Test_Function(qint16 index, const bool& ShowMsgs, bool& good);

    void StartCommand_Click();
    void DemoCommand_Click();
    void CommProps_Click();
    void DoneTesting_Click();
    void cmbZRRows_Click();
    void cmbZRCols_Click();

    SharedState state;
    SerialPort* MSComm1 = nullptr;
    Exchange* exchange = nullptr;
    PromptQuestions questions;
    TestSteps steps;

    QPushButton* StartCommand = nullptr;
    QPushButton* DemoCommand = nullptr;
    QPushButton* CommProps = nullptr;
    QPushButton* DoneTesting = nullptr;
    QComboBox* cmbZRCols = nullptr;
    QComboBox* cmbZRRows = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void openPortAtStartup();
    void updateStatusBar();
    void warn(const QString& description);
    void portFailure(const QString& text, const QString& title);
    void demoLost();
    void recordRun();

    OperatorPrompt& prompt_;
    std::unique_ptr<WaitingControls> waitingControls_;
    LateLossWatch* demoLoss_ = nullptr;
    std::unique_ptr<TestRun> run_;
    WindowRecord record_;
};
