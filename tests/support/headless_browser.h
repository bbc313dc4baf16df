#pragma once

#include <QString>

// Debian's chromium, headless, for tests that look at a generated page as a browser shows it.
// Each call starts a fresh browser with a throwaway profile and home, so it works as root and
// as an ordinary user, with or without a display. Anything that goes wrong (no chromium, a
// crash, no answer in time) is a test failure that shows the browser's standard error.
class HeadlessBrowser {
public:
    // The document after the browser parsed it, serialised as HTML; empty on failure.
    static QString dumpDom(const QString& htmlFile);
    // A PNG of the page shown in a window of the given size.
    static bool screenshot(const QString& htmlFile, const QString& png, int width, int height);
};
