#include "record_bench.h"

#include "child_usage.h"
#include "figures.h"
#include "pg_server.h"
#include "record_generator.h"
#include "run_record/run_recorder.h"
#include "silent_server.h"
#include "sim_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

constexpr int batchTerminals = 16;
constexpr int generatedRuns = 200000;
constexpr int waitingRuns = 10000;
// A quarter at a line of twice the stations: what a yield page is asked to show at most.
constexpr int pageDays = 90;
constexpr int pageStations = 8;

QString beside(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

double msSince(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

// The batch as a line runs it, then the same sixteen records written at once in-process: the
// recording's share is the second over the first.
void addRecordingShare(std::vector<Figure>& figures, int rounds, const QString& folder) {
    std::vector<std::unique_ptr<SimProcess>> sims;
    QStringList arguments{"--run"};
    for (int i = 0; i < batchTerminals; ++i) {
        sims.push_back(std::make_unique<SimProcess>(
            beside("zr-terminal-sim"), QStringList{"--baud", "9600", "--framing", "8E1"}));
        arguments << "--device" << sims.back()->slavePath() << "--unit"
                  << sims.back()->slavePath() + QStringLiteral("=SN-B%1").arg(i);
    }
    Figure batch{"record.batch16.wall", "ms", {}};
    Figure recording{"record.batch16.recording", "ms", {}};
    Figure share{"record.batch16.recording_share", "%", {}, "<= 2"};
    RunRecorder recorder({folder + "/share/records.sqlite", {}});
    for (int round = 0; round < rounds; ++round) {
        const ChildUsage run = runHeadless(beside("quendal"), arguments, folder);
        if (!run.exited || run.exitStatus != 0)
            std::fprintf(stderr, "a batch did not pass (status %d)\n", run.exitStatus);
        const RunIdentity identity = RunIdentity::begin("run", {}, {}, "bench");
        QElapsedTimer clock;
        clock.start();
        std::vector<std::thread> threads;
        for (int i = 0; i < batchTerminals; ++i)
            threads.emplace_back([&recorder, &identity, i] {
                TerminalRun terminal = typicalTerminalRun(QStringLiteral("COM%1").arg(i + 1),
                                                          QStringLiteral("SN-B%1").arg(i));
                recorder.record(identity, terminal);
            });
        for (std::thread& thread : threads)
            thread.join();
        batch.values.push_back(run.wallMs);
        recording.values.push_back(msSince(clock));
        share.values.push_back(recording.values.back() / run.wallMs * 100.0);
    }
    figures.insert(figures.end(), {batch, recording, share});
}

Figure childTimes(const QString& name, const QString& target, const QStringList& arguments,
                  int rounds, const QString& folder) {
    Figure figure{name, "ms", {}, target};
    for (int i = 0; i < rounds; ++i) {
        const ChildUsage child = runHeadless(beside("quendal"), arguments, folder);
        if (!child.exited || child.exitStatus != 0)
            std::fprintf(stderr, "quendal %s ended with %d\n", qPrintable(arguments.join(' ')),
                         child.exitStatus);
        figure.values.push_back(child.wallMs);
    }
    return figure;
}

// Both commands as a technician starts them, beside --version, which only starts and ends.
bool addQueries(std::vector<Figure>& figures, int rounds, const QString& folder) {
    const QString data = folder + "/history";
    QString error;
    QElapsedTimer clock;
    clock.start();
    if (!generateRecord(data + "/Quendal/records.sqlite", {generatedRuns, 30, 4}, error)) {
        std::fprintf(stderr, "record not generated: %s\n", qPrintable(error));
        return false;
    }
    figures.push_back({"record.generate_200k", "s", {msSince(clock) / 1000.0}});
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    figures.push_back(childTimes("record.version", {}, {"--version"}, rounds, folder));
    figures.push_back(
        childTimes("record.history_serial", "<= 50", {"--history", "SN-0100000"}, rounds, folder));
    figures.push_back(childTimes("record.yield", "<= 1000", {"--yield"}, rounds, folder));
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    return true;
}

// The page as a supervisor saves it; its size as well, since it is mailed and kept.
bool addYieldPage(std::vector<Figure>& figures, int rounds, const QString& folder) {
    const QString data = folder + "/page";
    const QString page = folder + "/yield.html";
    QString error;
    if (!generateRecord(data + "/Quendal/records.sqlite", {generatedRuns, pageDays, pageStations},
                        error)) {
        std::fprintf(stderr, "record not generated: %s\n", qPrintable(error));
        return false;
    }
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    Figure time{"record.yield_page", "ms", {}, "<= 2000"};
    Figure size{"record.yield_page_size", "KB", {}, "<= 1024"};
    bool made = true;
    for (int i = 0; i < rounds && made; ++i) {
        QFile::remove(page);
        const ChildUsage child = runHeadless(
            beside("quendal"), {"--yield", "--format", "html", "--output", page}, folder);
        made = child.exited && child.exitStatus == 0 && QFileInfo::exists(page);
        time.values.push_back(child.wallMs);
        size.values.push_back(double(QFileInfo(page).size()) / 1024.0);
        if (!made)
            std::fprintf(stderr,
                         "record.yield_page not measured: quendal --yield --format html "
                         "ended with status %d%s\n",
                         child.exitStatus, QFileInfo::exists(page) ? "" : " and wrote no page");
    }
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    if (made)
        figures.insert(figures.end(), {time, size});
    return made;
}

bool addForwarding(std::vector<Figure>& figures, const QString& folder) {
    const QString path = folder + "/forward/records.sqlite";
    QString error;
    if (!generateRecord(path, {waitingRuns, 30, 4}, error)) {
        std::fprintf(stderr, "record not generated: %s\n", qPrintable(error));
        return false;
    }
    PgServer server;
    RunRecorder recorder({path, server.uri()});
    QElapsedTimer clock;
    clock.start();
    const QString waiting = recorder.forwardAll().error;
    figures.push_back({"record.forward_10k", "s", {msSince(clock) / 1000.0}, "<= 10"});
    if (!waiting.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(waiting));
    return waiting.isEmpty();
}

// What a line database that accepts and never answers adds to a run, beside a run without
// one; each round with a station file of its own, which has not found the line away yet.
void addHangingLine(std::vector<Figure>& figures, int rounds, const QString& folder) {
    SimProcess sim(beside("zr-terminal-sim"), {});
    const SilentServer silent;
    const QStringList run{"--run", "--device", sim.slavePath(), "--unit",
                          sim.slavePath() + "=SN-H"};
    Figure extra{"record.line_hanging_extra", "ms", {}, "<= 2000"};
    for (int round = 0; round < rounds; ++round) {
        qputenv("XDG_DATA_HOME",
                QStringLiteral("%1/hanging/%2").arg(folder).arg(round).toLocal8Bit());
        const ChildUsage alone = runHeadless(beside("quendal"), run, folder);
        const ChildUsage hanging =
            runHeadless(beside("quendal"), run + QStringList{"--database", silent.uri()}, folder);
        extra.values.push_back(hanging.wallMs - alone.wallMs);
    }
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    figures.push_back(extra);
}

} // namespace

int benchmarkRecord(int rounds, bool json, const QString& folder) {
    std::vector<Figure> figures;
    addRecordingShare(figures, rounds, folder);
    addHangingLine(figures, rounds, folder);
    bool complete = addQueries(figures, rounds, folder);
    complete = addYieldPage(figures, rounds, folder) && complete;
    complete = addForwarding(figures, folder) && complete;
    printFigures(figures, json);
    return complete ? 0 : 1;
}
