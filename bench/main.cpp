// Measures complete test runs against zr-terminal-sim in its own process: once as fast as
// the pseudo-terminal goes, once with the line emulated at 9600 baud 8E1.
#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "figures.h"
#include "measure.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "sim_process.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// A passing run asks nothing; anything else is answered at once so the figures still come.
class SilentPrompt : public OperatorPrompt {
public:
    QMessageBox::StandardButton ask(const PromptMessage& message) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(message.text));
        return message.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Cancel;
    }
};

constexpr int echoesPerRun = 32 + 32 + 384;
constexpr double bitsPerByte8E1 = 11;

struct Session {
    std::vector<RunMeasure> runs;
    std::vector<double> roundTrips;
    qint64 bytesSent = 0;
};

Session measure(const QStringList& simArguments, int runs, int roundTrips, const QString& folder) {
    const QString record = folder + "/record.txt";
    SimProcess sim(QApplication::applicationDirPath() + "/zr-terminal-sim",
                   simArguments + QStringList{"--record", record});
    Session session;
    if (sim.slavePath().isEmpty()) {
        std::fprintf(stderr, "zr-terminal-sim did not start\n");
        return session;
    }
    QString error;
    if (!SettingsStore::write({{SettingsStore::portsSection, "COM1", sim.slavePath()}}, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return session;
    }
    SilentPrompt prompt;
    MainWindow window(prompt);
    window.Form_Load();
    for (int i = 0; i < runs; ++i)
        session.runs.push_back(measureRun(window));
    session.roundTrips = roundTripsUs(window, roundTrips);
    window.MSComm1->setPortOpen(false);
    sim.stop();
    // Each round trip sent one byte, and every 32 of them a three-byte command.
    const qint64 roundTripBytes = roundTrips + 3 * ((roundTrips + 31) / 32);
    session.bytesSent = runs > 0 ? (recordedBytes(record) - roundTripBytes) / runs : 0;
    return session;
}

Figure figure(const QString& name, const QString& unit, const std::vector<RunMeasure>& runs,
              double (*value)(const RunMeasure&)) {
    Figure f{name, unit, {}};
    for (const RunMeasure& run : runs)
        f.values.push_back(value(run));
    return f;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    const bool json = app.arguments().contains("--json");
    const int runs = 5;

    const Session plain = measure({}, runs, echoesPerRun, folder.path());
    const Session line = measure({"--baud", "9600", "--framing", "8E1"}, runs, 0, folder.path());

    std::vector<Figure> figures{
        figure("plain.run_wall", "ms", plain.runs, [](const RunMeasure& r) { return r.wallMs; }),
        figure("plain.run_processor", "ms", plain.runs,
               [](const RunMeasure& r) { return r.processorMs; }),
        {"plain.round_trip_median", "us", {Figure{"", "", plain.roundTrips}.median()}},
        {"plain.round_trip_p99", "us", {Figure{"", "", plain.roundTrips}.percentile(99)}},
        figure("9600.run_wall", "ms", line.runs, [](const RunMeasure& r) { return r.wallMs; })};
    const double floorMs = double(line.bytesSent + echoesPerRun) * bitsPerByte8E1 / 9600.0 * 1000.0;
    figures.push_back({"9600.line_floor", "ms", {floorMs}});
    Figure ratio{"9600.wall_over_floor", "x", {}}, share{"9600.processor_share", "%", {}};
    for (const RunMeasure& r : line.runs) {
        ratio.values.push_back(r.wallMs / floorMs);
        share.values.push_back(100.0 * r.processorMs / r.wallMs);
    }
    figures.push_back(ratio);
    figures.push_back(share);
    printFigures(figures, json);
    const auto passed = [](const Session& s) {
        return !s.runs.empty() && std::all_of(s.runs.begin(), s.runs.end(),
                                              [](const RunMeasure& r) { return r.passed; });
    };
    if (!passed(plain) || !passed(line)) {
        std::fprintf(stderr,
                     "not every run passed all rows: the figures do not describe a complete run\n");
        return 1;
    }
    return 0;
}
