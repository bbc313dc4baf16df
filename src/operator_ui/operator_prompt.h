#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

// One message box as the operator sees it. A CR inside the text is a line break.
struct PromptMessage {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // Shown beneath the text: the cause of a failure in the serial component's words.
    QString details = {};
};

// Every modal message box of the program goes through this, so tests can answer them.
class OperatorPrompt {
public:
    virtual ~OperatorPrompt() = default;
    // Shows the message and returns the button the operator chose.
    virtual QMessageBox::StandardButton ask(const PromptMessage& message) = 0;
    // Closes the box shown now, if any, as its Cancel (or its only button) would.
    virtual void dismiss() = 0;
};

// The real thing: a QMessageBox over the window that is active now.
class MessageBoxPrompt : public OperatorPrompt {
public:
    QMessageBox::StandardButton ask(const PromptMessage& message) override;
    void dismiss() override;

private:
    QPointer<QMessageBox> shown_;
};
