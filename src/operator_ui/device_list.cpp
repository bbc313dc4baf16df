#include "device_list.h"

#include "device_link/serial_devices.h"
#include "window_captions.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QStandardItemModel>
#include <QStyle>

namespace {

// Marks a choice that is not a path of its own, such as "Anderes Gerät …".
constexpr int otherRole = Qt::UserRole + 1;

} // namespace

DeviceList::DeviceList(const SerialDeviceSource& devices, QWidget* parent)
    : QComboBox(parent), devices_(devices) {
    // A fixed width: neither a long path nor a new adapter moves the dialog's buttons.
    setFixedWidth(fontMetrics().averageCharWidth() * 60);
    connect(this, &QComboBox::activated, this, &DeviceList::onActivated);
    connect(this, &QComboBox::currentIndexChanged, this, &DeviceList::showChosen);
}

void DeviceList::showFor(int commPort, const QString& current) {
    commPort_ = commPort;
    mapped_ = current;
    refill(current);
}

QString DeviceList::chosenPath() const {
    return currentData().toString();
}

void DeviceList::showPopup() {
    refill(chosenPath());
    QComboBox::showPopup();
}

void DeviceList::refill(const QString& selected) {
    const QSignalBlocker quiet(this);
    clear();
    const QList<SerialDevice> found = devices_.devices();
    if (found.isEmpty()) {
        addItem(Captions::noDeviceFound);
        qobject_cast<QStandardItemModel*>(model())->item(0)->setEnabled(false);
    }
    for (const SerialDevice& device : found)
        addPath(device.path, device.label);
    addPath(QStringLiteral("/dev/ttyS%1").arg(commPort_ - 1), {});
    addPath(mapped_, {});
    addPath(selected, {});
    addItem(Captions::otherDevice);
    setItemData(count() - 1, true, otherRole);
    setCurrentIndex(indexOfDevice(selected));
    lastChosen_ = chosenPath();
    showChosen();
}

// Each device once, however it is named; long paths are cut in the middle to keep the
// dialog's width, the whole path stays in the tooltip.
void DeviceList::addPath(const QString& path, const QString& label) {
    if (path.isEmpty())
        return;
    if (indexOfDevice(path) >= 0)
        return;
    QString text = label;
    if (text.isEmpty())
        text = QFileInfo::exists(path) ? path : path + QLatin1Char(' ') + Captions::deviceAbsent;
    const int room = width() - 2 * style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth) - 32;
    addItem(fontMetrics().elidedText(text, Qt::ElideMiddle, room), path);
    setItemData(count() - 1, path, Qt::ToolTipRole);
}

int DeviceList::indexOfDevice(const QString& path) const {
    for (int i = 0; i < count(); ++i)
        if (!itemData(i).toString().isEmpty() && sameDevice(itemData(i).toString(), path))
            return i;
    return -1;
}

void DeviceList::onActivated(int index) {
    if (itemData(index, otherRole).toBool())
        askForPath();
    lastChosen_ = chosenPath();
}

// Pseudo-terminals and other devices that discovery does not list are typed in.
void DeviceList::askForPath() {
    bool accepted = false;
    const QString path =
        QInputDialog::getText(this, Captions::otherDevice, Captions::otherDevicePrompt,
                              QLineEdit::Normal, lastChosen_, &accepted)
            .trimmed();
    refill(accepted && !path.isEmpty() ? path : lastChosen_);
}

void DeviceList::showChosen() {
    setToolTip(chosenPath());
}
