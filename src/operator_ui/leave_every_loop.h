#pragma once

#include <functional>

// What an ending signal does to the window: it ends as "Programmende" does. A run in
// progress is cancelled, every modal window's event loop is left and the main loop ends, so
// the port closes with the main window.
std::function<void()> leaveEveryLoop(bool& cancelRequested);
