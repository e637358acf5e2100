#pragma once
// The per-user settings of the link and the display (section "Settings"): how each stored
// text is read, with its default and range fallback, and how it is written back at exit.
#include <QString>
#include <optional>

class ISettingsStore;

namespace UserSettings {

inline const QString Section = QStringLiteral("Settings");
inline const QString DefaultComSettings = QStringLiteral("9600,N,8,1");
inline const QString DefaultIPAddress = QStringLiteral("10.0.0.254");
constexpr qint16 DefaultPort = 1;
constexpr qint16 DefaultPollAddress = 65;   // "A"
constexpr qint32 DefaultEthPort = 2000;
constexpr float DefaultRrfFloor = 27.0f;

// The values the start-up reads and the shut-down writes.
struct Values {
    qint16 CurrentPort = DefaultPort;   // COM1..COM10
    QString ComSettings = DefaultComSettings;
    bool PollStatus = false;                   // "Poll Single Address " ticked
    qint16 PollAddress = DefaultPollAddress;   // character code 63..90
    QString UseIP = DefaultIPAddress;
    qint32 EthPort = DefaultEthPort;   // 1..65535
    bool UseEnet = false;
    float RrfFloor = DefaultRrfFloor;
    bool UnitsSetting = false;   // display in watts
};

// Conversions of a stored text; nothing when it cannot be converted.
// A number whose leading digits are taken, rounded into 16 bits ("12abc" -> 12).
std::optional<qint16> LeadingInteger(const QString& text);
// A whole text that is a number, rounded into 32 bits.
std::optional<qint32> WholeLong(const QString& text);
// "True" / "False" (any case) or a number, non-zero being true.
std::optional<bool> Boolean(const QString& text);
// A whole text that is a number within single precision.
std::optional<float> Single(const QString& text);
// A line-settings text with a baud rate, parity, data bits and stop bits.
bool IsUsableComSettings(const QString& text);

// The stored values, each falling back to its default when it is absent, cannot be converted
// or lies outside its range.
Values Read(const ISettingsStore& store);
// Writes the values in the order of the shut-down; "FilePath" only when calFilePath is not
// empty (a calibration folder was chosen in this run).
void Write(ISettingsStore& store, const Values& values, const QString& calFilePath);

// "True" / "False", as the Booleans are stored.
QString BooleanText(bool value);

}   // namespace UserSettings
