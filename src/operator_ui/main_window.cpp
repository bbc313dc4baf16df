#include "main_window.h"

#include "demo_text.h"
#include "device_link/exchange.h"
#include "device_link/port_watch.h"
#include "device_link/serial_port.h"
#include "operator_prompt.h"
#include "operator_ui/progress_form.h"
#include "properties_dialog.h"
#include "test_sequence/stored_port_settings.h"
#include "window_captions.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStatusBar>

MainWindow::MainWindow(OperatorPrompt& prompt, QWidget* parent)
    : QMainWindow(parent), MSComm1(new SerialPort(this)),
      exchange(new Exchange(*MSComm1, state.CancelRequested, this)), questions(prompt),
      steps(*MSComm1, *exchange, state, questions), prompt_(prompt) {
    setObjectName(QStringLiteral("frmMain"));
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    buildControls();
    // Disabling the window itself would disable the modal progress window with it, and
    // with it "Abbrechen"; the controls are all the wait must keep from being used.
    waitingControls_ = std::make_unique<WaitingControls>(centralWidget(), prompt_);
    exchange->setObserver(waitingControls_.get());
    connect(MSComm1, &SerialPort::PortOpenChanged, this, &MainWindow::updateStatusBar);
    new PortWatch(*MSComm1, this);
    demoLoss_ = new LateLossWatch(*MSComm1, this);
    connect(demoLoss_, &LateLossWatch::lost, this, &MainWindow::demoLost);
}

// The port closes with the window; its last notice must not reach a half-destroyed window.
MainWindow::~MainWindow() {
    disconnect(MSComm1, nullptr, this, nullptr);
    MSComm1->setPortOpen(false);
}

void MainWindow::Form_Load() {
    steps.TimeOutSign = 1;
    state.TerminalRows = 0;
    state.TerminalCols = 0;
    cmbZRRows->setCurrentIndex(2);
    cmbZRCols->setCurrentIndex(2);
    state.TestCount = 7;
    QString error;
    StoredEntries stored;
    // A store that cannot be read is said, and the port starts from its own configuration.
    if (!readStoredPortSettings(stored, error))
        warn(error);
    if (applyStoredPortSettings(*MSComm1, stored, error))
        openPortAtStartup();
    else
        warn(error);
    updateStatusBar();
}

// A failed first opening offers the settings dialog, then one more attempt, unless the
// dialog has already opened a port of the operator's choice.
void MainWindow::openPortAtStartup() {
    if (MSComm1->setPortOpen(true))
        return;
    portFailure(Captions::portInUseAtStartup(MSComm1->CommPort()), Captions::portErrorTitle);
    CommProps_Click();
    if (!MSComm1->PortOpen() && !MSComm1->setPortOpen(true))
        portFailure(Captions::portNotOpenedAtStartup(MSComm1->CommPort()),
                    Captions::portErrorTitle);
}

// The message keeps its words; the serial component's description says the true cause.
void MainWindow::portFailure(const QString& text, const QString& title) {
    prompt_.ask({text, title, QMessageBox::NoIcon, QMessageBox::Ok,
                 Captions::describe(MSComm1->problem())});
}

void MainWindow::updateStatusBar() {
    statusBar()->showMessage(MSComm1->PortOpen()
                                 ? Captions::portActive(MSComm1->CommPort(), MSComm1->Settings())
                                 : Captions::portInactive);
}

void MainWindow::warn(const QString& description) {
    prompt_.ask({description, Captions::programTitle, QMessageBox::Warning});
}

QByteArray MainWindow::SendAndWaitFor(const QByteArray& cmd, const QByteArray& waitfor,
                                      qint16 TimeOutTime) {
    return exchange->SendAndWaitFor(cmd, waitfor, TimeOutTime);
}

QString MainWindow::Test_Function(qint16 index, const bool& ShowMsgs, bool& good) {
    return steps.Test_Function(index, ShowMsgs, good);
}

void MainWindow::StartCommand_Click() {
    MSComm1->setPortOpen(false);
    MSComm1->setPortOpen(true);
    if (!MSComm1->PortOpen()) {
        portFailure(Captions::portNotOpenedForRun(MSComm1->CommPort()), Captions::programTitle);
        return;
    }
    // The run outlives its window: a line lost while the banner is still on the wire is told
    // even when the operator has closed the window at once.
    run_ = std::make_unique<TestRun>(steps, *MSComm1, state, questions);
    record_.begin();
    ProgressForm progress(*run_, prompt_, this);
    // Queued, so the last row is shown before a box about the record could be.
    connect(run_.get(), &TestRun::finished, this, &MainWindow::recordRun, Qt::QueuedConnection);
    // The progress window covers the controls for the whole run, while every exchange
    // disables and enables them: one repaint at the end replaces one per toggle.
    centralWidget()->setUpdatesEnabled(false);
    progress.exec();
    centralWidget()->setUpdatesEnabled(true);
}

void MainWindow::recordRun() {
    const QString problem = record_.record(*run_, *MSComm1, state);
    if (!problem.isEmpty())
        prompt_.ask({problem, Captions::programTitle, QMessageBox::Warning});
}

// A closed port is opened first, as "Starte Tests" does.
void MainWindow::DemoCommand_Click() {
    if (!MSComm1->PortOpen() && !MSComm1->setPortOpen(true))
        return portFailure(Captions::portNotOpenedForDemo(MSComm1->CommPort()),
                           Captions::programTitle);
    qsizetype sent = 0;
    if (sendDemoText(*MSComm1, state, sent))
        demoLoss_->arm(sent);
    else if (MSComm1->PortOpen())
        warn(Captions::describe(MSComm1->problem()));
    else
        demoLost();
}

void MainWindow::demoLost() {
    prompt_.ask({Captions::connectionLostDuringDemo(MSComm1->CommPort()), Captions::programTitle,
                 QMessageBox::Warning});
}

void MainWindow::CommProps_Click() {
    PropertiesDialog dialog(*MSComm1, prompt_, this);
    dialog.exec();
    updateStatusBar();
}

void MainWindow::DoneTesting_Click() {
    close();
}

void MainWindow::cmbZRRows_Click() {
    state.TerminalRows = cmbZRRows->currentText().toShort();
}

void MainWindow::cmbZRCols_Click() {
    state.TerminalCols = cmbZRCols->currentText().toShort();
}

// Enter starts a run, as the window's default button, unless a button has the focus.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QMainWindow::keyPressEvent(event);
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused ? focused : StartCommand)->click();
}
