#include "link/SharedRoutines.h"
#include "support/FakeClock.h"
#include "support/MemorySettingsStore.h"
#include "platform/Shell.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

TEST(SharedRoutines, SplitsLineSettings)
{
    struct Case {
        const char* in;
        const char *baud, *parity, *data, *stop;
    } cases[] = {
        {"9600,N,8,1", "9600", "N", "8", "1"},
        {"19200,E,7,1", "19200", "E", "7", "1"},
        {"4800,O,8,2", "4800", "O", "8", "2"},
        {"9600,n,8,1", "9600", "", "8", "1"},   // lower-case parity
        {"9600,N,6,3", "9600", "N", "", ""},
        {"9600,N,8", "9600", "N", "8", ""},   // too short for the stop bits
        {"9600", "", "", "", ""},
        {",N,8,1", "", "", "", ""},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(GetBaudFromSettings(c.in), c.baud);
        EXPECT_EQ(GetParityFromSettings(c.in), c.parity);
        EXPECT_EQ(GetDataBitsFromSettings(c.in), c.data);
        EXPECT_EQ(GetStopBitsFromSettings(c.in), c.stop);
    }
}

TEST(SharedRoutines, ChecksCharacters)
{
    EXPECT_FALSE(IsPrintableChar(31));
    EXPECT_TRUE(IsPrintableChar(32));
    EXPECT_TRUE(IsPrintableChar(126));
    EXPECT_FALSE(IsPrintableChar(127));
    for (int c : {'A', 'Z', 'a', 'z'})
        EXPECT_TRUE(IsLetterChar(c)) << c;
    for (int c : {int('@'), int('['), int('`'), int('{'), int('0'), 200})
        EXPECT_FALSE(IsLetterChar(c)) << c;
}

TEST(SharedRoutines, ValidatesIPAddresses)
{
    struct Case {
        const char* in;
        bool valid;
    } cases[] = {
        {"10.0.0.254", true},
        {"127.0.0.1", true},
        {" 192.168.1.1 ", true},
        {"0.0.0.0", true},
        {"255.255.255.255", true},
        {"010.0.0.1", true},
        {"10.0.0", false},
        {"10.0.0.1.5", false},
        {"10.0.999.1", false},
        {"10.0.256.1", false},
        {"10..0.1", false},
        {"10.0.0.", false},
        {"1e2.0.0.1", false},
        {"-1.0.0.1", false},
        {"+1.0.0.1", false},
        {"1.5.0.0.1", false},
        {"&H10.0.0.1", false},
        {"   .0.0.1", false},
        {"99999999999.0.0.1", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidIPAddress(c.in), c.valid) << c.in;
}

TEST(SharedRoutines, PauseMillisecondsSleepsTwentyPerWholeFifty)
{
    struct Case {
        float ms;
        int rounds;
    } cases[] = {{1, 1}, {49.9f, 1}, {50, 1}, {99, 1}, {100, 2}, {120, 2}, {1000, 20}, {NAN, 1}, {-5, 1}, {1e12f, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ms);
        FakeClock clock;
        const qint64 start = clock.msNow();
        PauseMilliseconds(clock, c.ms);
        EXPECT_EQ(clock.sleeps, c.rounds);
        EXPECT_EQ(clock.eventRounds, c.rounds);
        EXPECT_EQ(clock.msNow() - start, 20 * c.rounds);
    }
}

TEST(SharedRoutines, PauseSecondsLetsEventsRunUntilTheEnd)
{
    for (qint16 s : {qint16(0), qint16(1), qint16(3), qint16(40)}) {
        SCOPED_TRACE(s);
        FakeClock clock;
        const qint64 start = clock.msNow();
        PauseSeconds(clock, s);
        EXPECT_EQ(clock.msNow() - start, s * 1000);   // 40 s does not wrap into a short wait
        EXPECT_GE(clock.eventRounds, s == 0 ? 0 : s * 100);
    }
}

TEST(SharedRoutines, ConvertsPower)
{
    EXPECT_FLOAT_EQ(DbmToWatts(30), 1.0f);
    EXPECT_FLOAT_EQ(DbmToWatts(60), 1000.0f);
    EXPECT_FLOAT_EQ(WattsToDbm(1), 30.0f);
    EXPECT_FLOAT_EQ(WattsToDbm(100), 50.0f);
    EXPECT_FLOAT_EQ(WattsToDbm(0), 30.0f);
    EXPECT_FLOAT_EQ(WattsToDbm(-5), 30.0f);
    EXPECT_DOUBLE_EQ(Log10(1000), 3.0);
    EXPECT_DOUBLE_EQ(Log10(0), 0.0);
}

TEST(SharedRoutines, FormatsPower)
{
    struct Case {
        float dBm;
        bool watts;
        const char* out;
    } cases[] = {{47, false, "47.0"}, {47, true, "50.1"}, {47.05f, false, "47.1"},     {-3.25f, false, "-3.3"},
                 {0, false, "0.0"},   {30, true, "1.0"},  {1234.56f, false, "1234.6"}, {-60, true, "0.0"}};
    for (const Case& c : cases)
        EXPECT_EQ(FormatPower(c.dBm, c.watts), c.out) << c.dBm << (c.watts ? " W" : " dBm");
}

TEST(SharedRoutines, ComPortExistsOnlyForACharacterDevice)
{
    QTemporaryDir dir;
    MemorySettingsStore store;
    store.setText("SerialPorts", "COM1", "/dev/null");
    store.setText("SerialPorts", "COM2", dir.path());
    store.setText("SerialPorts", "COM3", dir.filePath("missing"));
    EXPECT_TRUE(ComPortExists(store, 1));
    EXPECT_FALSE(ComPortExists(store, 2));
    EXPECT_FALSE(ComPortExists(store, 3));
}

TEST(SharedRoutines, DateToUnixSeconds)
{
    struct Case {
        QDateTime d;
        std::optional<qint32> s;
    } cases[] = {
        {QDateTime(QDate(1970, 1, 1), QTime(0, 0, 0)), 0},
        {QDateTime(QDate(1970, 1, 1), QTime(23, 59, 59)), 86399},
        {QDateTime(QDate(1970, 1, 2), QTime(13, 30, 0)), 86400 + 48600},
        {QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59)), -1},
        {QDateTime(QDate(2038, 1, 19), QTime(3, 14, 7)), 2147483647},
        {QDateTime(QDate(2038, 1, 19), QTime(3, 14, 8)), std::nullopt},
        {QDateTime(QDate(1901, 12, 13), QTime(20, 45, 52)), -2147483647 - 1},
        {QDateTime(QDate(1901, 12, 13), QTime(20, 45, 51)), std::nullopt},
        {QDateTime(QDate(2100, 1, 1), QTime(0, 0)), std::nullopt},
        {QDateTime(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateToUnixSeconds(c.d), c.s) << c.d.toString(Qt::ISODate).toStdString();
}

TEST(SharedRoutines, ShellOpenReportsTheShellsAnswer)
{
    struct RecordingShell : IShell {
        bool open(const QString& p) override
        {
            opened = p;
            return answer;
        }
        QString opened;
        bool answer = true;
    } shell;
    EXPECT_TRUE(ShellOpen(shell, "http://127.0.0.1/"));
    EXPECT_EQ(shell.opened, "http://127.0.0.1/");
    shell.answer = false;
    EXPECT_FALSE(ShellOpen(shell, "missing.txt"));
}
