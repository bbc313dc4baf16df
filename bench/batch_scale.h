#pragma once

#include <QString>

// `quendal --run` as a headless child with 1, 8 and 16 terminals at once, each a simulator of
// its own on a line paced as 9600 baud 8E1, the sizes taken by turns `rounds` times. Prints
// each batch's wall time against one terminal's, processor time and peak memory per terminal.
// Returns 0 when every terminal of every batch passed.
int benchmarkBatchScale(int rounds, bool json, const QString& folder);
