#include "modal_driver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <memory>

void whenModalShown(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* poll = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal && modal->isVisible();
        if (!shown && clock->elapsed() < timeoutMs)
            return;
        poll->stop();
        poll->deleteLater();
        if (!shown)
            return;
        QPointer<QWidget> window = modal;
        action(modal);
        QTimer::singleShot(timeoutMs, qApp, [window] {
            if (window && window->isVisible())
                window->close();
        });
    });
    poll->start(10);
}
