#include "properties_dialog.h"

#include "device_link/port_directory.h"
#include "device_link/serial_port.h"
#include "device_list.h"
#include "operator_prompt.h"
#include "screen_centre.h"
#include "test_sequence/stored_port_settings.h"
#include "window_captions.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

PropertiesDialog::PropertiesDialog(SerialPort& port, OperatorPrompt& prompt, QWidget* parent,
                                   const SerialDeviceSource& devices)
    : QDialog(parent), port_(port), prompt_(prompt) {
    setObjectName(QStringLiteral("frmProperties"));
    buildControls(devices);
    LoadPropertySettings();
    centreOnScreen(*this);
}

namespace {

// Selects the entry that reads `text`, or none when the list has no such entry.
void select(QComboBox* list, const QString& text) {
    list->setCurrentIndex(list->findText(text));
}

} // namespace

void PropertiesDialog::LoadPropertySettings() {
    const QStringList fields = port_.Settings().split(QLatin1Char(','));
    select(cboSpeed, fields.value(0));
    const int parity = QStringLiteral("eonms").indexOf(fields.value(1));
    cboParity->setCurrentIndex(fields.value(1).size() == 1 ? parity : -1);
    select(cboDataBits, fields.value(2));
    select(cboStopBits, fields.value(3));
    cboPort->setCurrentIndex(port_.CommPort() - 1);
    const int flow = port_.Handshaking();
    if (flow >= 0 && flow < int(optFlow.size()))
        optFlow[flow]->setChecked(true);
    // No stored echo state is consulted: the dialog always opens with "Aus".
    optEcho[0]->setChecked(true);
    showDevice();
}

void PropertiesDialog::showDevice() {
    const int commPort = cboPort->currentIndex() + 1;
    cboDevice->showFor(commPort, commPort == port_.CommPort() ? port_.devicePath()
                                                              : devicePathForPort(commPort));
}

void PropertiesDialog::optFlow_Click(int index) {
    FlowSetting = static_cast<qint16>(index);
}

void PropertiesDialog::optEcho_Click(int index) {
    EchoSetting = index == 1;
}

void PropertiesDialog::cmdOK_Click() {
    const bool echo = EchoSetting;
    const QString device = cboDevice->chosenPath();
    const bool deviceChanged = !sameDevice(device, devicePathForPort(cboPort->currentIndex() + 1));
    if (!applyPortChoice())
        return;
    if (!port_.setSettings(chosenSettings()) || !port_.setHandshaking(FlowSetting))
        return showFailure();
    // What was applied stays in force even when it cannot be stored.
    QString error;
    if (!saveStoredPortSettings(port_, echo, deviceChanged ? device : QString(), error))
        prompt_.ask({error, Captions::programTitle, QMessageBox::Warning});
    accept();
}

// Moves the port to the chosen number or device: closed for the change, opened on the new
// one. A failure brings the old number and device back and leaves the port closed.
bool PropertiesDialog::applyPortChoice() {
    const int old = port_.CommPort();
    const QString oldDevice = port_.devicePath();
    const int chosen = cboPort->currentIndex() + 1;
    const QString device = cboDevice->chosenPath();
    if (chosen == old && sameDevice(device, oldDevice))
        return true;
    port_.setPortOpen(false);
    if (port_.setCommPort(chosen)) {
        port_.setDevicePath(device);
        if (port_.setPortOpen(true))
            return true;
    }
    showFailure();
    port_.setCommPort(old);
    port_.setDevicePath(oldDevice);
    return false;
}

QString PropertiesDialog::chosenSettings() const {
    return QStringList{cboSpeed->currentText().trimmed(),
                       cboParity->currentText().trimmed().left(1),
                       cboDataBits->currentText().trimmed(), cboStopBits->currentText().trimmed()}
        .join(QLatin1Char(','));
}

void PropertiesDialog::showFailure() {
    prompt_.ask(
        {Captions::describe(port_.problem()), Captions::programTitle, QMessageBox::Warning});
}

void PropertiesDialog::cmdCancel_Click() {
    reject();
}

// Esc does nothing here: only the buttons and the window's close box end the dialog.
void PropertiesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
