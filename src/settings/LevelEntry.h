#pragma once
// The decisions behind the main window's level entry: which unit a power goes out in, the
// range tests and their box texts, the command texts, and the values the spin controls
// step to. The window methods read their controls, ask these and send the result.
#include <QString>
#include <optional>

namespace levels {

// The current band's output power range, in dBm.
struct Band {
    float minDbm = 0.1f;
    float maxDbm = 50.0f;
};

// Power levels go to the unit in dBm, marked with "M", only when it takes dBm levels and
// the window shows dBm; otherwise in watts without the mark.
bool DbmMode(bool dbmLevelsSupported, bool displayWatts);

// The range a level is taken in, in the display unit: from the band's minimum plus 1 dB (taken
// as a Single) to its maximum. In watts a level goes to the unit with one decimal, so it is
// tested as it goes out, against the same two powers converted and written the same way (from
// 0.1 W at least): a power is then taken in watts exactly when it is taken in dBm, to the tenth
// of a watt the display and the command carry, and what the window shows of an accepted power
// (the unit's own level, the ends of the range) is taken again. `text` is what every range box
// about it shows.
struct LevelRange {
    double low = 0.0;
    double high = 0.0;
    QString text;
};
LevelRange RangeOf(Band band, bool displayWatts);

// A level typed in the display unit, checked against the band: the value to send (dBm in
// dBm mode, else watts) or -1, and the text of the range box to show ("" for none: a level
// of 0 or less is refused without a box).
struct PowerCheck {
    float value = -1.0f;
    QString rangeText;
};
PowerCheck ConvertTripPower(float level, Band band, bool displayWatts, bool dbmLevelsSupported);

// The numeric value of a level box: its number when the text is a plain decimal (digits
// with at most one "."), else 0, which every power setter refuses.
float LevelValue(const QString& text);
// Digits with at most one ".", and at least one digit: the only text sent as typed.
bool IsPlainDecimal(const QString& text);
// Digits only, at least one.
bool IsDigits(const QString& text);

enum class TripRow { ForwardHigh, ForwardLow, Reverse };
// The row as its range boxes name it: "Forward High RF Trip", "Forward Low RF Trip",
// "Reverse RF Trip".
QString TripRowName(TripRow row);
// "MF"/"MA"/"MD" (forward high), "L." (forward low), "O." (reverse), the type letter from the
// list text ("Fault" F, "Alarm" A, anything else D), "M" in dBm mode, "#####0.0".
QString TripCommand(TripRow row, const QString& typeText, bool dbmMode, float value);
QString ConstPowerCommand(bool dbmMode, float value);   // "G", "M" in dBm mode, "####0.0"
QString GoToPowerCommand(bool dbmMode, float value);    // "E", "M" in dBm mode, "#####0.0"
// The constant-power box after the read-back ("G?" in dBm): "####0.0" watts or "#0.0" dBm;
// nothing for an empty read-back.
std::optional<QString> ConstPowerBoxText(const QString& readBack, bool displayWatts);

// "K" and the attenuation box's text as typed; nothing unless it is a plain decimal.
std::optional<QString> AttenuationCommand(const QString& text);
// The attenuator count to send: the box's number rounded (halves to even), from
// minCount to 4095; nothing for any other text or value.
std::optional<qint16> AtnCountEntry(const QString& text, qint16 minCount);

// The linearizer amplitude ("PZ" + text as typed), phase ("Pz" + its number) and downlink
// attenuation ("P/" + text as typed) boxes.
enum class ParamBox { LinAmp, LinPhase, AtnCnt };
struct ParamEntry {
    enum Kind { Send, Empty, OutOfRange } kind = Empty;
    QString command;
};
// Empty boxes send nothing and say nothing; text the box's keys cannot make, or a value
// outside 0..4095 (-1 < value < 4096), is out of range.
ParamEntry ParamCommand(ParamBox box, const QString& text);

// "YH" and both hour meters as six digits; nothing unless both hold a whole number of at
// most six digits.
std::optional<QString> HoursCommand(const QString& psHours, const QString& xmtHours);
// The refusal of the hour meters' entry, naming the first meter that is not such a number
// and the range ("PS Hours: enter a whole number from 0 to 999999."); "" when both are.
QString HoursRefusalText(const QString& psHours, const QString& xmtHours);

// The spin controls. Steps of 0.1 are rounded to one decimal and the bounds are tested on
// the value written.
// Attenuation: the new box text ("#0.0"), or nothing below 0 or above maxAttenuation.
std::optional<QString> AttenuationStep(const QString& text, bool up, float maxAttenuation);
// Constant power: the level to set; 0 for an empty box.
float ConstPowerStep(const QString& text, bool up);
// Downlink attenuation: the new box text ("#0.0"), never below 0.
std::optional<QString> DownlinkStep(const QString& text, bool up);
// Linearizer amplitude or phase: the new whole value as text, within 0..4095.
std::optional<QString> LinearizerStep(const QString& text, bool up);

}   // namespace levels
