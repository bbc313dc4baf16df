#include "program_writes.h"
#include "sim/terminal_model.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>

namespace {

// Random bytes, biased towards the command bytes so that half-finished commands are common.
std::string randomBytes(std::mt19937& random, std::size_t size) {
    static const std::string likely = std::string("\x1b&#uSRC[;H\r\0", 12) + "0123456789.";
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i)
        bytes += random() % 2 ? likely[random() % likely.size()] : static_cast<char>(random());
    return bytes;
}

TEST(RandomFeed, NeitherCrashesNorHangsNorAnswersMoreThanItWasSent) {
    std::mt19937 random(20240611);
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 300; ++round) {
        const int rows = 1 + random() % 4;
        const int cols = 1 + random() % 48;
        zrsim::TerminalModel model(rows, cols);
        const std::string bytes = randomBytes(random, 1 + random() % 2000);
        ASSERT_LE(model.feed(bytes).size(), bytes.size());
        const std::vector<std::string> lines = model.displayLines();
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(rows));
        for (const std::string& line : lines)
            ASSERT_EQ(line.size(), static_cast<std::size_t>(cols));
        ASSERT_LT(model.cursorRow(), rows);
        ASSERT_LT(model.cursorCol(), cols);
        ASSERT_EQ(model.fixedTexts().size(), 128u);
        ASSERT_EQ(model.recodingTable().size(), 32u);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(RandomFeed, AnEscAfterGarbageBringsTheTerminalBackToItsCommands) {
    std::mt19937 random(7);
    for (int round = 0; round < 100; ++round) {
        zrsim::TerminalModel model(4, 20);
        model.feed(randomBytes(random, 200));
        // A garbage prefix may have opened a table transfer; its 32 bytes end it.
        model.feed(std::string(model.tableBytesPending(), '.'));
        const Writes run = banner(20, 4);
        model.feed("\x1b" + bytesOf(run));
        ASSERT_EQ(model.displayLines()[1].substr(0, 9), "Test-Ende") << "round " << round;
    }
}

} // namespace
