#pragma once

// How long a production run waits, once its terminals are done, for whoever reads what it
// writes. A signal ends each wait (the last lines get a short grace).
namespace WaitLimits {

// A report FIFO that nobody has opened for reading yet.
inline constexpr int absentReaderMs = 30'000;
// How often such a FIFO is tried again meanwhile.
inline constexpr int readerRetryMs = 100;
// A reader that has stopped taking the report or the last lines.
inline constexpr int stalledReaderMs = 10'000;
// Each wait after a signal, so that a reader that keeps up still gets the last lines.
inline constexpr int afterSignalMs = 200;

} // namespace WaitLimits
