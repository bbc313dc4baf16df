#pragma once

#include <string>
#include <vector>

// The writes the program makes to the line, each with whether its echo is awaited.
struct Write {
    std::string bytes;
    bool awaited = false;
};
using Writes = std::vector<Write>;

Writes interfaceTest();
Writes recodingTable();
Writes displayFormat(char code);
// With a failing digit (counted from 1) the block ends right after it, as the program
// ends it on a missing echo.
Writes fixedTexts(int failingDigit = 0);
Writes banner(int cols, int rows);
Writes demoText(int cols, int rows);

std::string tableBytes();
std::string bytesOf(const Writes& writes);
