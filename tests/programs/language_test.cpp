#include "sim/pty_terminal.h"
#include "test_sequence/language.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(LanguageTest, TheFirstLanguageSpokenDecidesAndGermanIsTheRest) {
    const std::vector<std::pair<QStringList, Language>> cases{
        {{"en-US", "en-Latn-US", "en"}, Language::English},
        {{"en-GB"}, Language::English},
        {{"de-DE", "de"}, Language::German},
        {{"de", "en"}, Language::German},
        {{"fr-FR", "en-US"}, Language::English},
        {{"fr-FR", "fr"}, Language::German},
        {{"C"}, Language::German},
        {{}, Language::German}};
    for (const auto& [languages, expected] : cases)
        EXPECT_EQ(chooseLanguage(languages), expected) << languages.join(',').toStdString();
}

struct Output {
    QString out;
    QString err;
};

// What a program prints with only LANG telling the desktop's language.
Output run(const QString& program, const QStringList& arguments, const QString& lang) {
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("LANG", lang);
    environment.insert("XDG_CONFIG_HOME", config.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60'000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct Expected {
    const char* lang;
    QStringList window; // main window title, a button, the settings dialog, Qt's "Cancel"
    QStringList runLines;
};

TEST(LanguageTest, WindowAndRunSpeakTheDesktopsLanguageTheReportStaysGerman) {
    const QStringList german{"ZR Test und Initialisierung", "Starte Tests",
                             "COM-Anschluß-Einstellungen", "Abbrechen"};
    const QStringList germanRun{"Schnittstellentest: OK",
                                "Umkodiertabelle: FEHLER BEIM SPEICHERN DER UMKODIERTABELLE",
                                "Ergebnis: fehlgeschlagen"};
    const std::vector<Expected> cases{
        {"en_US.UTF-8",
         {"ZR Test and Initialisation", "Start tests", "COM port settings", "Cancel"},
         {"Interface test: OK", "Recoding table: ERROR STORING THE RECODING TABLE",
          "Result: failed"}},
        {"de_DE.UTF-8", german, germanRun},
        {"C", german, germanRun}};
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.lang);
        const QStringList window = run(WINDOW_CAPTIONS, {"-platform", "offscreen"}, expected.lang)
                                       .out.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(window, expected.window);
        zrsim::PtyTerminal sim({.dropEcho = 40}); // one echo of the recoding table
        // With the report on standard output, the row and verdict lines go to standard error.
        const Output production =
            run(QUENDAL_PROGRAM,
                {"--run", "--device", QString::fromStdString(sim.slavePath()), "--report", "-"},
                expected.lang);
        for (const QString& line : expected.runLines)
            EXPECT_TRUE(production.err.contains(line)) << production.err.toStdString();
        const QJsonObject step =
            QJsonDocument::fromJson(production.out.toUtf8())["terminals"][0]["steps"][1].toObject();
        EXPECT_EQ(step["caption"], "Umkodiertabelle");
        EXPECT_EQ(step["result"], "FEHLER BEIM SPEICHERN DER UMKODIERTABELLE");
    }
}

// The command line's own texts and Qt's parser texts follow the desktop like the rows do.
TEST(LanguageTest, HelpAndUsageErrorsSpeakTheDesktopsLanguage) {
    const std::vector<std::tuple<QStringList, const char*, const char*>> cases{
        {{"--help"},
         "Mit --run oder --slots: ein Terminal am Gerät PATH",
         "With --run or --slots: a terminal on the device PATH"},
        {{"--com", "3"}, "--com geht nur mit --run, --slots", "--com needs --run, --slots"},
        {{"--slots"}, "kein Platz genannt", "no slot named"},
        {{"--run", "--com", "0"},
         "die COM-Nummer muss 1 bis 16 sein",
         "the COM number must be 1 to 16"},
        {{"--run", "--report", "/", "--device", "/dev/quendal-absent"},
         "das ist ein Ordner",
         "that is a folder"}};
    for (const auto& [arguments, german, english] : cases) {
        for (const auto& [lang, expected] :
             {std::pair{"de_DE.UTF-8", german}, {"en_US.UTF-8", english}}) {
            const Output output = run(QUENDAL_PROGRAM, arguments, lang);
            EXPECT_TRUE((output.out + output.err).contains(QString::fromUtf8(expected)))
                << lang << ": " << (output.out + output.err).toStdString();
        }
    }
}

// A row's "abgebrochen" and a verdict's are two messages, so a language may word them apart.
TEST(LanguageTest, TheCancelledRowAndTheCancelledVerdictAreTranslatedApart) {
    QFile file(TRANSLATIONS_TS);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("<source>abgebrochen</source>"), 2);
}

} // namespace
