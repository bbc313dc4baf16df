#include "device_link/exchange.h"
#include "device_link/serial_port.h"
#include "operator_ui/main_window.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

long peakResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

TEST(Flood, WhatArrivesWhileNobodyWaitsStaysBounded) {
    PtyPair terminal;
    TestStore::clear();
    TestStore::mapPort(1, terminal.slavePath());
    ScriptedPrompt prompt;
    MainWindow window(prompt);
    window.Form_Load();
    ASSERT_TRUE(window.MSComm1->PortOpen());
    const long before = peakResidentKiB();
    const QByteArray chunk(4096, 'x');
    qsizetype largest = 0;
    for (int i = 0; i < 8 * 256; ++i) { // 8 MiB
        terminal.writeMaster(chunk);
        QCoreApplication::processEvents();
        largest = std::max(largest, window.exchange->ReceivedText.size());
    }
    QTest::qWait(50);
    EXPECT_LE(largest, 64 * 1024);
    const long growth = peakResidentKiB() - before;
    std::printf("peak resident memory grew by %ld KiB during an 8 MiB flood\n", growth);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer keeps freed memory in quarantine, so only a plain build can tell.
    EXPECT_LT(growth, 4 * 1024);
#endif
    EXPECT_TRUE(prompt.shown.empty());
}

} // namespace
