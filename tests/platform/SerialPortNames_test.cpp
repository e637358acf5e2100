#include "platform/SerialPortNames.h"
#include "support/MemorySettingsStore.h"
#include <gtest/gtest.h>

TEST(SerialPortNames, ComPortsMapThroughTheSettingElseToTtyS)
{
    MemorySettingsStore store;
    store.setText("SerialPorts", "COM2", "/dev/pts/7");
    EXPECT_EQ(serialDeviceForPort(&store, 2), "/dev/pts/7");
    EXPECT_EQ(serialDeviceForPort(&store, 1), "/dev/ttyS0");
    EXPECT_EQ(serialDeviceForPort(&store, 10), "/dev/ttyS9");
    EXPECT_EQ(serialDeviceForPort(nullptr, 3), "/dev/ttyS2");
    store.setText("SerialPorts", "COM4", "");
    EXPECT_FALSE(serialPortExists(&store, 4));
}
