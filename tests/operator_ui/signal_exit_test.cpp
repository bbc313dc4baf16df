#include "device_link/exchange.h"
#include "device_link/port_lock.h"
#include "device_link/terminal_commands.h"
#include "operator_ui/leave_every_loop.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "run_driver.h"
#include "sim/pty_terminal.h"
#include "test_sequence/signal_exit.h"
#include "test_store.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Scene { StartUpBox, Idle, SettingsDialog, RetryBox, ExchangeWait };

// What the child process found; anything but `Ended` is a fault.
enum Outcome { Ended = 0, LockNeverTaken = 10, LockLeft = 11, StoreChanged = 12, RunGoneOn = 13 };

QString lockFileOf(const std::string& slavePath) {
    return lockFilePath(QFileInfo(QString::fromStdString(slavePath)).canonicalFilePath());
}

QByteArray storeContents() {
    QFile store(QSettings(QStringLiteral("Quendal"), QStringLiteral("Quendal")).fileName());
    return store.open(QIODevice::ReadOnly) ? store.readAll() : QByteArray();
}

bool sceneIsUp(Scene scene, const MainWindow& window) {
    const QWidget* modal = QApplication::activeModalWidget();
    switch (scene) {
    case Scene::SettingsDialog:
        return modal && modal->objectName() == QStringLiteral("frmProperties");
    case Scene::StartUpBox:
    case Scene::RetryBox:
        return qobject_cast<const QMessageBox*>(modal) != nullptr;
    case Scene::ExchangeWait:
        return window.exchange->isWaiting();
    case Scene::Idle:
        break;
    }
    return window.isVisible();
}

// Runs the program as main() does, sends itself `signal` once the scene is up and reports
// whether the program ended cleanly.
Outcome endBySignal(Scene scene, int signal) {
    zrsim::SimOptions options;
    options.silent = scene == Scene::RetryBox;
    zrsim::PtyTerminal sim(options);
    TestStore::clear();
    const bool missing = scene == Scene::StartUpBox;
    TestStore::mapPort(1, missing ? QStringLiteral("/dev/null/gone")
                                  : QString::fromStdString(sim.slavePath()));
    const QByteArray store = storeContents();
    const QString lockFile = lockFileOf(sim.slavePath());
    {
        MessageBoxPrompt prompt;
        MainWindow window(prompt);
        SignalExit signalExit(leaveEveryLoop(window.state.CancelRequested));
        once([&] { return sceneIsUp(scene, window); }, [signal] { ::kill(::getpid(), signal); });
        window.Form_Load();
        window.show();
        if (!missing && !QFile::exists(lockFile))
            return LockNeverTaken;
        if (scene == Scene::SettingsDialog)
            QTimer::singleShot(0, window.CommProps, &QPushButton::click);
        if (scene == Scene::RetryBox || scene == Scene::ExchangeWait)
            QTimer::singleShot(0, window.StartCommand, &QPushButton::click);
        QApplication::exec();
    }
    if (QFile::exists(lockFile))
        return LockLeft;
    // A run abandoned in its first step's wait never reaches the fixed texts.
    if (QByteArray::fromStdString(sim.received()).contains(TerminalCommands::fixedTextTransfer()))
        return RunGoneOn;
    return storeContents() == store ? Ended : StoreChanged;
}

TEST(SignalExitTest, EachEndingSignalLeavesEveryWaitAndClosesThePortWithoutStoring) {
    const std::pair<Scene, int> cases[] = {{Scene::StartUpBox, SIGINT},
                                           {Scene::Idle, SIGTERM},
                                           {Scene::SettingsDialog, SIGINT},
                                           {Scene::RetryBox, SIGHUP},
                                           {Scene::ExchangeWait, SIGTERM}};
    for (const auto& [scene, signal] : cases) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(30); // a program that does not end is killed, and the case fails
            ::_exit(endBySignal(scene, signal));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "scene " << int(scene) << ": ended by signal "
                                       << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        EXPECT_EQ(WEXITSTATUS(status), Ended) << "scene " << int(scene);
    }
}

} // namespace

// A second would take over the first's pipe and save its handlers as the earlier ones.
TEST(SignalExitDeathTest, ASecondInstanceFailsLoudly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            SignalExit first([] {});
            SignalExit second([] {});
        },
        "second instance");
}
