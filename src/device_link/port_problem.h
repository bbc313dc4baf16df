#pragma once

#include <QString>
#include <QStringList>

// Why the serial port refused an operation, as data: the window words it for its boxes, and
// a production run writes both the data and the words into its report.
struct PortProblem {
    enum Kind {
        None,
        // An opening that failed, from the most specific evidence on.
        DeviceMissing,
        InUseByProgram,
        StaleLockFile,
        LockFileNotRegular,
        InUseByFlock,
        NoDeviceRights,
        NoLockDirectoryRights,
        HeldExclusively,
        NotASerialDevice,
        NotResponding,
        OpenFailed,
        // Everything else the port may refuse.
        InvalidPortNumber,
        PortNumberWhileOpen,
        InvalidHandshaking,
        InvalidSettings,
        SetupRefused,
        AlreadyOpen,
        NotOpen,
        SendFailed,
        OutputStopped,
        ConnectionLost,
    };
    // What stands in a lock file's place when it is no plain file.
    enum FileKind { Fifo, Symlink, Directory, Socket, DeviceNode };
    // The part of the line format a settings text or the device rejected; Fields when the
    // text is not four comma-separated fields at all.
    enum Setting { NoSetting, Fields, BaudRate, Parity, DataBits, StopBits, Handshaking };

    Kind kind = None;
    int commPort = 0;
    QString path; // the device as named, possibly a link
    QString node; // the device node itself
    int errorNumber = 0;
    QString systemText; // the system's or the serial component's own words
    qint64 pid = 0;     // the process that holds the port, 0 when not known
    QString program;
    QString group; // owner group of the node or lock directory; empty when not known
    QString lockFile;
    FileKind fileKind = DeviceNode;
    QStringList present; // serial devices present, for a missing one
    int value = 0;       // the rejected port number or handshaking code
    Setting setting = NoSetting;
    QString settingValue; // the rejected setting's value as written, such as "e" or "1.5"
    QString settingsText; // the whole settings text that was rejected

    bool isOpenFailure() const { return kind >= DeviceMissing && kind <= OpenFailed; }
};
