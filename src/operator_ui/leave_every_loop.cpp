#include "leave_every_loop.h"

#include <QCoreApplication>
#include <QTimer>

// exit() leaves every event loop running now, modal boxes and dialogs included, and makes
// any loop started later return at once; the exchange's wait ends on the cancel. The main
// loop clears that request when it starts, so during start-up it is repeated from there.
std::function<void()> leaveEveryLoop(bool& cancelRequested) {
    return [&cancelRequested] {
        cancelRequested = true;
        QCoreApplication::exit(0);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    };
}
