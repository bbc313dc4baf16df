#include "station_bench.h"

#include "figures.h"
#include "measure.h"
#include "run_record/record_places.h"
#include "run_record/record_query.h"
#include "sim_process.h"
#include "station_window/slot_panel.h"
#include "station_window/station.h"
#include "station_window/station_window.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>
#include <thread>

namespace {

constexpr int slotsAtOnce = 8;
// A scanner's eight labels, typed key by key, all within a second.
constexpr int typingMs = 900;
constexpr int probeEveryMs = 10;
constexpr int phaseLimitMs = 60'000;
// What the record's look-ups and the day's figures take after a phase, left out of the next.
constexpr int settleMs = 300;
constexpr int idleMs = 1000;
// Nothing in the window answers this key.
constexpr Qt::Key probeKey = Qt::Key_F35;

using Simulators = std::vector<std::unique_ptr<SimProcess>>;

// One simulator process per slot, as each slot is a terminal of its own.
Simulators startSimulators(StationOptions& options) {
    Simulators simulators;
    for (int i = 0; i < slotsAtOnce; ++i) {
        simulators.push_back(std::make_unique<SimProcess>(
            QCoreApplication::applicationDirPath() + "/zr-terminal-sim",
            QStringList{"--baud", "9600", "--framing", "8E1"}));
        const QString line = simulators.back()->slavePath();
        options.terminals.append({line, 0, line});
    }
    return simulators;
}

// Posts a key the window ignores from a thread of its own, at a steady pace whatever the
// window does, and takes the time until the event loop delivers it: a loop held up is seen
// as the keys that waited for it, not hidden because the probe waited too.
class KeyProbe : public QObject {
public:
    explicit KeyProbe(QWidget* target) : target_(target) {
        target_->installEventFilter(this);
        // A key event names its keyboard, which is made on first use and must be made here.
        QInputDevice::primaryKeyboard();
        clock_.start();
    }
    ~KeyProbe() override { stop(); }

    void start() {
        latenciesMs_.clear();
        posting_ = true;
        poster_ = std::thread([this] {
            while (posting_) {
                auto* key = new QKeyEvent(QEvent::KeyPress, probeKey, Qt::NoModifier);
                key->setTimestamp(quint64(clock_.nsecsElapsed() / 1000));
                QCoreApplication::postEvent(target_, key);
                std::this_thread::sleep_for(std::chrono::milliseconds(probeEveryMs));
            }
        });
    }

    // The latencies since start(); keys still waiting are delivered now and counted.
    std::vector<double> stop() {
        if (!poster_.joinable())
            return latenciesMs_;
        posting_ = false;
        poster_.join();
        QCoreApplication::sendPostedEvents(target_, QEvent::KeyPress);
        return latenciesMs_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != target_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != probeKey)
            return false;
        const qint64 nowUs = clock_.nsecsElapsed() / 1000;
        latenciesMs_.push_back(double(nowUs - qint64(key->timestamp())) / 1000.0);
        return true;
    }

private:
    QWidget* target_;
    QElapsedTimer clock_;
    std::atomic<bool> posting_ = false;
    std::thread poster_;
    std::vector<double> latenciesMs_;
};

// Types serials as a barcode scanner does: key by key into whatever field has the focus, each
// ended with Enter, at a steady pace.
class Scanner {
public:
    Scanner(StationWindow& window, const QStringList& serials) : window_(window) {
        for (const QString& serial : serials)
            keys_ += serial.toLatin1() + '\n';
        typing_.setTimerType(Qt::PreciseTimer);
        typing_.setInterval(
            std::max(1, typingMs / slotsAtOnce / int(keys_.size() / serials.size())));
        QObject::connect(&typing_, &QTimer::timeout, &typing_, [this] { typeNext(); });
    }

    void start(const std::function<void()>& typed) {
        typed_ = typed;
        typing_.start();
    }
    bool done() const { return next_ >= keys_.size(); }
    // Whether every key found a serial field to type into.
    bool reachedFields() const { return reachedFields_; }

private:
    void typeNext() {
        auto* field = qobject_cast<QLineEdit*>(window_.focusWidget());
        reachedFields_ = reachedFields_ && field && field->isEnabled();
        const char key = keys_[next_++];
        if (field && key == '\n')
            QTest::keyClick(field, Qt::Key_Return);
        else if (field)
            QTest::keyClick(field, key);
        if (!done())
            return;
        typing_.stop();
        typed_();
    }

