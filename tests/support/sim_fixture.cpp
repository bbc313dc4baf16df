#include "sim_fixture.h"

#include "device_link/serial_port.h"
#include "device_link/settings_store.h"
#include "test_store.h"

#include <QTest>

void SimFixture::start(const zrsim::SimOptions& options, int handshaking) {
    window.reset();
    sim = std::make_unique<zrsim::PtyTerminal>(options);
    TestStore::clear();
    TestStore::mapPort(1, QString::fromStdString(sim->slavePath()));
    if (handshaking != 0)
        TestStore::setSetting(SettingsStore::handshakingKey, QString::number(handshaking));
    window = std::make_unique<MainWindow>(prompt);
    window->Form_Load();
    ASSERT_TRUE(window->MSComm1->PortOpen());
}

QByteArray SimFixture::received(qsizetype atLeast) const {
    const auto bytes = [this] { return QByteArray::fromStdString(sim->received()); };
    // A shortfall shows in the caller's comparison, with the bytes that did arrive.
    static_cast<void>(QTest::qWaitFor([&] { return bytes().size() >= atLeast; }, 2000));
    return bytes();
}

QByteArray SimFixture::settled() const {
    QByteArray bytes = received();
    for (;;) {
        QTest::qWait(40);
        const QByteArray now = received();
        if (now == bytes)
            return now;
        bytes = now;
    }
}
