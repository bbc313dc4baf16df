#include "far_end.h"
#include "program_writes.h"
#include "sim/answer_policy.h"
#include "sim/pty_terminal.h"

#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace std::chrono_literals;
using zrsim::PtyTerminal;
using zrsim::SimOptions;

// Plays the program: every awaited byte is sent alone and its answer collected.
std::string playProgram(FarEnd& line, const Writes& writes, int timeoutMs = 500) {
    std::string answers;
    for (const Write& w : writes) {
        line.write(w.bytes);
        if (w.awaited)
            answers += line.read(1, timeoutMs);
    }
    return answers;
}

TEST(PtyTerminal, ServesTheTerminalOverARealPseudoTerminal) {
    PtyTerminal sim;
    FarEnd line(sim.slavePath());
    ASSERT_TRUE(line.isOpen());
    EXPECT_EQ(playProgram(line, recodingTable()), tableBytes());
    EXPECT_EQ(sim.waitForReceived(bytesOf(recodingTable()).size(), 1s), bytesOf(recodingTable()));
    EXPECT_EQ(sim.snapshot().recodingTable(), tableBytes());
    EXPECT_EQ(line.read(1, 50), "") << "nothing beyond the echoes";
}

TEST(PtyTerminal, ThePortCanBeClosedAndReopenedWithoutAHangUp) {
    PtyTerminal sim;
    for (int i = 0; i < 3; ++i) {
        FarEnd line(sim.slavePath());
        EXPECT_EQ(playProgram(line, interfaceTest()), std::string(32, '.'));
    }
    EXPECT_FALSE(sim.hungUp());
    EXPECT_EQ(sim.received(),
              bytesOf(interfaceTest()) + bytesOf(interfaceTest()) + bytesOf(interfaceTest()));
}

TEST(PtyTerminal, ASilentTerminalTakesEverythingAndAnswersNothing) {
    PtyTerminal sim({.silent = true});
    FarEnd line(sim.slavePath());
    line.write(bytesOf(interfaceTest()));
    EXPECT_EQ(line.read(1, 150), "");
    const std::string sent = bytesOf(interfaceTest());
    EXPECT_EQ(sim.waitForReceived(sent.size(), 1s), sent);
    EXPECT_EQ(sim.snapshot().echoedBytes(), 32);
}

TEST(PtyTerminal, DropEchoLeavesOutOnlyTheKthAwaitedByteOfTheSession) {
    PtyTerminal sim({.dropEcho = 34});
    FarEnd line(sim.slavePath());
    EXPECT_EQ(playProgram(line, interfaceTest()), std::string(32, '.'));
    std::string expected = tableBytes();
    expected.erase(1, 1);
    EXPECT_EQ(playProgram(line, recodingTable(), 100), expected);
}

TEST(PtyTerminal, HangupAfterClosesTheLineAfterThatManyBytes) {
    PtyTerminal sim({.hangupAfter = 10});
    FarEnd line(sim.slavePath());
    line.write("\x1b&u....");
    EXPECT_EQ(line.read(4), "....");
    EXPECT_FALSE(sim.hungUp());
    line.write("......");
    EXPECT_TRUE(line.lineGone());
    EXPECT_TRUE(sim.hungUp());
    EXPECT_EQ(sim.received(), "\x1b&u.......");
}

TEST(PtyTerminal, NoiseIsNeverAnAwaitedByte) {
    PtyTerminal sim({.noise = true});
    FarEnd line(sim.slavePath());
    std::string answers;
    for (const Write& w : recodingTable()) {
        line.write(w.bytes);
        // Noise comes before its echo: read up to the echo.
        for (std::string c = "?"; w.awaited && !c.empty() && c != w.bytes;)
            answers += c = line.read(1, 500);
    }
    std::string echoes;
    for (const char c : answers)
        if (zrsim::AnswerPolicy::noiseBytes.find(c) == std::string_view::npos)
            echoes += c;
    EXPECT_EQ(echoes, tableBytes());
    EXPECT_GT(answers.size(), echoes.size());
}

TEST(PtyTerminal, RecordsEveryReadAsALineOfHex) {
    // A folder of its own: a fixed name in /tmp, left there by another user, cannot be written.
    const QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("record.txt")).toStdString();
    {
        PtyTerminal sim({.recordFile = file});
        FarEnd line(sim.slavePath());
        line.write(std::string("\x1b&u\0", 4));
        line.read(1);
        line.write("\xff");
        line.read(1);
    }
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "1b 26 75 00\nff\n");
}

// At 9600 baud 8N1 a byte takes 1.04 ms; an echoed byte, out and back, twice that.
// How close the line comes to that floor is the benchmark's business, not a test's.
TEST(PtyTerminal, TheEmulatedLineIsNeverFasterThanItsWireTime) {
    PtyTerminal sim({.baud = 9600, .framing = "8N1"});
    FarEnd line(sim.slavePath());
    // The clock starts before the header, whose bytes the floor counts too.
    const auto start = std::chrono::steady_clock::now();
    line.write("\x1b&u");
    std::string echoes;
    for (int i = 0; i < 32; ++i) {
        line.write(".");
        echoes += line.read(1);
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const double floor = (3 + 64) * 10 * 1000.0 / 9600;
    EXPECT_EQ(echoes, std::string(32, '.'));
    EXPECT_GE(ms, floor * 0.99);
}

TEST(PtyTerminal, AnEchoDelayHoldsBackTheAnswer) {
    PtyTerminal sim({.echoDelayMs = 60});
    FarEnd line(sim.slavePath());
    line.write("\x1b&u.");
    EXPECT_EQ(line.read(1, 30), "");
    EXPECT_EQ(line.read(1, 200), ".");
}

} // namespace
