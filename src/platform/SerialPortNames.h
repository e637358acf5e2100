#pragma once
#include <QString>

class ISettingsStore;

// COMn to the device that stands for it: the per-user setting "SerialPorts/COMn" when
// present, else /dev/ttyS<n-1> (on Windows COMn itself).
QString serialDeviceForPort(const ISettingsStore* store, int n);
// True when that device exists and is a character device (on Windows: the port is known).
bool serialPortExists(const ISettingsStore* store, int n);
