#pragma once
// Small stateless routines every part of the program uses: line-settings fields, character
// and address checks, the two waits, dBm/watt conversions and the power display format,
// the serial-port test, Unix seconds of a date, and opening a document or address.
#include <QDateTime>
#include <QString>
#include <optional>

class IClock;
class IShell;
class ISettingsStore;

// Fields of a line-settings text "9600,N,8,1": "" when the field is missing or not allowed.
QString GetBaudFromSettings(const QString& settings);       // text before the first comma
QString GetParityFromSettings(const QString& settings);     // "E", "N" or "O"
QString GetDataBitsFromSettings(const QString& settings);   // "7" or "8"
QString GetStopBitsFromSettings(const QString& settings);   // "1" or "2"

bool IsPrintableChar(int code);   // 32..126
bool IsLetterChar(int code);      // A..Z, a..z
// Four dot-separated parts, each of digits only (blanks around it allowed) and 0..255.
bool IsValidIPAddress(const QString& text);

// Waits whole seconds, letting pending events run throughout (callers must expect
// re-entry of event handlers). Sleeps in short slices instead of spinning a core.
void PauseSeconds(IClock& clock, qint16 seconds);
// Waits about 0.4 x ms: one 20 ms sleep, then pending events, for each whole 50 ms of ms
// (rounded); below 50 or not a number counts as 50.
void PauseMilliseconds(IClock& clock, float ms);

float DbmToWatts(float dBm);
float WattsToDbm(float watts);   // 30 for watts <= 0
double Log10(double x);          // 0 for x <= 0
// "##0.0" of the value, in watts when displayWatts.
QString FormatPower(float dBm, bool displayWatts);
// The decimal value a single-precision number is written as ("47.05", not 47.0499992...),
// for formatting a single-precision value with a pattern.
double SingleAsWritten(float f);

// The PC serial port COMn exists (see serialPortExists).
bool ComPortExists(const ISettingsStore& store, int n);

// Seconds since 1970-01-01 00:00 of the date and time as written (no time-zone shift);
// nothing for an invalid date or one outside the signed 32-bit range.
std::optional<qint32> DateToUnixSeconds(const QDateTime& d);

// Opens a web address or a document with the desktop's handler; false on failure.
bool ShellOpen(IShell& shell, const QString& path);
