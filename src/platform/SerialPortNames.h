#pragma once
#include <QString>

class ISettingsStore;

// COMn to the device that stands for it: the per-user setting "SerialPorts/COMn" when
// present, else /dev/ttyS<n-1> (on Windows COMn itself).
QString serialDeviceForPort(const ISettingsStore* store, int n);
// True when that device exists and is a character device (on Windows: the port is known).
bool serialPortExists(const ISettingsStore* store, int n);
// How the program names COMn to the operator: "COM1 (/dev/ttyS0)", or "COM1" where the
// device is the port itself.
QString serialPortLabel(const ISettingsStore* store, int n);
// A port's failure as the operator is told it: "COM1 (/dev/ttyS0) could not be opened: No
// such file or directory." from the label, what happened and the system's reason.
QString serialPortFailure(const QString& label, const QString& happened, const QString& reason);
