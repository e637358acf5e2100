#include "link/SharedRoutines.h"
#include "platform/Clock.h"
#include "platform/Conventions.h"
#include "platform/SerialPortNames.h"
#include "platform/Shell.h"
#include <charconv>
#include <cmath>
#include <limits>

namespace {
// The character `offset` places after the first comma, when it is one of `allowed`.
QString fieldAfterComma(const QString& settings, int offset, const QString& allowed)
{
    const qsizetype comma = settings.indexOf(',');
    if (comma <= 0 || comma + offset >= settings.size())
        return QString();
    const QChar c = settings.at(comma + offset);
    return allowed.contains(c) ? QString(c) : QString();
}

// The decimal value a single-precision number is written as ("47.05", not 47.0499992...),
// so that display rounding works on what the unit reported.
double asWritten(float f)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, f);
    return QByteArray(buf, static_cast<int>(r.ptr - buf)).toDouble();
}
}   // namespace

QString GetBaudFromSettings(const QString& settings)
{
    const qsizetype comma = settings.indexOf(',');
    return comma <= 0 ? QString() : settings.left(comma);
}

QString GetParityFromSettings(const QString& settings) { return fieldAfterComma(settings, 1, "ENO"); }
QString GetDataBitsFromSettings(const QString& settings) { return fieldAfterComma(settings, 3, "78"); }
QString GetStopBitsFromSettings(const QString& settings) { return fieldAfterComma(settings, 5, "12"); }

bool IsPrintableChar(int code) { return code >= 32 && code <= 126; }

bool IsLetterChar(int code) { return (code >= 65 && code <= 90) || (code >= 97 && code <= 122); }

bool IsValidIPAddress(const QString& text) { return conv::DecimalIPv4(text).has_value(); }

void PauseSeconds(IClock& clock, qint16 seconds)
{
    const qint64 end = clock.msNow() + qint64(seconds) * 1000;
    while (clock.msNow() < end) {
        clock.processEvents();
        clock.sleepMs(static_cast<int>(qMin<qint64>(1, end - clock.msNow())));
    }
}

void PauseMilliseconds(IClock& clock, float ms)
{
    if (std::isnan(ms) || ms < 50.0f)
        ms = 50.0f;
    const auto whole = conv::ToLong(ms);
    if (!whole)
        return;   // too long to count: no wait rather than an endless one
    const qint32 rounds = *whole / 50;
    for (qint32 i = 0; i < rounds; ++i) {
        clock.sleepMs(20);
        clock.processEvents();
    }
}

float DbmToWatts(float dBm) { return static_cast<float>(std::pow(10.0, (double(dBm) - 30.0) / 10.0)); }

float WattsToDbm(float watts) { return static_cast<float>(10.0 * Log10(watts) + 30.0); }

double Log10(double x) { return x > 0.0 ? std::log(x) / std::log(10.0) : 0.0; }

QString FormatPower(float dBm, bool displayWatts)
{
    const float value = displayWatts ? DbmToWatts(dBm) : dBm;
    return conv::FormatNumber(asWritten(value), QStringLiteral("##0.0"));
}

double SingleAsWritten(float f) { return asWritten(f); }

bool ComPortExists(const ISettingsStore& store, int n) { return serialPortExists(&store, n); }

std::optional<qint32> DateToUnixSeconds(const QDateTime& d)
{
    if (!d.isValid())
        return std::nullopt;
    const QTime t = d.time();
    const qint64 days = d.date().toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    const qint64 s = days * 86400 + qint64(t.hour()) * 3600 + qint64(t.minute()) * 60 + t.second();
    if (s < std::numeric_limits<qint32>::min() || s > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(s);
}

bool ShellOpen(IShell& shell, const QString& path) { return shell.open(path); }
