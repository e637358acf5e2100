#pragma once
// Decisions of the connect-time feature reads, kept apart from the window.
#include <QString>
#include <QStringList>
#include <optional>

namespace FeatureDecode {

// One RF trip of "?HLR": its type ("F" fault, "A" alarm, anything else disabled) as the
// index of the type box (0 disabled, 1 fault, 2 alarm), and its level in dBm when the
// rest of the field is a number.
struct TripSetting {
    int typeIndex = 0;
    std::optional<float> dBm;
};
TripSetting DecodeTripField(const QString& field);
// A trip level in the display unit: watts "###0.0", dBm "#0.0"; nothing when the watts
// leave the single-precision range.
std::optional<QString> TripLevelText(float dBm, bool displayWatts);

// The unit's own network address as read back: at least 7 characters and a dotted quad.
bool IsUsableUnitAddress(const QString& address);
// The Ethernet Port menu caption, the port written with one leading blank.
QString EthernetPortCaption(int port);

// Models whose RF-inhibit state is not read (and no model known, negative).
bool SkipsRFInhibitRead(qint32 modelCode);

// Index of the last entry equal to `text`, -1 when there is none.
int LastEqualEntry(const QStringList& entries, const QString& text);

// The whole text as a single-precision number; nothing when it is not a number or lies
// outside the single-precision range.
std::optional<float> SingleNumber(const QString& text);
// The same, with "" giving 0.
std::optional<float> NumberOrZero(const QString& text);

}   // namespace FeatureDecode
