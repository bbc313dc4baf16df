#include "program_writes.h"
#include "sim/terminal_model.h"

#include <gtest/gtest.h>

namespace {

using zrsim::TerminalModel;

// Feeds the writes one at a time; each must be answered by exactly its awaited echo.
void feedChecked(TerminalModel& model, const Writes& writes) {
    for (const Write& w : writes)
        ASSERT_EQ(model.feed(w.bytes), w.awaited ? w.bytes : "")
            << "after a write of " << w.bytes.size() << " bytes";
}

TEST(TerminalModel, ACompleteRunIsEchoedExactlyAndLeavesTheTerminalProgrammed) {
    TerminalModel model(4, 20);
    for (const Writes& step :
         {interfaceTest(), recodingTable(), displayFormat(0x05), fixedTexts(), banner(20, 4)})
        feedChecked(model, step);
    EXPECT_EQ(model.echoedBytes(), 32 + 32 + 384);
    EXPECT_EQ(model.recodingTable(), tableBytes());
    EXPECT_EQ(model.formatCode(), 0x05);
    const std::vector<std::string> texts = model.fixedTexts();
    EXPECT_EQ(texts[0], "000");
    EXPECT_EQ(texts[42], "042");
    EXPECT_EQ(texts[127], "127");
    EXPECT_EQ(model.displayLines(),
              std::vector<std::string>({"20x4                ", "Test-Ende           ",
                                        std::string(20, ' '), std::string(20, ' ')}));
    EXPECT_EQ(model.cursorCommands(), std::vector<std::string>{"C"});
    EXPECT_EQ(model.unknownBytes(), 0);
    EXPECT_FALSE(model.inFixedTextBlock());
}

TEST(TerminalModel, StepTitlesShowOnTwoLinesAndAFullLineWrapsByItself) {
    TerminalModel wide(2, 20);
    feedChecked(wide, interfaceTest());
    EXPECT_EQ(wide.displayLines()[0], "Test 1:             ");
    EXPECT_EQ(wide.displayLines()[1], "Schnittstelle       ");
    TerminalModel narrow(2, 16);
    feedChecked(narrow, fixedTexts());
    EXPECT_EQ(narrow.displayLines()[0], "Test 4:Speichere");
    EXPECT_EQ(narrow.displayLines()[1], "Festtext        ");
}

TEST(TerminalModel, TheDemoTextFillsEveryRowWrappingBackToTheTopAndHomesTheCursor) {
    for (const auto& [cols, rows] : {std::pair{8, 1}, {20, 4}, {40, 4}}) {
        TerminalModel model(rows, cols);
        model.feed("leftover text\rfrom before");
        feedChecked(model, demoText(cols, rows));
        const std::string row =
            std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcd").substr(0, cols);
        EXPECT_EQ(model.displayLines(), std::vector<std::string>(rows, row));
        EXPECT_EQ(model.cursorCommands(), std::vector<std::string>({"&C", "[0;0H"}));
        EXPECT_EQ(model.cursorRow(), 0);
        EXPECT_EQ(model.cursorCol(), 0);
    }
}

TEST(TerminalModel, TableBytesAreDataWhateverTheirValue) {
    TerminalModel model(4, 20);
    const std::string awkward = std::string("\x1b\0\r&R", 5) + std::string(27, '\xff');
    EXPECT_EQ(model.feed("\x1b&u" + awkward), awkward);
    EXPECT_EQ(model.recodingTable(), awkward);
    EXPECT_EQ(model.tableBytesPending(), 0);
    EXPECT_EQ(model.feed("."), "") << "the 33rd byte is display text again";
    EXPECT_EQ(model.displayLines()[0][0], '.');
}

TEST(TerminalModel, AFailedFixedTextTransferKeepsTheDigitsThatCame) {
    TerminalModel model(4, 20);
    feedChecked(model, fixedTexts(5 * 3 + 2));
    EXPECT_EQ(model.fixedTexts()[4], "004");
    EXPECT_EQ(model.fixedTexts()[5], "00");
    EXPECT_EQ(model.fixedTexts()[6], "");
    // The banner's spaces still fall inside the open block; its ESC ends the block.
    feedChecked(model, banner(20, 4));
    EXPECT_EQ(model.displayLines()[1].substr(0, 9), "Test-Ende");
    EXPECT_FALSE(model.inFixedTextBlock());
}

TEST(TerminalModel, AnEscInsideTheFixedTextBlockEndsItAndStartsACommand) {
    TerminalModel model(4, 20);
    EXPECT_EQ(model.feed(std::string("\x1bR12\0"
                                     "34",
                                     7)),
              "1234");
    EXPECT_EQ(model.feed("\x1b&S\x0c"), "");
    EXPECT_EQ(model.formatCode(), 0x0c);
    EXPECT_EQ(model.fixedTexts()[0], "12");
    EXPECT_EQ(model.fixedTexts()[1], "34");
    EXPECT_EQ(model.feed("5"), "") << "digits after the block are display text";
}

TEST(TerminalModel, DigitsBeyondTheLastFixedTextAreNotEchoed) {
    TerminalModel model(4, 20);
    std::string block = "\x1bR";
    for (int i = 0; i < 128; ++i)
        block += std::string("7\0", 2);
    EXPECT_EQ(model.feed(block), std::string(128, '7'));
    EXPECT_EQ(model.feed("8"), "");
    EXPECT_EQ(model.unknownBytes(), 1);
}

TEST(TerminalModel, CursorPositionsAreRawBytesAndClampToTheDisplay) {
    TerminalModel model(4, 20);
    model.feed(std::string("\x1b[\x02;\x05HX", 7));
    EXPECT_EQ(model.displayLines()[2][5], 'X');
    model.feed("\x1b[\xc8;\xfeHY");
    EXPECT_EQ(model.displayLines()[3][19], 'Y');
    EXPECT_EQ(model.cursorCommands(), std::vector<std::string>({"[2;5H", "[200;254H"}));
    EXPECT_EQ(model.cursorRow(), 0) << "Y filled the last cell and wrapped to the top";
}

TEST(TerminalModel, UnknownBytesAreCountedAndAnEscStartsOver) {
    TerminalModel model(2, 8);
    model.feed(std::string("\x01\n\0", 3));
    EXPECT_EQ(model.unknownBytes(), 3);
    model.feed("\x1bZ\x1b&q");
    EXPECT_EQ(model.unknownBytes(), 3 + 2 + 3);
    model.feed("\x1b[a\x1b&#");
    EXPECT_EQ(model.unknownBytes(), 8 + 3);
    EXPECT_EQ(model.displayLines(), std::vector<std::string>(2, std::string(8, ' ')));
    EXPECT_EQ(model.formatCode(), -1);
}

} // namespace