    StationWindow& window_;
    QByteArray keys_;
    qsizetype next_ = 0;
    QTimer typing_;
    std::function<void()> typed_;
    bool reachedFields_ = true;
};

struct Phase {
    double wallMs = 0;
    double processorMs = 0;
    std::vector<double> keyLatenciesMs;
    bool complete = false; // every scan reached its field and every slot ended in time
};

// From the first key of the first serial until the last slot's panel shows its verdict.
Phase runPhase(Station& station, StationWindow& window, KeyProbe& probe,
               const QStringList& serials) {
    window.panel(0)->serialField()->setFocus();
    QEventLoop loop;
    QObject context;
    Scanner scanner(window, serials);
    bool timedOut = false;
    const auto endWhenDone = [&] {
        if (scanner.done() && !station.anyRunning())
            loop.quit();
    };
    // Queued, so that the last panel has shown its verdict too.
    QObject::connect(&station, &Station::allEnded, &context, endWhenDone, Qt::QueuedConnection);
    QTimer::singleShot(phaseLimitMs, &context, [&] {
        timedOut = true;
        loop.quit();
    });
    Phase phase;
    const double processorBefore = processorMs();
    QElapsedTimer clock;
    clock.start();
    probe.start();
    scanner.start(endWhenDone);
    loop.exec();
    phase.keyLatenciesMs = probe.stop();
    phase.wallMs = double(clock.nsecsElapsed()) / 1e6;
    phase.processorMs = processorMs() - processorBefore;
    phase.complete = !timedOut && scanner.reachedFields();
    return phase;
}

// The window with every slot ready and the probe at work: what the bench itself and an idle
// window cost, to be set against the phases.
Phase idlePhase(KeyProbe& probe) {
    QEventLoop loop;
    QTimer::singleShot(idleMs, &loop, &QEventLoop::quit);
    Phase phase;
    const double processorBefore = processorMs();
    QElapsedTimer clock;
    clock.start();
    probe.start();
    loop.exec();
    phase.keyLatenciesMs = probe.stop();
    phase.wallMs = double(clock.nsecsElapsed()) / 1e6;
    phase.processorMs = processorMs() - processorBefore;
    phase.complete = true;
    return phase;
}

