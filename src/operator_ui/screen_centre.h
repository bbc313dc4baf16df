#pragma once

class QWidget;

// Sizes the window by its layout, then puts it in the middle of the screen's free area, so
// all of it is on the screen.
void centreOnScreen(QWidget& window);
