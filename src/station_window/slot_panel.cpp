#include "slot_panel.h"

#include "station_captions.h"
#include "station_colours.h"
#include "test_sequence/step_result.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int cellCount = 7;
constexpr int tickMs = 1000;
// Read from a metre and a half away: about three times the window's own text.
constexpr double stateScale = 2.6;
// Wide enough for a path and its adapter, and for the silent terminal's question.
constexpr int panelWidth = 380;

QLabel* shaded(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAutoFillBackground(true);
    return label;
}

void shade(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

} // namespace

SlotPanel::SlotPanel(int number, const QString& name, QWidget* parent)
    : QFrame(parent), number_(number) {
    setObjectName(QStringLiteral("slotPanel%1").arg(number));
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(panelWidth);
    build(name);
    ticking_.setInterval(tickMs);
    connect(&ticking_, &QTimer::timeout, this, &SlotPanel::showDuration);
    connect(serial_, &QLineEdit::returnPressed, this, [this] { emit scanned(serial_->text()); });
    connect(serial_, &QLineEdit::textEdited, refusal_, &QLabel::clear);
    // One answer per question: the buttons go at the first press.
    connect(retry_, &QPushButton::clicked, this, [this] {
        hideQuestion();
        emit answered(true);
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        hideQuestion();
        emit answered(false);
    });
    setState(Captions::slotReady, palette().color(QPalette::Button));
}

void SlotPanel::build(const QString& name) {
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("%1  %2").arg(number_).arg(name), this);
    title->setObjectName(QStringLiteral("slotName"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    serial_ = new QLineEdit(this);
    serial_->setObjectName(QStringLiteral("serialField"));
    serial_->setPlaceholderText(Captions::serialPlaceholder);
    title->setBuddy(serial_);
    layout->addWidget(serial_);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("serialRefusal"));
    refusal_->setWordWrap(true);
    layout->addWidget(refusal_);
    state_ = shaded(this);
    state_->setObjectName(QStringLiteral("slotState"));
    state_->setAlignment(Qt::AlignCenter);
    QFont large = state_->font();
    large.setPointSizeF(large.pointSizeF() * stateScale);
    large.setBold(true);
    state_->setFont(large);
    layout->addWidget(state_);
    auto* cells = new QHBoxLayout;
    for (int i = 0; i < cellCount; ++i) {
        QLabel* cell = shaded(this);
        cell->setObjectName(QStringLiteral("stepCell%1").arg(i));
        cell->setFixedSize(28, 14);
        cell->setFrameShape(QFrame::Box);
        cell->setToolTip(Captions::stepCaptions[i]);
        cells_.append(cell);
        cells->addWidget(cell);
    }
    cells->addStretch();
    duration_ = new QLabel(this);
    duration_->setObjectName(QStringLiteral("slotDuration"));
    cells->addWidget(duration_);
    layout->addLayout(cells);
    past_ = new QLabel(this);
    past_->setObjectName(QStringLiteral("slotPast"));
    past_->setWordWrap(true);
    layout->addWidget(past_);
    details_ = new QLabel(this);
    details_->setObjectName(QStringLiteral("slotDetails"));
    details_->setWordWrap(true);
    layout->addWidget(details_);
    layout->addWidget(buildQuestion());
    layout->addStretch();
}

QWidget* SlotPanel::buildQuestion() {
    question_ = new QWidget(this);
    auto* layout = new QGridLayout(question_);
    layout->setContentsMargins(0, 0, 0, 0);
    questionText_ = new QLabel(question_);
    questionText_->setObjectName(QStringLiteral("slotQuestion"));
    questionText_->setWordWrap(true);
    QFont bold = questionText_->font();
    bold.setBold(true);
    questionText_->setFont(bold);
    retry_ = new QPushButton(Captions::retry, question_);
    retry_->setObjectName(QStringLiteral("retryButton"));
    cancel_ = new QPushButton(Captions::cancel, question_);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(questionText_, 0, 0, 1, 2);
    layout->addWidget(retry_, 1, 0);
    layout->addWidget(cancel_, 1, 1);
    // The panels keep their size when a question comes and goes, so nothing moves under a scan.
    QSizePolicy keep = question_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    question_->setSizePolicy(keep);
    question_->hide();
    return question_;
}

void SlotPanel::setState(const QString& text, const QColor& colour) {
    state_->setText(text);
    shade(state_, colour);
}

// The refused text stays selected, so the next scan replaces it.
void SlotPanel::showRefusal(const QString& reason) {
    refusal_->setText(reason);
    serial_->selectAll();
}

// The last unit's result stays on view until this moment.
void SlotPanel::showStarted(const QString& serial) {
    running_ = true;
    serial_->setText(serial);
    serial_->setEnabled(false);
    refusal_->clear();
    past_->setText(QStringLiteral("…"));
    details_->clear();
    detailLines_.clear();
    cancelShown_ = false;
    for (QLabel* cell : cells_) {
        shade(cell, palette().color(QPalette::Button));
        cell->setToolTip(Captions::stepCaptions[cells_.indexOf(cell)]);
    }
    setState(Captions::slotRunning, palette().color(QPalette::Button));
    took_.start();
    showDuration();
    ticking_.start();
}

void SlotPanel::showStepStarted(int index) {
    if (index < cellCount)
        cells_[index]->setToolTip(
            Captions::stepTip(Captions::stepCaptions[index], Captions::stepRunning));
}

void SlotPanel::showStep(int index, const QString& caption, const QString& result, int outcome) {
    if (index >= cellCount)
        return;
    const auto step = StepResult::Outcome(outcome);
    shade(cells_[index], StationColours::ofStep(step));
    cells_[index]->setToolTip(Captions::stepTip(caption, result));
    // After a cancel every later row reads the same: the first one says it.
    if (step == StepResult::Failed || (step == StepResult::Cancelled && !cancelShown_))
        showNotice(Captions::stepTip(caption, result));
    cancelShown_ |= step == StepResult::Cancelled;
}

// The question's first line says what is wrong; the whole of it is in the tooltip.
void SlotPanel::showQuestion(const QString& text) {
    questionText_->setText(text.section(QLatin1Char('\r'), 0, 0));
    questionText_->setToolTip(Captions::oneLine(text));
    question_->show();
}

void SlotPanel::hideQuestion() {
    question_->hide();
}

void SlotPanel::showNotice(const QString& line) {
    detailLines_.append(line);
    details_->setText(detailLines_.join(QLatin1Char('\n')));
}

void SlotPanel::showPast(const QString& text, bool passed) {
    past_->setText(text);
    QFont font = past_->font();
    font.setBold(passed);
    past_->setFont(font);
}

void SlotPanel::showEnded(const TerminalRun& report) {
    running_ = false;
    ticking_.stop();
    hideQuestion();
    duration_->setText(Captions::slotDuration(report.durationMs));
    setState(Captions::verdictWord(report.verdict), StationColours::ofVerdict(report.verdict));
    // A record that could not be written came as the job's last notice; the verdict stays.
    if (!report.message.isEmpty() && !detailLines_.contains(report.message))
        showNotice(report.message);
    serial_->clear();
    serial_->setEnabled(true);
}

void SlotPanel::showDuration() {
    duration_->setText(Captions::slotDuration(took_.elapsed()));
}