void settle() {
    QEventLoop loop;
    QTimer::singleShot(settleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// Each serial's run as the station's file holds it; false, said on standard error, when one
// is missing or did not pass.
bool recordedDurations(const QStringList& serials, std::vector<double>& durationsMs) {
    RecordQuery record = RecordQuery::local(RecordPlaces::resolve({}));
    QString message;
    if (!record.open(message)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return false;
    }
    bool passed = true;
    for (const QString& serial : serials) {
        QList<RecordedRun> runs;
        if (!record.history({serial, {}, {}, {}, false}, 1, runs, message) || runs.isEmpty()) {
            std::fprintf(stderr, "%s not recorded %s\n", qPrintable(serial), qPrintable(message));
            passed = false;
            continue;
        }
        passed = passed && runs[0].terminal.verdict == TerminalRun::Passed;
        durationsMs.push_back(double(runs[0].terminal.durationMs));
    }
    return passed;
}

QStringList serialsOf(int round, int count) {
    QStringList serials;
    for (int i = 0; i < count; ++i)
        serials << QStringLiteral("SN-R%1-%2-%3")
                       .arg(round, 2, 10, QLatin1Char('0'))
                       .arg(count)
                       .arg(i + 1);
    return serials;
}

void showAndWaitForExposure(StationWindow& window) {
    window.show();
    const QDeadlineTimer deadline(5000);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::setActiveWindow(&window);
}

struct Figures {
    Figure loneDuration{"slots.1.duration", "ms", {}};
    Figure eightDuration{"slots.8.duration", "ms", {}};
    Figure overLone{"slots.8.duration_over_lone", "x", {}, "<= 1.05"};
    Figure worstOverLone{"slots.8.worst_over_lone", "x", {}, "<= 1.05"};
    Figure loneLatencyMax{"slots.1.key_latency_max", "ms", {}};
    Figure latencyP99{"slots.8.key_latency_p99", "ms", {}, "<= 50"};
    Figure latencyMax{"slots.8.key_latency_max", "ms", {}, "<= 50"};
    Figure idleShare{"slots.0.processor_share", "%", {}};
    Figure loneShare{"slots.1.processor_share", "%", {}};
    Figure share{"slots.8.processor_share_per_slot", "%", {}, "<= 3"};
    // The same time set against the slots' own recorded durations, without the typing.
    Figure shareRunning{"slots.8.processor_over_durations", "%", {}};

    void add(const Phase& idle, const Phase& lone, double loneMs, const Phase& eight,
             const std::vector<double>& eightMs) {
        idleShare.values.push_back(idle.processorMs / idle.wallMs * 100.0);
        loneDuration.values.push_back(loneMs);
        double worst = 0;
        for (double ms : eightMs) {
            eightDuration.values.push_back(ms);
            overLone.values.push_back(ms / loneMs);
            worst = std::max(worst, ms / loneMs);
        }
        worstOverLone.values.push_back(worst);
        loneLatencyMax.values.push_back(Figure{"", "", lone.keyLatenciesMs}.max());
        latencyP99.values.push_back(Figure{"", "", eight.keyLatenciesMs}.percentile(99));
        latencyMax.values.push_back(Figure{"", "", eight.keyLatenciesMs}.max());
        loneShare.values.push_back(lone.processorMs / lone.wallMs * 100.0);
        share.values.push_back(eight.processorMs / eight.wallMs / slotsAtOnce * 100.0);
        shareRunning.values.push_back(eight.processorMs /
                                      std::accumulate(eightMs.begin(), eightMs.end(), 0.0) * 100.0);
    }

    std::vector<Figure> all() const {
        return {loneDuration, eightDuration, overLone,  worstOverLone, loneLatencyMax, latencyP99,
                latencyMax,   idleShare,     loneShare, share,         shareRunning};
    }
};

} // namespace

int benchmarkStation(int rounds, bool json) {
    StationOptions options;
    options.station = QStringLiteral("Bench");
    options.operatorName = QStringLiteral("bench");
    const Simulators simulators = startSimulators(options);
    for (const TerminalChoice& terminal : options.terminals)
        if (terminal.device.isEmpty()) {
            std::fprintf(stderr, "slots not measured: a simulator did not start\n");
            return 1;
        }
    std::fprintf(stderr,
                 "quendal --slots measured in this process, %s, one simulator per slot "
                 "at 9600 baud 8E1\n",
                 QGuiApplication::platformName() == QStringLiteral("xcb")
                     ? "the window shown (xcb)"
                     : "the window offscreen (no display)");
    Station station(options);
    StationWindow window(station);
    showAndWaitForExposure(window);
    KeyProbe probe(window.findChild<QLabel*>(QStringLiteral("stationHeader")));
    settle();

    Figures figures;
    bool passed = true;
    for (int round = 1; round <= rounds && passed; ++round) {
        const Phase idle = idlePhase(probe);
        const QStringList loneSerial = serialsOf(round, 1);
        const Phase lone = runPhase(station, window, probe, loneSerial);
        settle();
        const QStringList eightSerials = serialsOf(round, slotsAtOnce);
        const Phase eight = runPhase(station, window, probe, eightSerials);
        settle();
        std::vector<double> loneMs, eightMs;
        passed = lone.complete && eight.complete && recordedDurations(loneSerial, loneMs) &&
                 recordedDurations(eightSerials, eightMs);
        if (passed)
            figures.add(idle, lone, loneMs.front(), eight, eightMs);
    }
    printFigures(figures.all(), json);
    if (!passed)
        std::fprintf(stderr, "a slot did not pass, or a scan missed its field: the figures do "
                             "not describe complete runs\n");
    return passed ? 0 : 1;
}
