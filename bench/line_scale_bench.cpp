#include "line_scale_bench.h"

#include "child_usage.h"
#include "figures.h"
#include "line_record_fill.h"
#include "pg_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

constexpr int quarterDays = 90;

// One command, `rounds` times: its wall time and its peak resident memory.
bool addCommand(std::vector<Figure>& figures, const QString& name, const QStringList& arguments,
                int rounds, const QString& folder) {
    Figure wall{name, "ms", {}};
    Figure memory{name + ".peak_rss", "MB", {}};
    for (int i = 0; i < rounds; ++i) {
        const ChildUsage child =
            runHeadless(QCoreApplication::applicationDirPath() + "/quendal", arguments, folder);
        if (!child.exited || child.exitStatus != 0) {
            std::fprintf(stderr, "quendal %s ended with %d\n", qPrintable(arguments.join(' ')),
                         child.exitStatus);
            return false;
        }
        wall.values.push_back(child.wallMs);
        memory.values.push_back(child.peakRssMb);
    }
    figures.insert(figures.end(), {wall, memory});
    return true;
}

bool generated(std::vector<Figure>& figures, const QString& name, bool made,
               const QElapsedTimer& clock, const QString& error) {
    if (!made) {
        std::fprintf(stderr, "record not generated: %s\n", qPrintable(error));
        return false;
    }
    figures.push_back({name, "s", {double(clock.elapsed()) / 1000.0}});
    return true;
}

bool measureLine(std::vector<Figure>& figures, const RecordShape& shape, int rounds,
                 const QString& folder) {
    PgServer server;
    QString error;
    QElapsedTimer clock;
    clock.start();
    if (!server.running() ||
        !generated(figures, "line.pg.generate", generateLineRecord(server.uri(), shape, error),
                   clock, error))
        return false;
    const QStringList line{"--database", server.uri()};
    const QString since = generatedRun(shape, shape.terminalRuns - 1)
                              .run.started.addDays(-quarterDays)
                              .date()
                              .toString(Qt::ISODate);
    const QString unit = generatedRun(shape, shape.terminalRuns / 2).terminal.unit;
    const QString page = folder + "/line-yield.html";
    return addCommand(figures, "line.pg.yield_90_days",
                      QStringList{"--yield", "--since", since} + line, rounds, folder) &&
           addCommand(figures, "line.pg.yield_year", QStringList{"--yield"} + line, rounds,
                      folder) &&
           addCommand(
               figures, "line.pg.yield_page_90_days",
               QStringList{"--yield", "--since", since, "--format", "html", "--output", page} +
                   line,
               rounds, folder) &&
           addCommand(figures, "line.pg.history_serial", QStringList{"--history", unit} + line,
                      rounds, folder);
}

bool measureFile(std::vector<Figure>& figures, const RecordShape& shape, int rounds,
                 const QString& folder) {
    const QString data = folder + "/line-file";
    QString error;
    QElapsedTimer clock;
    clock.start();
    if (!generated(figures, "line.sqlite.generate",
                   generateRecord(data + "/Quendal/records.sqlite", shape, error), clock, error))
        return false;
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    const bool measured =
        addCommand(figures, "line.sqlite.yield_year", {"--yield"}, rounds, folder);
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    return measured;
}

} // namespace

int benchmarkLineScale(const RecordShape& shape, int rounds, bool json, const QString& folder) {
    std::vector<Figure> figures;
    bool complete = measureLine(figures, shape, rounds, folder);
    complete = measureFile(figures, shape, rounds, folder) && complete;
    printFigures(figures, json);
    return complete ? 0 : 1;
}
