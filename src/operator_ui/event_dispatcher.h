#pragma once

#include <QByteArray>

// Quendal waits on one port at a time: Qt's own poll() dispatcher serves that with less work
// per wake-up than GLib's main loop. QApplication reads the choice when it is created.
inline void chooseEventDispatcher() {
    qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
}
