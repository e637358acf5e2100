#pragma once
// Power boxes shown in dBm or in watts: how a box's text is converted when the display
// unit changes, and which units show their input drive power.
#include <QHash>
#include <QString>
#include <optional>

class QObject;

namespace PowerDisplay {

// The patterns of one kind of power box, and whether it keeps the under-range mark "<".
struct BoxFormat {
    const char* watts;
    const char* dBm;
    bool keepsUnderRangeMark;
};
// Constant-power and trip levels (the power display format in either unit).
inline constexpr BoxFormat LevelBox{"##0.0", "##0.0", false};
// Forward and reverse power readings.
inline constexpr BoxFormat ReadingBox{"###0.0", "##0.0", true};
// The input drive power in the forward-count box.
inline constexpr BoxFormat DriveBox{"##0.0######", "##0.0#", true};

// A text the program wrote into a power box, with the unrounded power (dBm) it shows and
// the display unit it was written in.
struct WrittenPower {
    QString text;
    float dBm = 0.0f;
    bool inWatts = false;
};

// The box's text in the other unit: `toWatts` switches a dBm display to watts, otherwise
// watts to dBm. While the box still shows the text the program wrote (`written`) in the
// unit being left, the conversion starts from that unrounded power, so switching there and
// back gives the first text again; any other text (typed by the operator, or written in
// the other unit since) converts from its own leading number.
// Nothing when the text is to stay as it is: an empty box, or a number whose conversion
// leaves the single-precision range.
std::optional<WrittenPower> SwitchUnit(const QString& text, const std::optional<WrittenPower>& written,
                                       const BoxFormat& format, bool toWatts);

// The unit reports its input drive power.
bool DrivePowerSupportedBy(const QString& firmwarePartNo, qint32 modelCode);

// What the program last wrote into each power box, by box.
class WrittenPowers {
public:
    void remember(const QObject* box, const WrittenPower& written) { written_.insert(box, written); }
    std::optional<WrittenPower> of(const QObject* box) const;

private:
    QHash<const QObject*, WrittenPower> written_;
};

}   // namespace PowerDisplay
