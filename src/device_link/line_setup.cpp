#include "line_setup.h"

#include <cerrno>
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

// errno is taken at once: it tells the device's refusal only until the next system call.
bool refused(QSerialPort& port, PortProblem::Setting setting, const QString& value,
             RejectedSetting& rejected, int errorNumber = errno) {
    rejected = {setting, value, errorNumber, port.errorString()};
    port.clearError();
    return false;
}

} // namespace

bool applyLineSetup(QSerialPort& port, const LineSettings& settings, int handshaking,
                    RejectedSetting& rejected) {
    const QString dataBits = QString::number(settings.dataBits);
    if (settings.dataBits < 5)
        return refused(port, PortProblem::DataBits, dataBits, rejected, 0);
    if (!port.setBaudRate(settings.baud))
        return refused(port, PortProblem::BaudRate, QString::number(settings.baud), rejected);
    if (!port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)))
        return refused(port, PortProblem::DataBits, dataBits, rejected);
    if (!port.setParity(parityOf(settings.parity)))
        return refused(port, PortProblem::Parity, QString(QLatin1Char(settings.parity)), rejected);
    if (!port.setStopBits(stopBitsOf(settings.stopBits)))
        return refused(port, PortProblem::StopBits, settings.stopBits, rejected);
    if (!port.setFlowControl(flowOf(handshaking)) ||
        (handshaking == XonXoffAndRtsCts && !addSoftwareFlow(port)))
        return refused(port, PortProblem::Handshaking, QString::number(handshaking), rejected);
    return true;
}
