#include "serial_port.h"

#include "line_setup.h"
#include "low_latency.h"
#include "port_directory.h"

namespace {
constexpr int highestCommPort = 16;
}

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::onPortError);
    connect(&hangUp_, &HangUpWatch::lineHungUp, this, &SerialPort::lose);
}

SerialPort::~SerialPort() {
    close();
}

bool SerialPort::fail(PortProblem::Kind kind, const QString& systemText, int value) {
    problem_ = {};
    problem_.kind = kind;
    problem_.commPort = commPort_;
    problem_.path = devicePath();
    problem_.node = device_.canonical;
    problem_.systemText = systemText;
    problem_.value = value;
    return false;
}

bool SerialPort::reject(PortProblem::Kind kind, const RejectedSetting& rejected,
                        const QString& settingsText) {
    fail(kind, rejected.systemText);
    problem_.setting = rejected.setting;
    problem_.settingValue = rejected.value;
    problem_.errorNumber = rejected.errorNumber;
    problem_.settingsText = settingsText;
    return false;
}

bool SerialPort::setCommPort(int commPort) {
    if (commPort < 1 || commPort > highestCommPort)
        return fail(PortProblem::InvalidPortNumber, {}, commPort);
    if (PortOpen())
        return fail(PortProblem::PortNumberWhileOpen);
    commPort_ = commPort;
    devicePath_.clear();
    return true;
}

QString SerialPort::devicePath() const {
    return devicePath_.isEmpty() ? devicePathForPort(commPort_) : devicePath_;
}

bool SerialPort::setSettings(const QString& settings) {
    LineSettings parsed;
    RejectedSetting rejected;
    if (!parseLineSettings(settings, parsed, rejected))
        return reject(PortProblem::InvalidSettings, rejected, settings);
    if (PortOpen() && !applyToDevice(parsed, handshaking_))
        return false;
    settings_ = parsed;
    return true;
}

bool SerialPort::setHandshaking(int handshaking) {
    if (handshaking < NoHandshaking || handshaking > XonXoffAndRtsCts)
        return fail(PortProblem::InvalidHandshaking, {}, handshaking);
    if (PortOpen() && !applyToDevice(settings_, handshaking))
        return false;
    handshaking_ = handshaking;
    return true;
}

// A pseudo-terminal has no wire: Linux runs it at 8 bits without parity whatever is asked,
// so there the format is only what the program reports. That lets a simulated terminal
// stand in for a port. A real device that refuses a format keeps the one it had.
bool SerialPort::applyToDevice(const LineSettings& settings, int handshaking) {
    RejectedSetting refusal;
    if (device_.isPty) {
        LineSettings wire = settings;
        wire.parity = 'n';
        wire.dataBits = 8;
        applyLineSetup(port_, wire, handshaking, refusal);
        return true;
    }
    if (applyLineSetup(port_, settings, handshaking, refusal))
        return true;
    RejectedSetting ignored;
    applyLineSetup(port_, settings_, handshaking_, ignored);
    return reject(PortProblem::SetupRefused, refusal, formatLineSettings(settings));
}

bool SerialPort::setPortOpen(bool open) {
    if (!open) {
        close();
        return true;
    }
    return this->open();
}

bool SerialPort::open() {
    if (PortOpen())
        return fail(PortProblem::AlreadyOpen);
    if (tryOpen())
        return true;
    emit openingFailed();
    return false;
}

bool SerialPort::tryOpen() {
    if (!locateDevice(commPort_, devicePath(), device_, problem_))
        return false;
    port_.setPortName(device_.canonical);
    if (!port_.open(QIODevice::ReadWrite)) {
        problem_ = diagnoseOpenFailure(device_, port_.error(), port_.errorString());
        port_.clearError();
        return false;
    }
    if (!lockDevice(device_, int(port_.handle()), problem_) ||
        !applyToDevice(settings_, handshaking_)) {
        port_.close();
        return false;
    }
    lowLatency_.enable(int(port_.handle()));
    hangUp_.watch(int(port_.handle()));
    emit PortOpenChanged(true);
    return true;
}

void SerialPort::close() {
    if (!port_.isOpen())
        return;
    hangUp_.stop();
    lowLatency_.restore(int(port_.handle()));
    port_.close();
    emit PortOpenChanged(false);
}

QByteArray SerialPort::Input() {
    if (!PortOpen()) {
        fail(PortProblem::NotOpen);
        return {};
    }
    return port_.readAll();
}

bool SerialPort::setOutput(const QByteArray& bytes) {
    if (!PortOpen())
        return fail(PortProblem::NotOpen);
    stalled_ = false;
    if (port_.write(bytes) != bytes.size())
        return fail(PortProblem::SendFailed, port_.errorString());
    port_.flush();
    if (!PortOpen())
        return false;
    if (!stalled_)
        return true;
    // Bytes held back now would reach the terminal out of order once the line runs again.
    port_.clear(QSerialPort::Output);
    return fail(PortProblem::OutputStopped);
}

void SerialPort::discardInput() {
    if (!PortOpen())
        return;
    port_.readAll();
    port_.clear(QSerialPort::Input);
}

void SerialPort::onReadyRead() {
    commEvent_ = comEvReceive;
    emit OnComm();
}

// Qt's errors are one way to learn of a loss (Qt 6.4 reports the hang-up as ReadError, and
// repeats it until the port is closed), the hang-up watch the other; either ends here once.
// A write refused with EAGAIN comes as ResourceError too, but leaves the device in place.
// Closing a closed port raises NotOpenError, which is ignored here like NoError.
void SerialPort::onPortError(QSerialPort::SerialPortError error) {
    if (!port_.isOpen() || (error != QSerialPort::ReadError && error != QSerialPort::ResourceError))
        return;
    if (error == QSerialPort::ResourceError && !HangUpWatch::hungUp(int(port_.handle()))) {
        stalled_ = true;
        emit outputStalled();
        return;
    }
    lose();
}

void SerialPort::lose() {
    if (!port_.isOpen())
        return;
    fail(PortProblem::ConnectionLost, port_.errorString());
    close();
    emit deviceLost();
}
