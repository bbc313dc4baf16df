#pragma once

#include <QComboBox>

class SerialDeviceSource;

// "Gerät:": what a COM number can stand for. Lists the serial devices present, the COM
// number's default node, the device it is mapped to now and "Anderes Gerät …", which asks
// for a path. Read again each time it opens, so an adapter plugged in meanwhile appears.
class DeviceList : public QComboBox {
    Q_OBJECT

public:
    DeviceList(const SerialDeviceSource& devices, QWidget* parent = nullptr);

    // Lists the choices for COM<commPort> with `current` selected.
    void showFor(int commPort, const QString& current);
    QString chosenPath() const;

    void showPopup() override;

private:
    void refill(const QString& selected);
    void addPath(const QString& path, const QString& label);
    // The entry for this device under whichever of its names, or -1.
    int indexOfDevice(const QString& path) const;
    void onActivated(int index);
    void askForPath();
    void showChosen();

    const SerialDeviceSource& devices_;
    int commPort_ = 1;
    QString mapped_;
    QString lastChosen_;
};
