#include "link/UserSettings.h"
#include "support/MemorySettingsStore.h"
#include <gtest/gtest.h>
#include <functional>

using UserSettings::Values;

namespace {

bool operator==(const Values& a, const Values& b)
{
    return a.CurrentPort == b.CurrentPort && a.ComSettings == b.ComSettings && a.PollStatus == b.PollStatus &&
           a.PollAddress == b.PollAddress && a.UseIP == b.UseIP && a.EthPort == b.EthPort && a.UseEnet == b.UseEnet &&
           a.RrfFloor == b.RrfFloor && a.UnitsSetting == b.UnitsSetting;
}

TEST(UserSettings, NothingStoredGivesTheDefaults)
{
    MemorySettingsStore store;
    const Values v = UserSettings::Read(store);
    EXPECT_EQ(v.CurrentPort, 1);
    EXPECT_EQ(v.ComSettings, "9600,N,8,1");
    EXPECT_FALSE(v.PollStatus);
    EXPECT_EQ(v.PollAddress, 65);
    EXPECT_EQ(v.UseIP, "10.0.0.254");
    EXPECT_EQ(v.EthPort, 2000);
    EXPECT_FALSE(v.UseEnet);
    EXPECT_FLOAT_EQ(v.RrfFloor, 27.0f);
    EXPECT_FALSE(v.UnitsSetting);
}

TEST(UserSettings, EachStoredTextIsReadOrFallsBackToItsDefault)
{
    struct Case {
        const char* key;
        const char* stored;
        std::function<void(Values&)> expect;   // the change from the defaults; none = default
    };
    const Case cases[] = {
        {"CurrentPort", "3", [](Values& v) { v.CurrentPort = 3; }},
        {"CurrentPort", "10", [](Values& v) { v.CurrentPort = 10; }},
        {"CurrentPort", "4 (USB)", [](Values& v) { v.CurrentPort = 4; }},
        {"CurrentPort", "2.5", [](Values& v) { v.CurrentPort = 2; }},
        {"CurrentPort", "12", nullptr},
        {"CurrentPort", "0", nullptr},
        {"CurrentPort", "99999", nullptr},
        {"CurrentPort", "COM3", nullptr},
        {"ComSettings", "19200,E,7,1", [](Values& v) { v.ComSettings = "19200,E,7,1"; }},
        {"ComSettings", "", nullptr},
        {"ComSettings", "fast", nullptr},
        {"ComSettings", "9600,X,8,1", nullptr},
        {"PollStatus", "1", [](Values& v) { v.PollStatus = true; }},
        {"PollStatus", "2", [](Values& v) { v.PollStatus = true; }},
        {"PollStatus", "-1", nullptr},
        {"PollStatus", "yes", nullptr},
        {"PollAddress", "75", [](Values& v) { v.PollAddress = 75; }},
        {"PollAddress", "63", [](Values& v) { v.PollAddress = 63; }},
        {"PollAddress", "90", [](Values& v) { v.PollAddress = 90; }},
        {"PollAddress", "62", nullptr},
        {"PollAddress", "91", nullptr},
        {"PollAddress", "97", nullptr},
        {"UseIP", "192.168.1.20", [](Values& v) { v.UseIP = "192.168.1.20"; }},
        {"UseIP", "unit.local", nullptr},
        {"UseIP", "192.168.1.256", nullptr},
        {"UseIP", "192.168.1", nullptr},
        {"EthPort", "2101", [](Values& v) { v.EthPort = 2101; }},
        {"EthPort", "65535", [](Values& v) { v.EthPort = 65535; }},
        {"EthPort", "0", nullptr},
        {"EthPort", "65536", nullptr},
        {"EthPort", "4294967297", nullptr},   // never wrapped round to port 1
        {"EthPort", "-2000", nullptr},
        {"EthPort", "20x", nullptr},
        {"UseEnet", "True", [](Values& v) { v.UseEnet = true; }},
        {"UseEnet", "true", [](Values& v) { v.UseEnet = true; }},
        {"UseEnet", "-1", [](Values& v) { v.UseEnet = true; }},
        {"UseEnet", "False", nullptr},
        {"UseEnet", "0", nullptr},
        {"UseEnet", "on", nullptr},
        {"RRFFloor", "30.5", [](Values& v) { v.RrfFloor = 30.5f; }},
        {"RRFFloor", "-3", [](Values& v) { v.RrfFloor = -3.0f; }},
        {"RRFFloor", "1e300", nullptr},
        {"RRFFloor", "low", nullptr},
        {"UnitsSetting", "True", [](Values& v) { v.UnitsSetting = true; }},
        {"UnitsSetting", "1", [](Values& v) { v.UnitsSetting = true; }},
        {"UnitsSetting", "Watts", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.stored);
        MemorySettingsStore store;
        store.setText("Settings", c.key, c.stored);
        Values expected;
        if (c.expect)
            c.expect(expected);
        EXPECT_TRUE(UserSettings::Read(store) == expected);
    }
}

TEST(UserSettings, WrittenValuesReadBackAndFilePathOnlyWhenChosen)
{
    Values v;
    v.CurrentPort = 4;
    v.ComSettings = "38400,O,7,1";
    v.PollStatus = true;
    v.PollAddress = '?';
    v.UseIP = "127.0.0.9";
    v.EthPort = 65535;
    v.UseEnet = true;
    v.RrfFloor = 27.1f;
    v.UnitsSetting = true;

    MemorySettingsStore store;
    UserSettings::Write(store, v, QString());
    EXPECT_FALSE(store.contains("Settings", "FilePath"));
    EXPECT_EQ(store.values.value("Settings/PollStatus"), "1");
    EXPECT_EQ(store.values.value("Settings/UseEnet"), "True");
    EXPECT_EQ(store.values.value("Settings/RRFFloor"), "27.1");
    EXPECT_EQ(store.values.value("Settings/PollAddress"), "63");
    EXPECT_TRUE(UserSettings::Read(store) == v);

    UserSettings::Write(store, Values{}, "/cal/tables");
    EXPECT_EQ(store.values.value("Settings/FilePath"), "/cal/tables");
    EXPECT_EQ(store.values.value("Settings/PollStatus"), "0");
    EXPECT_EQ(store.values.value("Settings/UnitsSetting"), "False");
    EXPECT_TRUE(UserSettings::Read(store) == Values{});
}

}   // namespace
