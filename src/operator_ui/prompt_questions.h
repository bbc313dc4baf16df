#pragma once

#include "test_sequence/run_questions.h"

class OperatorPrompt;

// The run's questions and notices as the window's message boxes.
class PromptQuestions : public RunQuestions {
public:
    explicit PromptQuestions(OperatorPrompt& prompt) : prompt_(prompt) {}

    bool retryProbe(const RunNotice& question) override;
    void tell(const RunNotice& notice) override;
    void withdraw() override;

private:
    OperatorPrompt& prompt_;
};
