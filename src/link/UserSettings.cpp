#include "link/UserSettings.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include "platform/SettingsStore.h"
#include <cmath>
#include <limits>

namespace UserSettings {

namespace {
constexpr qint16 LowestPollAddress = 63;    // "?"
constexpr qint16 HighestPollAddress = 90;   // "Z"

template <class T> T within(std::optional<T> value, T low, T high, T fallback)
{
    return value && *value >= low && *value <= high ? *value : fallback;
}
}   // namespace

std::optional<qint16> LeadingInteger(const QString& text) { return conv::ToInteger(conv::Val(text)); }

std::optional<qint32> WholeLong(const QString& text)
{
    const auto n = conv::ToNumber(text);
    return n ? conv::ToLong(*n) : std::nullopt;
}

std::optional<bool> Boolean(const QString& text)
{
    const QString t = conv::TrimBlanks(text);
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto n = conv::ToNumber(t);
    return n ? std::optional<bool>(*n != 0.0) : std::nullopt;
}

std::optional<float> Single(const QString& text)
{
    const auto n = conv::ToNumber(text);
    if (!n || std::fabs(*n) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*n);
}

bool IsUsableComSettings(const QString& text)
{
    const auto baud = conv::ToNumber(GetBaudFromSettings(text));
    return baud && *baud > 0 && !GetParityFromSettings(text).isEmpty() && !GetDataBitsFromSettings(text).isEmpty() &&
           !GetStopBitsFromSettings(text).isEmpty();
}

QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

Values Read(const ISettingsStore& store)
{
    Values v;
    const auto text = [&store](const char* key, const QString& def) {
        return store.getText(Section, QString::fromLatin1(key), def);
    };
    v.CurrentPort = within<qint16>(LeadingInteger(text("CurrentPort", QStringLiteral("1"))), 1, 10, DefaultPort);
    const QString com = text("ComSettings", DefaultComSettings);
    v.ComSettings = IsUsableComSettings(com) ? com : DefaultComSettings;
    v.PollStatus = LeadingInteger(text("PollStatus", QStringLiteral("0"))).value_or(0) > 0;
    v.PollAddress = within<qint16>(LeadingInteger(text("PollAddress", QStringLiteral("65"))), LowestPollAddress,
                                   HighestPollAddress, DefaultPollAddress);
    const QString ip = text("UseIP", DefaultIPAddress);
    v.UseIP = IsValidIPAddress(ip) ? ip : DefaultIPAddress;
    v.EthPort = within<qint32>(WholeLong(text("EthPort", QStringLiteral("2000"))), 1, 65535, DefaultEthPort);
    v.UseEnet = Boolean(text("UseEnet", QStringLiteral("0"))).value_or(false);
    v.RrfFloor = Single(text("RRFFloor", QStringLiteral("27"))).value_or(DefaultRrfFloor);
    v.UnitsSetting = Boolean(text("UnitsSetting", QStringLiteral("0"))).value_or(false);
    return v;
}

void Write(ISettingsStore& store, const Values& v, const QString& calFilePath)
{
    const auto put = [&store](const char* key, const QString& value) {
        store.setText(Section, QString::fromLatin1(key), value);
    };
    put("CurrentPort", QString::number(v.CurrentPort));
    put("ComSettings", v.ComSettings);
    put("UnitsSetting", BooleanText(v.UnitsSetting));
    put("RRFFloor", QString::number(v.RrfFloor, 'g', 7));
    put("PollAddress", QString::number(v.PollAddress));
    put("UseEnet", BooleanText(v.UseEnet));
    put("UseIP", v.UseIP);
    put("EthPort", QString::number(v.EthPort));
    if (!calFilePath.isEmpty())
        put("FilePath", calFilePath);
    put("PollStatus", v.PollStatus ? QStringLiteral("1") : QStringLiteral("0"));
    store.sync();
}

}   // namespace UserSettings
