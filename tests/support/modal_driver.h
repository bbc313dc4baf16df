#pragma once

#include <QWidget>
#include <functional>

// Acts on the next modal window of the application as soon as it is shown: the only way
// a test gets past a dialog's exec(). A window the action leaves open is closed after
// `timeoutMs`, so a mistake fails the test instead of hanging it.
void whenModalShown(std::function<void(QWidget*)> action, int timeoutMs = 5000);
