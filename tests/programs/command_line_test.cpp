#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a program as from a shell without any display, so an answer that needed one fails.
Result run(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

std::string firstMatch(const QString& path, const QString& pattern) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(cannot read " + path.toStdString() + ")";
    return QRegularExpression(pattern, QRegularExpression::MultilineOption)
        .match(QString::fromUtf8(file.readAll()))
        .captured(1)
        .toStdString();
}

const QString quendal = QStringLiteral(QUENDAL_PROGRAM);
const QString sim = QStringLiteral(SIM_PROGRAM);
const QString bench = QStringLiteral(BENCH_PROGRAM);

TEST(QuendalCommandLine, AnswersHelpAndVersionWithoutADisplay) {
    for (const char* help : {"--help", "-h", "--help-all"}) {
        const Result result = run(quendal, {QString::fromLatin1(help)});
        EXPECT_EQ(result.status, 0) << help << ": " << result.err;
        EXPECT_TRUE(contains(result.out, "--version")) << help;
    }
    for (const char* version : {"--version", "-v"}) {
        const Result result = run(quendal, {QString::fromLatin1(version)});
        EXPECT_EQ(result.status, 0) << version;
        EXPECT_EQ(result.out, "quendal " PROJECT_VERSION "\n") << version;
    }
}

TEST(QuendalCommandLine, LeavesQtItsOptionsAndRejectsAnythingElse) {
    // -reverse holds a "v": it must stay Qt's and not read as --version.
    const Result result = run(quendal, {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                        QStringLiteral("-reverse"), QStringLiteral("--verison")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(contains(result.err, "--verison")) << result.err;
    EXPECT_EQ(run(quendal, {QStringLiteral("-platform"), QStringLiteral("offscreen"),
                            QStringLiteral("COM1")})
                  .status,
              2);
}

// Qt's own options stay the window's; anything else is a usage error, and a window with no
// display says so on one line instead of Qt aborting.
TEST(QuendalCommandLine, WithoutADisplayMistakesAreUsageErrorsAndTheWindowSaysWhy) {
    const std::vector<std::tuple<QStringList, int, const char*>> cases{
        {{}, 1, "DISPLAY"},
        {{QStringLiteral("-reverse"), QStringLiteral("-style"), QStringLiteral("Fusion")},
         1,
         "--run"},
        {{QStringLiteral("--no-such-option")}, 2, "--no-such-option"},
        {{QStringLiteral("-style"), QStringLiteral("Fusion"), QStringLiteral("stray")},
         2,
         "stray"}};
    for (const auto& [arguments, status, said] : cases) {
        const Result result = run(quendal, arguments);
        EXPECT_EQ(result.status, status) << said;
        EXPECT_TRUE(contains(result.err, said)) << result.err;
        if (status == 1) {
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
    }
}

// The station window's slots come from the command line, else from the settings file, where a
// quoted path may hold a comma; what makes no station is a usage error before any window.
TEST(QuendalCommandLine, SlotsAreNamedOnceAndAtMostSixteen) {
    const QString store = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quendal/Quendal.conf";
    QDir().mkpath(QFileInfo(store).path());
    QStringList sixteen;
    for (int i = 1; i <= 16; ++i)
        sixteen << QString::number(i);
    const std::vector<std::tuple<QString, QStringList, int, const char*>> cases{
        {"", {}, 2, "--com N oder --device PATH"},
        {"", {}, 2, "[Pruefplatz] Plaetze="},
        {"Plaetze=3,99\n", {}, 2, "99 ist keine COM-Nummer"},
        {"Plaetze=" + sixteen.join(',') + ",\"/dev/a,b\"\n", {}, 2, "17 Plätze"},
        {"Plaetze=COM2, /dev/quendal-absent\n", {}, 1, "DISPLAY"},
        {"", {"--com", "1", "--device", "/dev/quendal-absent", "--com", "1"}, 2, "dasselbe"},
        {"", {"--com", "1", "--unit", "COM1=A"}, 2, "--unit geht nur mit --run"},
        {"", {"--com", "1", "--station", " X"}, 2, "Leerzeichen"}};
    for (const auto& [stored, arguments, status, said] : cases) {
        QFile::remove(store);
        if (!stored.isEmpty()) {
            QFile file(store);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(("[Pruefplatz]\n" + stored).toUtf8());
        }
        const Result result = run(quendal, QStringList{"--slots"} + arguments);
        EXPECT_EQ(result.status, status) << said << ": " << result.err;
        EXPECT_TRUE(contains(result.err, said)) << result.err;
    }
    QFile::remove(store);
}

TEST(SimulatorCommandLine, AnswersHelpAndVersionAndRejectsMistakes) {
    const Result help = run(sim, {QStringLiteral("-h")});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--rows <N>", "--window", "--record <FILE>", "--version"})
        EXPECT_TRUE(contains(help.out, option)) << option;
    const Result wrong = run(sim, {QStringLiteral("--rows=0")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(contains(wrong.err, "--rows")) << wrong.err;
}

TEST(BenchCommandLine, AnswersHelpAndRejectsMistakesBeforeMeasuring) {
    const Result help = run(bench, {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--runs <N>", "--json"})
        EXPECT_TRUE(contains(help.out, option)) << option;
    const std::vector<std::pair<QStringList, const char*>> mistakes = {
        {{QStringLiteral("--runs"), QStringLiteral("0")}, "--runs: 0"},
        {{QStringLiteral("--runs=ten")}, "--runs: ten"},
        {{QStringLiteral("--jsn")}, "jsn"},
        {{QStringLiteral("COM1")}, "COM1"},
        {{QStringLiteral("--write-record")}, "one FILE or --database"},
        {{QStringLiteral("--write-record"), QStringLiteral("a"), QStringLiteral("--database=b")},
         "one FILE or --database"},
        {{QStringLiteral("--database=b")}, "only with --write-record"},
        {{QStringLiteral("--days=9")}, "only with --write-record or --line-scale"},
        {{QStringLiteral("--line-scale"), QStringLiteral("--stations=0")}, "--stations: 0"}};
    for (const auto& [arguments, said] : mistakes) {
        const Result wrong = run(bench, arguments);
        EXPECT_EQ(wrong.status, 2) << said;
        EXPECT_TRUE(contains(wrong.err, said)) << wrong.err;
    }
}

TEST(Version, ProgramsPackageAndMetainfoAgree) {
    EXPECT_EQ(run(quendal, {QStringLiteral("--version")}).out, "quendal " PROJECT_VERSION "\n");
    EXPECT_EQ(run(sim, {QStringLiteral("--version")}).out, "zr-terminal-sim " PROJECT_VERSION "\n");
    EXPECT_EQ(
        firstMatch(QStringLiteral(DEBIAN_CHANGELOG), QStringLiteral("^quendal \\(([^)]+)\\)")),
        PROJECT_VERSION)
        << "debian/changelog's newest entry";
    EXPECT_EQ(firstMatch(QStringLiteral(METAINFO), QStringLiteral("<release version=\"([^\"]+)\"")),
              PROJECT_VERSION)
        << "the AppStream release";
}

} // namespace
