#include "run_driver.h"

#include "operator_ui/main_window.h"
#include "operator_ui/progress_form.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

RunRecord recordRows(const ProgressForm& form) {
    RunRecord record;
    record.opened = true;
    for (const QLabel* label : form.ResultLabel) {
        record.results << label->text();
        record.colours << label->palette().color(QPalette::Window);
        record.shown << !label->isHidden();
    }
    record.button = form.CancelCommand->text();
    return record;
}

QTimer* once(const std::function<bool()>& condition, const std::function<void()>& action) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, condition, action] {
        if (!condition())
            return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start(2);
    return poll;
}

RunRecord runTests(MainWindow& window, const std::function<void(ProgressForm&)>& during) {
    RunRecord record;
    auto form = std::make_shared<QPointer<ProgressForm>>();
    auto finish = std::make_shared<QPointer<QTimer>>();
    QPointer<QTimer> start = once(
        [form] {
            *form = qobject_cast<ProgressForm*>(QApplication::activeModalWidget());
            return !form->isNull();
        },
        [form, finish, during, &record] {
            if (during)
                during(**form);
            *finish =
                once([form] { return form->isNull() || (*form)->CancelCommand->text() == "OK"; },
                     [form, &record] {
                         if (form->isNull())
                             return;
                         record = recordRows(**form);
                         (*form)->CancelCommand->click();
                     });
        });
    window.StartCommand->click();
    delete start;
    delete *finish;
    return record;
}
