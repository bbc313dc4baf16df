#include "line_setup.h"

#include <QCoreApplication>
#include <termios.h>

namespace {

QSerialPort::Parity parityOf(char letter) {
    switch (letter) {
    case 'o':
        return QSerialPort::OddParity;
    case 'n':
        return QSerialPort::NoParity;
    case 'm':
        return QSerialPort::MarkParity;
    case 's':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::EvenParity;
    }
}

QSerialPort::StopBits stopBitsOf(const QString& text) {
    if (text == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    return text == QLatin1String("2") ? QSerialPort::TwoStop : QSerialPort::OneStop;
}

QSerialPort::FlowControl flowOf(int handshaking) {
    switch (handshaking) {
    case XonXoff:
        return QSerialPort::SoftwareControl;
    case RtsCts:
    case XonXoffAndRtsCts:
        return QSerialPort::HardwareControl;
    default:
        return QSerialPort::NoFlowControl;
    }
}

// QSerialPort has no mode for both at once: add XON/XOFF to the RTS/CTS it has set.
bool addSoftwareFlow(QSerialPort& port) {
    termios attributes{};
    if (::tcgetattr(port.handle(), &attributes) != 0)
        return false;
    attributes.c_iflag |= IXON | IXOFF;
    return ::tcsetattr(port.handle(), TCSANOW, &attributes) == 0;
}

// Shown to the operator, so translated along with the captions.
bool refused(QSerialPort& port, const QString& what, QString& error) {
    error = QCoreApplication::translate("Captions", "Die Schnittstelle %1 übernimmt %2 nicht (%3).")
                .arg(port.portName(), what, port.errorString());
    port.clearError();
    return false;
}

} // namespace

bool applyLineSetup(QSerialPort& port, const LineSettings& settings, int handshaking,
                    QString& error) {
    if (settings.dataBits < 5)
        return refused(
            port, QCoreApplication::translate("Captions", "%1 Datenbits").arg(settings.dataBits),
            error);
    if (!port.setBaudRate(settings.baud))
        return refused(
            port, QCoreApplication::translate("Captions", "die Baudrate %1").arg(settings.baud),
            error);
    if (!port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)))
        return refused(
            port, QCoreApplication::translate("Captions", "%1 Datenbits").arg(settings.dataBits),
            error);
    if (!port.setParity(parityOf(settings.parity)))
        return refused(port,
                       QCoreApplication::translate("Captions", "die Parität „%1“")
                           .arg(QLatin1Char(settings.parity)),
                       error);
    if (!port.setStopBits(stopBitsOf(settings.stopBits)))
        return refused(
            port, QCoreApplication::translate("Captions", "%1 Stopbits").arg(settings.stopBits),
            error);
    if (!port.setFlowControl(flowOf(handshaking)))
        return refused(
            port, QCoreApplication::translate("Captions", "das Handshaking %1").arg(handshaking),
            error);
    if (handshaking == XonXoffAndRtsCts && !addSoftwareFlow(port))
        return refused(
            port, QCoreApplication::translate("Captions", "das Handshaking %1").arg(handshaking),
            error);
    return true;
}
