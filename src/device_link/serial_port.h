#pragma once

#include "hang_up_watch.h"
#include "line_settings.h"
#include "low_latency.h"
#include "port_device.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

// The program's serial port: port number, line format, flow control, open state, input,
// output and a receive notification. Every failing call returns false and leaves the reason
// in problem(), which the windows and the production run word for the operator.
class SerialPort : public QObject {
    Q_OBJECT

public:
    // CommEvent codes; only "characters waiting" is ever acted upon.
    static constexpr int comEvReceive = 2;

    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    int CommPort() const { return commPort_; }
    bool setCommPort(int commPort);
    QString Settings() const { return formatLineSettings(settings_); }
    bool setSettings(const QString& settings);
    int Handshaking() const { return handshaking_; }
    bool setHandshaking(int handshaking);
    bool PortOpen() const { return port_.isOpen(); }
    bool setPortOpen(bool open);
    // The device behind the COM number: the one set for this session, else the stored one.
    QString devicePath() const;
    // Puts another device behind the current COM number until the number changes; it is
    // used from the next opening on.
    void setDevicePath(const QString& path) { devicePath_ = path; }

    // Everything received and not yet taken; empty when nothing waits or the port is closed.
    QByteArray Input();
    // Queues the bytes and hands them to the driver at once; fails on a closed port.
    bool setOutput(const QByteArray& bytes);
    // Drops everything received and not yet taken, in Qt's buffer and in the driver's.
    void discardInput();
    int CommEvent() const { return commEvent_; }

    const PortProblem& problem() const { return problem_; }

signals:
    void OnComm();
    // The port was opened or closed, by the program or because the device went away.
    void PortOpenChanged(bool open);
    // The device went away; the port has already been closed.
    void deviceLost();
    // An opening failed; problem() says why.
    void openingFailed();
    // The driver refused output (flow control has stopped the line); the port stays open.
    void outputStalled();

private:
    bool fail(PortProblem::Kind kind, const QString& systemText = {}, int value = 0);
    bool reject(PortProblem::Kind kind, const RejectedSetting& rejected,
                const QString& settingsText);
    bool open();
    bool tryOpen();
    bool applyToDevice(const LineSettings& settings, int handshaking);
    void close();
    void onPortError(QSerialPort::SerialPortError error);
    void onReadyRead();
    void lose();

    QSerialPort port_;
    PortDevice device_;
    LowLatency lowLatency_;
    HangUpWatch hangUp_;
    int commPort_ = 1;
    QString devicePath_;
    LineSettings settings_;
    int handshaking_ = 0;
    int commEvent_ = 0;
    bool stalled_ = false;
    PortProblem problem_;
};
