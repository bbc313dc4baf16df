#pragma once

#include <QDialog>
#include <array>

class OperatorPrompt;
class QComboBox;
class QLabel;
class QRadioButton;
class SerialPort;

// "COM-Anschluß-Einstellungen": shows the port's configuration; only the port number can
// be changed. "OK" applies it to the port and stores it.
class PropertiesDialog : public QDialog {
    Q_OBJECT

public:
    PropertiesDialog(SerialPort& port, OperatorPrompt& prompt, QWidget* parent = nullptr);

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
    QLabel* lblDevice = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QWidget* buildFormat(QWidget* parent);
    QWidget* buildOptions(QWidget* parent);
    void showDevice();
    bool applyPortChoice();
    QString chosenSettings() const;
    void showFailure();

    SerialPort& port_;
    OperatorPrompt& prompt_;
};
