#include "adapter_directory.h"

#include "device_link/serial_devices.h"

std::optional<TerminalRun::Adapter> AdapterDirectory::find(const QString& device) {
    if (isPseudoTerminal(device))
        return std::nullopt;
    const QMutexLocker lock(&mutex_);
    if (!discovered_) {
        devices_ = SerialDeviceSource::system().devices();
        discovered_ = true;
    }
    for (const SerialDevice& found : devices_)
        if (sameDevice(found.path, device))
            return TerminalRun::Adapter{found.description, found.manufacturer, found.serialNumber};
    return std::nullopt;
}
