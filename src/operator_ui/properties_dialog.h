#pragma once

#include "device_link/serial_devices.h"

#include <QDialog>
#include <array>

class DeviceList;
class OperatorPrompt;
class QComboBox;
class QLabel;
class QRadioButton;
class SerialPort;

// "COM-Anschluß-Einstellungen": shows the port's configuration; only the port number and
// the device behind it can be changed. "OK" applies them to the port and stores them.
class PropertiesDialog : public QDialog {
    Q_OBJECT

public:
    PropertiesDialog(SerialPort& port, OperatorPrompt& prompt, QWidget* parent = nullptr,
                     const SerialDeviceSource& devices = SerialDeviceSource::system());

    void LoadPropertySettings();
    void cmdOK_Click();
    void cmdCancel_Click();
    void optFlow_Click(int index);
    void optEcho_Click(int index);

    qint16 FlowSetting = 0;
    bool EchoSetting = false;

    QComboBox* cboPort = nullptr;
    QComboBox* cboSpeed = nullptr;
    QComboBox* cboDataBits = nullptr;
    QComboBox* cboParity = nullptr;
    QComboBox* cboStopBits = nullptr;
    std::array<QRadioButton*, 4> optFlow{};
    std::array<QRadioButton*, 2> optEcho{};
    DeviceList* cboDevice = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls(const SerialDeviceSource& devices);
    QWidget* buildFormat(QWidget* parent);
    QWidget* buildOptions(QWidget* parent);
    void showDevice();
    bool applyPortChoice();
    QString chosenSettings() const;
    void showFailure();

    SerialPort& port_;
    OperatorPrompt& prompt_;
};
