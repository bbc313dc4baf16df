#pragma once

#include "operator_ui/operator_prompt.h"

#include <deque>
#include <functional>
#include <vector>

// Answers message boxes without showing them and remembers what was asked.
class ScriptedPrompt : public OperatorPrompt {
public:
    QMessageBox::StandardButton ask(const PromptMessage& message) override;
    // A box taken back while `whileShown` runs answers Cancel, whatever was scripted.
    void dismiss() override { dismissed = true; }

    std::vector<PromptMessage> shown;
    // Answers in order; when none is left: OK where offered, otherwise Cancel.
    std::deque<QMessageBox::StandardButton> answers;
    // Runs while the box is "open", for example to press a button of another window.
    std::function<void(const PromptMessage&)> whileShown;
    bool dismissed = false;
};
