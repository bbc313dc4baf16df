#include "progress_form.h"

#include "device_link/line_setup.h"
#include "device_link/serial_port.h"
#include "device_link/terminal_commands.h"
#include "operator_ui/captions.h"
#include "operator_ui/operator_prompt.h"
#include "operator_ui/shared_state.h"
#include "test_steps.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor passed(0, 255, 0);
const QColor failed(255, 0, 0);
const QColor cancelled(255, 255, 0);
// Rows 5 and 6 belong to steps that do nothing; they run but are not shown.
constexpr int shownRows = 5;
} // namespace

ProgressForm::ProgressForm(TestSteps& steps, SerialPort& port, SharedState& state, QWidget* parent)
    : QDialog(parent), steps_(steps), port_(port), state_(state) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(Captions::progressWindow);
    buildRows();
    state_.CancelRequested = false;
    CancelCommand->setText(Captions::cancel);
    RunPending = true;
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(&port_, &SerialPort::deviceLost, this, &ProgressForm::onDeviceLost);
    connect(&port_, &SerialPort::outputStalled, this, [this] { outputStalled_ |= running(); });
}

void ProgressForm::buildRows() {
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < rowCount; ++i) {
        TestLabel[i] = new QLabel(Captions::stepCaptions[i], this);
        TestLabel[i]->setObjectName(QStringLiteral("TestLabel%1").arg(i));
        ResultLabel[i] = new QLabel(this);
        ResultLabel[i]->setObjectName(QStringLiteral("ResultLabel%1").arg(i));
        ResultLabel[i]->setMinimumWidth(340);
        ResultLabel[i]->setFrameShape(QFrame::Panel);
        ResultLabel[i]->setFrameShadow(QFrame::Sunken);
        ResultLabel[i]->setAutoFillBackground(true);
        TestLabel[i]->setVisible(i < shownRows);
        ResultLabel[i]->setVisible(i < shownRows);
        grid->addWidget(TestLabel[i], i, 0);
        grid->addWidget(ResultLabel[i], i, 1);
    }
    CancelCommand = new QPushButton(this);
    CancelCommand->setObjectName(QStringLiteral("CancelCommand"));
    CancelCommand->setDefault(true);
    connect(CancelCommand, &QPushButton::clicked, this, &ProgressForm::CancelCommand_Click);
    grid->addWidget(CancelCommand, rowCount, 1, Qt::AlignRight);
}

void ProgressForm::Form_Activate() {
    if (!RunPending)
        return;
    RunPending = false;
    state_.CancelRequested = deviceLost_;
    const QColor buttonFace = palette().color(QPalette::Button);
    for (int i = 0; i < state_.TestCount && i < rowCount; ++i)
        showResult(i, ResultLabel[i]->text(), buttonFace);
    for (int i = 0; i < state_.TestCount && i < rowCount; ++i)
        runStep(i);
    if (!state_.CancelRequested)
        writeBanner();
    CancelCommand->setText(Captions::ok);
    reportLineTrouble();
}

void ProgressForm::runStep(int index) {
    if (state_.CancelRequested) {
        showResult(index, Captions::stepCancelled, cancelled);
        return;
    }
    ResultLabel[index]->setText(Captions::stepRunning);
    const bool showMsgs = false;
    bool good = true;
    const QString result = steps_.Test_Function(static_cast<qint16>(index), showMsgs, good);
    if (state_.CancelRequested)
        showResult(index, Captions::stepCancelled, cancelled);
    else
        showResult(index, result, good ? passed : failed);
}

void ProgressForm::showResult(int index, const QString& text, const QColor& colour) {
    QLabel* label = ResultLabel[index];
    label->setText(text);
    QPalette shade = label->palette();
    shade.setColor(QPalette::Window, colour);
    label->setPalette(shade);
}

void ProgressForm::writeBanner() {
    using namespace TerminalCommands;
    port_.setOutput(bannerSpaces());
    port_.setOutput(clearDisplay());
    port_.setOutput(bannerGeometry(state_.TerminalCols, state_.TerminalRows));
    port_.setOutput(bannerEnd());
}

// A device gone mid-run ends the run as "Abbrechen" would: every remaining wait is futile.
void ProgressForm::onDeviceLost() {
    if (!running())
        return;
    deviceLost_ = true;
    state_.CancelRequested = true;
}

// A stall under RTS/CTS alone has another cause than the table's bytes; the rows tell it.
void ProgressForm::reportLineTrouble() {
    const int commPort = port_.CommPort();
    const int flow = port_.Handshaking();
    if (deviceLost_)
        steps_.prompt().ask(
            {Captions::connectionLost(commPort), Captions::programTitle, QMessageBox::Warning});
    else if (outputStalled_ && (flow == XonXoff || flow == XonXoffAndRtsCts))
        steps_.prompt().ask({Captions::outputStalledByFlowControl(commPort), Captions::programTitle,
                             QMessageBox::Warning});
}

bool ProgressForm::running() const {
    return CancelCommand->text() == Captions::cancel;
}

void ProgressForm::CancelCommand_Click() {
    if (running())
        state_.CancelRequested = true;
    else
        done(QDialog::Accepted);
}

bool ProgressForm::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, &ProgressForm::Form_Activate);
    return handled;
}

// Some platforms never activate a window (a headless test, a window manager that
// refuses focus); the run must start there all the same.
void ProgressForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &ProgressForm::Form_Activate);
}

// The frame's close box and Esc end here: they cancel while running and close after.
void ProgressForm::reject() {
    if (running())
        CancelCommand_Click();
    else
        QDialog::reject();
}
