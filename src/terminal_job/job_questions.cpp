#include "job_questions.h"

#include "test_sequence/captions.h"

void JobQuestions::tell(const RunNotice& notice) {
    QString text = Captions::oneLine(notice.text);
    if (notice.title != Captions::programTitle)
        text.prepend(notice.title + QLatin1Char(' '));
    emit this->notice(text);
}
