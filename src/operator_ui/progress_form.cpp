#include "progress_form.h"

#include "operator_prompt.h"
#include "window_captions.h"

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

const QColor& colourOf(StepResult::Outcome outcome) {
    switch (outcome) {
    case StepResult::Passed:
        return passed;
    case StepResult::Failed:
        return failed;
    case StepResult::Cancelled:
        break;
    }
    return cancelled;
}
} // namespace

ProgressForm::ProgressForm(TestRun& run, OperatorPrompt& prompt, QWidget* parent)
    : QDialog(parent), run_(run), prompt_(prompt) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(Captions::progressWindow);
    buildRows();
    CancelCommand->setText(Captions::cancel);
    RunPending = true;
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(&run_, &TestRun::stepStarted, this, &ProgressForm::showStarted);
    connect(&run_, &TestRun::stepFinished, this, &ProgressForm::showFinished);
    connect(&run_, &TestRun::finished, this, [this] { CancelCommand->setText(Captions::ok); });
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
        ResultLabel[i]->installEventFilter(this);
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
    const QColor buttonFace = palette().color(QPalette::Button);
    for (int i = 0; i < rowCount; ++i)
        showResult(i, ResultLabel[i]->text(), buttonFace);
    run_.run();
}

void ProgressForm::showStarted(int index) {
    if (index < rowCount)
        ResultLabel[index]->setText(Captions::stepRunning);
}

void ProgressForm::showFinished(const StepResult& step) {
    if (step.index >= rowCount)
        return;
    showResult(step.index, step.result, colourOf(step.outcome));
    ResultLabel[step.index]->setToolTip(
        step.failures.isEmpty() ? QString() : Captions::failedExchanges(step.failures));
    if (!step.failures.isEmpty())
        ResultLabel[step.index]->setCursor(Qt::PointingHandCursor);
}

void ProgressForm::showResult(int index, const QString& text, const QColor& colour) {
    QLabel* label = ResultLabel[index];
    label->setText(text);
    QPalette shade = label->palette();
    shade.setColor(QPalette::Window, colour);
    label->setPalette(shade);
}

// The same list as the tooltip, in a box that stays until the technician has read it.
void ProgressForm::showFailures(int index) {
    prompt_.ask({Captions::failedExchangesIntro(TestLabel[index]->text()),
                 Captions::failedExchangesTitle, QMessageBox::Information, QMessageBox::Ok,
                 Captions::failedExchanges(failuresOf(index))});
}

bool ProgressForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && run_.ended()) {
        for (int i = 0; i < rowCount; ++i)
            if (watched == ResultLabel[i] && !failuresOf(i).isEmpty()) {
                showFailures(i);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

// The run keeps every row's result in order, failures included.
QList<ExchangeFailure> ProgressForm::failuresOf(int index) const {
    return run_.results().value(index).failures;
}

void ProgressForm::CancelCommand_Click() {
    if (run_.ended())
        done(QDialog::Accepted);
    else
        run_.cancel();
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
    if (run_.ended())
        QDialog::reject();
    else
        CancelCommand_Click();
}
