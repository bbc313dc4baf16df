#include "operator_prompt.h"

#include <QApplication>
#include <QRegularExpression>

namespace {

// A word this long is a path or a value pasted in; shown whole it would widen the box past
// the screen, so its middle gives way and the whole text becomes the box's tooltip.
constexpr int longestWord = 80;

QString shortened(const QString& text) {
    static const QRegularExpression longWord(QStringLiteral("\\S{%1,}").arg(longestWord + 1));
    QString result = text;
    auto match = longWord.match(result);
    while (match.hasMatch()) {
        const QString word = match.captured();
        const QString cut =
            word.left(longestWord / 2) + QChar(0x2026) + word.right(longestWord / 2);
        result.replace(match.capturedStart(), word.size(), cut);
        match = longWord.match(result, match.capturedStart() + cut.size());
    }
    return result;
}

} // namespace

QMessageBox::StandardButton MessageBoxPrompt::ask(const PromptMessage& message) {
    QString text = message.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString details = message.details;
    QMessageBox box(message.icon, message.title, shortened(text), message.buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(shortened(details));
    if (box.text() != text || box.informativeText() != details)
        box.setToolTip(details.isEmpty() ? text : text + QStringLiteral("\n\n") + details);
    shown_ = &box;
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    shown_ = nullptr;
    return answer;
}

void MessageBoxPrompt::dismiss() {
    if (!shown_)
        return;
    const bool cancellable = shown_->standardButtons().testFlag(QMessageBox::Cancel);
    shown_->done(cancellable ? QMessageBox::Cancel : QMessageBox::Ok);
}
