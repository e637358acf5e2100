#pragma once
// What the polled readings write into their boxes: the texts built from the values the
// reading queries return. Nothing (std::nullopt) means the box keeps what it shows: the
// reading was not taken, was not a number, or would not fit the display.
#include <QString>
#include <optional>

namespace readings {

// A power reading and the unrounded power (dBm) behind its text.
struct PowerText {
    QString text;
    float dBm = 0.0f;
};

// "##0.0" of a power in the display unit; nothing when the power or its watts value does
// not fit a single-precision number.
std::optional<QString> PowerDisplayText(double dBm, bool displayWatts);

// Forward power ("?P"): the text itself when it is a number; after an under-range mark "<"
// the number behind the mark, written "< " and the power.
std::optional<PowerText> ForwardPowerText(const QString& reading, bool displayWatts);

// Reverse power ("?Q"): like the forward power; under range, the band's minimum output
// power stands in when the number before the mark is below it.
std::optional<PowerText> ReversePowerText(const QString& reading, float bandMinPower, bool displayWatts);

// Attenuation ("?A") in dB, "#0.0"; nothing for an empty reading.
std::optional<QString> AttenuationText(const QString& reading);

// Temperature box texts from ReadTemperature's value (-125: none) and its second field.
struct TemperatureTexts {
    QString txtTemp;
    std::optional<QString> txtTemp2;   // the inlet box; nothing: unchanged
};
std::optional<TemperatureTexts> TemperatureTextsFor(qint16 temperature, const QString& secondField,
                                                    bool inletTempShown);

// A helix or heater value "#0.0"; nothing when the field is not a number.
std::optional<QString> HelixHeaterText(const QString& field);
std::optional<QString> HelixHeaterText(float value);

// Cathode current "##0" and anode voltage "###0"; nothing below 0.
std::optional<QString> CathodeCurrentText(qint16 milliamps);
std::optional<QString> AnodeVoltageText(qint16 volts);

// The RF frequency label's caption; nothing when the unit gave no frequency (labels hidden).
std::optional<QString> RfFrequencyCaption(const QString& frequencyText);

}   // namespace readings
