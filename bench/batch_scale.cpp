#include "batch_scale.h"

#include "child_usage.h"
#include "figures.h"
#include "sim_process.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <map>
#include <memory>

namespace {

struct BatchSize {
    int terminals;
    QString wallRatioTarget;
};

const BatchSize batchSizes[] = {{1, {}}, {8, "<= 1.05"}, {16, "<= 1.10"}};
constexpr int mostTerminals = 16;
const QString processorShareTarget = QStringLiteral("<= 3");

using Simulators = std::vector<std::unique_ptr<SimProcess>>;
using UsageBySize = std::map<int, std::vector<ChildUsage>>;

QString besideThisProgram(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// One simulator process per terminal, as each terminal is a device of its own.
Simulators startSimulators(QStringList& lines) {
    Simulators simulators;
    for (int i = 0; i < mostTerminals; ++i) {
        simulators.push_back(
            std::make_unique<SimProcess>(besideThisProgram("zr-terminal-sim"),
                                         QStringList{"--baud", "9600", "--framing", "8E1"}));
        lines.append(simulators.back()->slavePath());
    }
    return simulators;
}

ChildUsage runBatch(const QStringList& lines, const QString& configFolder) {
    QStringList arguments{"--run"};
    for (const QString& line : lines)
        arguments << "--device" << line;
    return runHeadless(besideThisProgram("quendal"), arguments, configFolder);
}

// Each batch is set against the single terminal of its own round, so that a slow spell of the
// shared machine weighs on both.
std::vector<Figure> figuresOf(const BatchSize& size, const std::vector<ChildUsage>& batches,
                              const std::vector<ChildUsage>& singles) {
    const QString prefix = QStringLiteral("scale.%1.").arg(size.terminals);
    Figure wall{prefix + "wall", "ms", {}};
    Figure ratio{prefix + "wall_over_one", "x", {}, size.wallRatioTarget};
    Figure share{prefix + "processor_share", "%", {}, processorShareTarget};
    Figure memory{prefix + "peak_rss", "MB", {}};
    Figure memoryEach{prefix + "peak_rss_per_terminal", "MB", {}};
    Figure memoryAdded{prefix + "peak_rss_per_added", "MB", {}};
    for (std::size_t i = 0; i < batches.size(); ++i) {
        const ChildUsage& batch = batches[i];
        wall.values.push_back(batch.wallMs);
        share.values.push_back(batch.processorMs / size.terminals / batch.wallMs * 100.0);
        memory.values.push_back(batch.peakRssMb);
        memoryEach.values.push_back(batch.peakRssMb / size.terminals);
        if (size.terminals == 1)
            continue;
        ratio.values.push_back(batch.wallMs / singles[i].wallMs);
        memoryAdded.values.push_back((batch.peakRssMb - singles[i].peakRssMb) /
                                     (size.terminals - 1));
    }
    if (size.terminals == 1)
        return {wall, share, memory};
    return {wall, ratio, share, memory, memoryEach, memoryAdded};
}

} // namespace

int benchmarkBatchScale(int rounds, bool json, const QString& folder) {
    QStringList lines;
    const Simulators simulators = startSimulators(lines);
    if (lines.contains(QString())) {
        std::fprintf(stderr, "scale not measured: a simulator did not start\n");
        return 1;
    }
    const QString configFolder = folder + QStringLiteral("/scale-config");
    QDir().mkpath(configFolder);
    std::fprintf(stderr, "quendal --run measured as a headless child, one simulator per terminal "
                         "at 9600 baud 8E1\n");

    UsageBySize usage;
    bool passed = true;
    for (int round = 0; round < rounds; ++round)
        for (const BatchSize& size : batchSizes) {
            const ChildUsage batch = runBatch(lines.mid(0, size.terminals), configFolder);
            passed = passed && batch.exited && batch.exitStatus == 0;
            usage[size.terminals].push_back(batch);
        }
    std::vector<Figure> figures;
    for (const BatchSize& size : batchSizes)
        for (Figure& figure : figuresOf(size, usage[size.terminals], usage[1]))
            figures.push_back(figure);
    printFigures(figures, json);
    if (!passed)
        std::fprintf(stderr, "a batch did not pass: the figures do not describe complete runs\n");
    return passed ? 0 : 1;
}
