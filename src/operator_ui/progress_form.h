#pragma once

#include "test_sequence/test_run.h"

#include <QDialog>
#include <array>

class OperatorPrompt;
class QLabel;
class QPushButton;

// "Testlauf": starts the run once when it first becomes active and shows one coloured
// result row per step; its one button cancels the run, then closes the window. A red row
// tells, in its tooltip and on a click, which exchanges did not get their echo.
class ProgressForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int rowCount = 7;

    ProgressForm(TestRun& run, OperatorPrompt& prompt, QWidget* parent = nullptr);

    void Form_Activate();
    void CancelCommand_Click();
    bool RunPending = true;

    std::array<QLabel*, rowCount> TestLabel{};
    std::array<QLabel*, rowCount> ResultLabel{};
    QPushButton* CancelCommand = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void buildRows();
    void showStarted(int index);
    void showFinished(const StepResult& step);
    void showResult(int index, const QString& text, const QColor& colour);
    void showFailures(int index);
    QList<ExchangeFailure> failuresOf(int index) const;

    TestRun& run_;
    OperatorPrompt& prompt_;
};
