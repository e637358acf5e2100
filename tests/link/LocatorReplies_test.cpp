#include "link/LocatorReplies.h"
#include "link/TargetEntries.h"
#include "platform/QtUdpSocket.h"
#include "support/MemorySettingsStore.h"
#include <gtest/gtest.h>

TEST(LocatorReplies, AcceptsLongRepliesNamingTheMakerInItsOwnCase)
{
    const struct {
        QString reply;
        bool accepted;
    } cases[] = {
        {QStringLiteral("12345678Orvan 1234567"), true},   // 21 characters
        {QStringLiteral("12345678Orvan 123456"), false},   // 20 characters
        {QStringLiteral("12345678ORVAN SSPA 600W"), false},      {QStringLiteral("12345678orvan SSPA 600W"), false},
        {QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxxxOrvan"), true}, {QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(locator::ReplyAccepted(c.reply), c.accepted) << c.reply.toStdString();
}

TEST(LocatorReplies, ListLinePadsTheAddressAndMasksUnprintableCharacters)
{
    EXPECT_EQ(locator::ReplyText(QStringLiteral("12345678Orvan SSPA")), QStringLiteral("Orvan SSPA"));
    EXPECT_EQ(locator::ListLine(QStringLiteral("127.0.0.2"), QStringLiteral("Orvan")),
              QStringLiteral("127.0.0.2       Orvan"));
    EXPECT_EQ(locator::ListLine(QStringLiteral("1234567890123456"), QStringLiteral("Orvan")),
              QStringLiteral("1234567890123456Orvan"));
    EXPECT_EQ(locator::ListLine(QStringLiteral("10.1.1.1"), QString::fromLatin1("Orvan\x00\x07\r\n\xff~", 11)),
              QStringLiteral("10.1.1.1        Orvan.....~"));
    const QByteArray request = locator::DiscoveryRequest();
    EXPECT_EQ(request, QByteArray::fromHex("0100000000000000"));
}

TEST(LocatorReplies, PortBoxTakesOnlyOneTo65535)
{
    const struct {
        QString text;
        std::optional<qint32> port;
    } cases[] = {
        {QString(), 2000},
        {QStringLiteral("1"), 1},
        {QStringLiteral("65535"), 65535},
        {QStringLiteral("40000"), 40000},
        {QStringLiteral("0"), std::nullopt},
        {QStringLiteral("65536"), std::nullopt},
        {QStringLiteral("99999999999999"), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(locator::PortEntry(c.text, 2000), c.port) << c.text.toStdString();
}

TEST(TargetEntries, IPAddressEntryIsFourNumbersInRange)
{
    const struct {
        QString text;
        bool taken;
    } cases[] = {
        {QStringLiteral("10.0.0.254"), true},  {QStringLiteral("192.168.1.20"), true},
        {QStringLiteral("1.2.3.4"), true},     {QStringLiteral("10.0.254"), false},
        {QStringLiteral("10.0.0.25x"), false}, {QStringLiteral("1.2.3."), false},
        {QStringLiteral(""), false},           {QStringLiteral("a1.b2.c3.d4"), false},
        {QStringLiteral("999.1.1.1"), false},  {QStringLiteral(" 10.0.0.1"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsIPAddressEntry(c.text), c.taken) << c.text.toStdString();
    EXPECT_TRUE(MatchesIPPattern(QStringLiteral("1.2.3.4")));   // 7 characters: the pattern only
    EXPECT_FALSE(IsIPAddressEntry(QStringLiteral("1.2.3.")));
}

TEST(TargetEntries, EthernetPortEntryTakesWholeNumbersOneTo65535)
{
    const struct {
        QString answer;
        std::optional<qint32> port;
    } cases[] = {
        {QStringLiteral("65535"), 65535},      {QStringLiteral("1"), 1},
        {QStringLiteral(" 2000 "), 2000},      {QStringLiteral("2000.4"), 2000},
        {QStringLiteral("0"), std::nullopt},   {QStringLiteral("65536"), std::nullopt},
        {QStringLiteral("abc"), std::nullopt}, {QString(), std::nullopt},
        {QStringLiteral("-5"), std::nullopt},  {QStringLiteral("1e30"), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EthernetPortEntry(c.answer), c.port) << c.answer.toStdString();
}

TEST(TargetEntries, CaptionsShowTheChoices)
{
    EXPECT_EQ(SerialPortCaption(3), QStringLiteral("Serial Port:   COM3"));
    EXPECT_EQ(EthernetPortCaption(40000), QStringLiteral("Ethernet Port:40000"));
    EXPECT_EQ(IPAddressCaption(QStringLiteral("10.0.0.254")), QStringLiteral("IP Address:    10.0.0.254"));
}

TEST(QtUdpSocket, BroadcastGoesWhereTheSettingSays)
{
    MemorySettingsStore store;
    const QString broadcast = QStringLiteral("255.255.255.255");
    EXPECT_EQ(QtUdpSocket::sendTarget(broadcast, nullptr), broadcast);
    EXPECT_EQ(QtUdpSocket::sendTarget(broadcast, &store), broadcast);
    store.setText(QStringLiteral("Locator"), QStringLiteral("BroadcastAddress"), QStringLiteral("127.0.0.2"));
    EXPECT_EQ(QtUdpSocket::sendTarget(broadcast, &store), QStringLiteral("127.0.0.2"));
    EXPECT_EQ(QtUdpSocket::sendTarget(QStringLiteral("127.0.0.9"), &store), QStringLiteral("127.0.0.9"));
}
