#pragma once
// The decisions behind the main window's one-shot controls: the waveguide commands, the
// level constant power starts from, the RF frequency entry, the unit clock's text and the
// device address commands, and where the link addresses the unit after an address command.
#include <QChar>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace controls {

// "PC" and the configuration code, the first character of the waveguide list's entry;
// nothing for no entry.
std::optional<QString> WaveguideCfgCommand(const QString& entry);
// Switch 1 (sw 1): "A" gives "U1", "B" "U0"; switch 2: "A" "U3", "B" "U2"; any other
// entry gives nothing.
std::optional<QString> WaveguideSwitchCommand(int sw, const QString& entry);

// The level ticking constant power sets: the forward power reading, unless it is under
// range ("<"); then the constant-power box's level (0 when empty).
float ConstPowerStartLevel(const QString& forwardPower, const QString& constLevel);

// The RF frequency typed into the input box as it is shown and sent ("####0", halves away
// from zero); nothing for an empty answer or one that is not strictly a number.
std::optional<QString> RfFrequencyEntry(const QString& answer);

// The unit's clock as it is sent: "yyyy/MM/dd,HH:mm" on every locale.
QString UnitClockText(const QDateTime& now);

// The device address in the address box: one letter "A" to "Z" (a lower-case one taken as
// upper case); nothing for any other text.
std::optional<QChar> AddressLetter(const QString& text);
// The address command: with the unit's RS-485 record read, "XR" with its wire count and
// termination sent back unchanged and the letter; without it, "XA" and the letter.
QString AddressCommand(bool recordRead, const QString& wires, const QString& termination, QChar letter);

// How the unit answered a setting: it took it (ACK), refused it (NAK), or sent no reply that
// could be read.
enum class SettingAnswer { Taken, Refused, Unanswered };

// Where the link addresses the unit after it was asked, at `current`, to move to `wanted`, and
// what the operator is told (empty: nothing). Taken: `wanted`; refused: `current`, with a box.
// Unanswered: the first of `wanted` and `current` at which `answersAt` finds the unit; when
// it answers at neither, `current`, with a box.
struct AddressMove {
    QChar letter;
    QString message;
};
AddressMove MoveAddress(SettingAnswer answer, QChar wanted, QChar current, const std::function<bool(QChar)>& answersAt);

// The box after the unit did not take the clock `time`; `resetDue`: the reset that follows a
// clock taken was not made either.
QString ClockNotTakenText(const QString& time, bool resetDue);

}   // namespace controls
