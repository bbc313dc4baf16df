#include "waiting_controls.h"

#include "operator_prompt.h"
#include "window_captions.h"

void WaitingControls::waitStarted() {
    if (controls_)
        controls_->setEnabled(false);
}

void WaitingControls::waitEnded() {
    if (controls_)
        controls_->setEnabled(true);
}

void WaitingControls::noAnswer(const QByteArray& sent) {
    prompt_.ask({Captions::noAnswer(QString::fromLatin1(sent)), Captions::programTitle});
}
