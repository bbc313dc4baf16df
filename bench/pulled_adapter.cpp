#include "pulled_adapter.h"

#include "device_link/serial_port.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "run_driver.h"
#include "sim_process.h"

#include <QApplication>
#include <QElapsedTimer>
#include <functional>

namespace {

// The simulator hangs up on this byte: the first of the recoding table.
constexpr int firstTableByte = 91;

// Marks the moment a message is asked for, and answers it.
class StampingPrompt : public OperatorPrompt {
public:
    explicit StampingPrompt(std::function<void()> stamp) : stamp_(std::move(stamp)) {}
    QMessageBox::StandardButton ask(const PromptMessage&) override {
        stamp_();
        return QMessageBox::Ok;
    }
    void dismiss() override {}

private:
    std::function<void()> stamp_;
};

} // namespace

// The button turns into "OK" just before the one box that names the loss.
double pulledAdapterLossToOkMs() {
    SimProcess sim(QApplication::applicationDirPath() + "/zr-terminal-sim",
                   {"--hangup-after", QString::number(firstTableByte)});
    if (!mapComOneTo(sim.slavePath()))
        return -1.0;
    QElapsedTimer clock;
    qint64 lostNs = -1;
    qint64 okNs = -1;
    StampingPrompt prompt([&] { okNs = clock.nsecsElapsed(); });
    MainWindow window(prompt);
    window.Form_Load();
    QObject::connect(window.MSComm1, &SerialPort::deviceLost, &window,
                     [&] { lostNs = clock.nsecsElapsed(); });
    clock.start();
    runTests(window);
    return lostNs < 0 || okNs < lostNs ? -1.0 : double(okNs - lostNs) / 1e6;
}
