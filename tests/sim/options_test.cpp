#include "sim/command_line.h"
#include "sim/line_timing.h"
#include "sim/sim_options.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace zrsim;

TEST(LineOptions, FramingCountsStartDataParityAndStopBits) {
    EXPECT_EQ(halfBitsPerByte("8E1"), 22);
    EXPECT_EQ(halfBitsPerByte("8N1"), 20);
    EXPECT_EQ(halfBitsPerByte("7O2"), 22);
    EXPECT_EQ(halfBitsPerByte("5N1.5"), 15);
    for (const char* bad : {"", "8X1", "9N1", "8N3", "8E"})
        EXPECT_FALSE(halfBitsPerByte(bad)) << bad;
    EXPECT_EQ(byteTimeNs({.baud = 9600}), 1'145'833);
    EXPECT_EQ(byteTimeNs({}), 0);
    EXPECT_THROW(byteTimeNs({.framing = "8Q1"}), std::invalid_argument);
}

TEST(LineOptions, BytesQueueBehindEachOtherAndAfterAQuietLineStartAfresh) {
    LineTiming line(1000);
    EXPECT_EQ(line.arrival(5000), 6000);
    EXPECT_EQ(line.arrival(5000), 7000) << "read in one chunk, the second follows the first";
    EXPECT_EQ(line.arrival(20000), 21000);
    EXPECT_EQ(line.departure(21000), 22000);
    EXPECT_EQ(line.departure(21000), 23000);
}

TEST(CommandLine, TakesEveryOptionAndRejectsWhatItDoesNotKnow) {
    const CommandLine line = parseCommandLine(
        {"--rows",    "2",         "--cols",         "40",          "--baud",   "9600",
         "--framing", "7E1",       "--silent",       "--drop-echo", "5",        "--echo-delay",
         "30",        "--noise",   "--hangup-after", "100",         "--record", "r.txt",
         "--link",    "/tmp/com1", "--window"});
    ASSERT_EQ(line.error, "");
    EXPECT_EQ(line.options.rows, 2);
    EXPECT_EQ(line.options.cols, 40);
    EXPECT_EQ(line.options.baud, 9600);
    EXPECT_EQ(line.options.framing, "7E1");
    EXPECT_TRUE(line.options.silent && line.options.noise && line.window);
    EXPECT_EQ(line.options.dropEcho, 5);
    EXPECT_EQ(line.options.echoDelayMs, 30);
    EXPECT_EQ(line.options.hangupAfter, 100);
    EXPECT_EQ(line.options.recordFile, "r.txt");
    EXPECT_EQ(line.link, "/tmp/com1");
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--rows"},
                                                                 {"--rows", "0"},
                                                                 {"--cols", "2x"},
                                                                 {"--framing", "8Z1"},
                                                                 {"--fast"},
                                                                 {"--rows=256"},
                                                                 {"--silent=1"},
                                                                 {"--drop-echo=1099511627777"},
                                                                 {"COM1"}})
        EXPECT_NE(parseCommandLine(bad).error, "") << bad[0];
}

TEST(CommandLine, TakesValuesAfterAnEqualsSignAndAnswersHelpAndVersion) {
    const CommandLine line = parseCommandLine({"--rows=2", "--framing=8N1", "--link=/tmp/com1"});
    ASSERT_EQ(line.error, "");
    EXPECT_EQ(line.options.rows, 2);
    EXPECT_EQ(line.options.framing, "8N1");
    EXPECT_EQ(line.link, "/tmp/com1");
    EXPECT_EQ(parseCommandLine({"--hangup-after=1099511627776"}).options.hangupAfter,
              std::int64_t{1} << 40);
    EXPECT_FALSE(line.help || line.version || line.window);
    EXPECT_TRUE(parseCommandLine({"-h"}).help);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"--version"}).version);
    EXPECT_NE(usageText().find("--hangup-after <N>"), std::string::npos);
}

} // namespace
