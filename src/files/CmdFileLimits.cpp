// Command-file sections: Limits, heater and supplies.
#include "commands/CommandContext.h"
#include "ui/frmMainUi.h"
#include "files/CmdFileLines.h"
#include "files/CmdFileSections.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <QAction>
#include <QLineEdit>

namespace cmdlines {

namespace {
QString oneOrZero(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
QString pattern(double value, const char* p) { return conv::FormatNumber(value, QString::fromLatin1(p)); }
}   // namespace

QStringList RevRFOffsetLines(float offset)
{
    if (offset < -50.0f)
        return {};
    const QString value = pattern(SingleAsWritten(offset), "##0.0");
    return {QStringLiteral("#Reverse RF Offset: ") + value + QStringLiteral(" dB"), QStringLiteral("#PR") + value};
}

QStringList MaxPowerLimitLines(const QString& value, const QString& second, const QString& faultLevel, bool on)
{
    const QString limit = conv::FormatText(value, QStringLiteral("##0.0"));
    const QString comment = second.isEmpty()
                                ? limit + QStringLiteral(" dBm")
                                : limit + QStringLiteral(" dBm,") + conv::FormatText(second, QStringLiteral("##0.0")) +
                                      QStringLiteral(" dBm");
    return {QStringLiteral("#Max RF Power Limit: ") + comment,
            QStringLiteral("PO") + value + (second.isEmpty() ? QString() : QStringLiteral(";") + second),
            QStringLiteral("#Max RF Power Fault Level: ") + conv::FormatText(faultLevel, QStringLiteral("#0.0")) +
                QStringLiteral(" dB"),
            QStringLiteral("POO") + faultLevel,
            QStringLiteral("#Max RF Power Limit Status: ") + EnabledText(on),
            QStringLiteral("PO") + oneOrZero(on)};
}

QStringList HeaterStandbyLines(bool stateShown, bool heaterOn, bool standbyOn)
{
    QStringList lines;
    if (stateShown)
        lines << (heaterOn ? QStringLiteral("#Heater State:    On") : QStringLiteral("#Heater State:    Off"));
    lines << (standbyOn ? QStringLiteral("#Heater Standby:  On") : QStringLiteral("#Heater Standby:  Off"));
    return lines;
}

QStringList HelixCurrentRatioLines(qint16 ratio)
{
    if (ratio < 0)
        return {};
    return {QStringLiteral("#Helix Current Ratio:  ") + QString::number(ratio),
            QStringLiteral("YGHI") + QString::number(ratio)};
}

QStringList HelixCurrentTripLines(const QString& level)
{
    if (level.isEmpty())
        return {};
    return {QStringLiteral("#Helix Current Trip Level:  ") + level + QStringLiteral(" mA"),
            QStringLiteral("#YFTH") + level};
}

QStringList DCVInputLines(const DCVInputValues& v)
{
    QStringList lines{QStringLiteral("#DC Input Voltage Limits: ")};
    const struct {
        const QString& value;
        const char* label;
        const char* unit;
        const char* command;
    } rows[] = {
        {v.alarmLow, "#  Alarm Low Limit: ", " V", "PBDAL"}, {v.alarmHigh, "#  Alarm High Limit: ", " V", "PBDAH"},
        {v.faultLow, "#  Fault Low Limit: ", " V", "PBDFL"}, {v.faultHigh, "#  Fault High Limit: ", " V", "PBDFH"},
        {v.ratio, "#  DCV Input Ratio: ", "", "PBDR"},
    };
    for (const auto& r : rows)
        if (!r.value.isEmpty())
            lines << QString::fromLatin1(r.label) + r.value + QString::fromLatin1(r.unit)
                  << QString::fromLatin1(r.command) + r.value;
    return lines;
}

QStringList TemperatureTripLines(const TemperatureTripValues& v)
{
    QStringList lines;
    if (!v.fault.isEmpty())
        lines << QStringLiteral("#Temperature Fault Level: ") + v.fault + QStringLiteral(" C")
              << (v.picProcessor ? QStringLiteral(".P4 ") : QStringLiteral("PBKF")) + v.fault;
    if (!v.alarm.isEmpty())
        lines << QStringLiteral("#Temperature Alarm Level: ") + v.alarm + QStringLiteral(" C")
              << (v.picProcessor ? QStringLiteral(".P179 ") : QStringLiteral("PBKA")) + v.alarm;
    if (v.writesInlet && !v.picProcessor && !v.inletAlarm.isEmpty())
        lines << QStringLiteral("#Inlet Temperature Difference Alarm Level: ") + v.inletAlarm + QStringLiteral(" C")
              << QStringLiteral("PBKI") + v.inletAlarm;
    lines << QStringLiteral("#Latch Temperature Faults: ") + EnabledText(v.latch)
          << QStringLiteral("PBKL") + oneOrZero(v.latch);
    return lines;
}

QStringList FanTemperatureLines(qint16 temperature)
{
    const QString t = QString::number(temperature);
    return {QStringLiteral("#Fan Control Temperature: ") + t + QStringLiteral(" C"), QStringLiteral("PBG") + t};
}

QStringList CathodeMonitorLines(const CathodeValues& v)
{
    const QString scale = pattern(v.anodeScale, "###0");
    const QString anode = pattern(v.anodeVoltage, "###0");
    const QString scalar = pattern(v.scalar, "###0");
    const QString ideal = pattern(v.idealCurrent, "##0");
    QStringList lines{QStringLiteral("#Cathode Current Monitoring: ") + EnabledText(v.enabled),
                      QStringLiteral("PBFS") + oneOrZero(v.enabled),
                      QStringLiteral("#Anode Voltage Scale Factor: ") + scale + QStringLiteral(" V (") +
                          pattern(v.anodeScale / 4096.0, "##0.0###") + QStringLiteral("V/Count)"),
                      QStringLiteral("PBFT") + scale};
    if (v.negativeAnode)
        lines << QStringLiteral("#Negative Anode: Enabled") << QStringLiteral("PBFE1")
              << QStringLiteral("#Negative Anode Starting Voltage: ") + QString::number(v.negAnodeStart)
              << QStringLiteral("PBFF") + QString::number(v.negAnodeStart);
    else
        lines << QStringLiteral("#Negative Anode: Disabled") << QStringLiteral("PBFE0");
    lines << QStringLiteral("#Anode Voltage: ") + anode + QStringLiteral(" V") << QStringLiteral("PBFA") + anode
          << QStringLiteral("#Cathode Current Scalar: ") +
                 (v.countFirmware ? scalar : pattern(v.scalar / 4095.0 * 100.0, "##0.0") + QStringLiteral(" %"))
          << QStringLiteral("PBFO") + scalar
          << QStringLiteral("#Ideal Cathode Current: ") + ideal + QStringLiteral(" ma")
          << QStringLiteral("PBFI") + ideal;
    return lines;
}

QStringList UnitHoursLines(bool twta, const QString& psHours, const QString& xmitHours)
{
    if (twta)
        return {QStringLiteral("#Hours timers: "), QStringLiteral("#  Heater: ") + psHours,
                QStringLiteral("#  Beam:   ") + xmitHours};
    return {QStringLiteral("#Hours timers: "), QStringLiteral("#  Power Supply: ") + psHours,
            QStringLiteral("#  Transmitter:  ") + xmitHours};
}

}   // namespace cmdlines

using namespace cmdlines;

bool SaveRevRFOffset(CmdFileContext& c)
{
    c.Write(RevRFOffsetLines(c.p.unit.config.ReverseRFOffset));
    return true;
}

bool SaveMaxPowerLimit(CmdFileContext& c)
{
    const UnitConfig& u = c.p.unit.config;
    if (c.p.unit.flags.TouchScreenUnit || c.p.unit.id.UnitModelCode == 5363 || u.MaxPowerLimitValue.isEmpty())
        return true;
    c.Write(MaxPowerLimitLines(u.MaxPowerLimitValue, u.MaxPowerLimitSecondValue, u.MaxPowerFaultLevel,
                               u.MaxPowerLimitEnabled));
    return true;
}

bool SaveHeaterStandby(CmdFileContext& c)
{
    if (c.p.unit.flags.TouchScreenUnit || !c.p.unit.id.IsTwtaUnit)
        return true;
    const frmMainUi& ui = c.ui;
    c.Write(
        HeaterStandbyLines(ui.mnuHeaterState->isVisible(), ui.mnuHeaterState->isChecked(), ui.mnuHtrStby->isChecked()));
    return true;
}

namespace {
// The helix sections: tube units other than model 7428, without a touch screen.
bool writesHelix(const UnitState& unit)
{
    return !unit.flags.TouchScreenUnit && unit.id.UnitModelCode != 7428 && unit.id.IsTwtaUnit;
}
}   // namespace

bool SaveHelixCurrentRatio(CmdFileContext& c)
{
    if (writesHelix(c.p.unit))
        c.Write(HelixCurrentRatioLines(c.p.unit.features.HelixCurrentRatio));
    return true;
}

bool SaveHelixCurrentTrip(CmdFileContext& c)
{
    if (writesHelix(c.p.unit))
        c.Write(HelixCurrentTripLines(c.p.unit.features.HelixCurrentTripLevel));
    return true;
}

bool SaveDCVInputLimits(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.id.IsTwtaUnit || unit.flags.TouchScreenUnit || !unit.config.MonitorDCVInput)
        return true;
    const UnitReadings& r = unit.readings;
    c.Write(DCVInputLines(
        {r.DCVInAlarmLowLimit, r.DCVInAlarmHighLimit, r.DCVInFaultLowLimit, r.DCVInFaultHighLimit, r.DCVInRatio}));
    return true;
}

bool SaveTemperatureTripLevels(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.flags.TouchScreenUnit)
        return true;
    const UnitConfig& u = unit.config;
    c.Write(TemperatureTripLines({u.TempFaultLevel, u.TempAlarmLevel, u.InletTempAlarmLevel, u.LatchTempFaults,
                                  unit.flags.PicProcessorUnit, !ModelIn(unit.id.UnitModelCode, {7415, 7436, 7453})}));
    return true;
}

bool SaveFanTemperature(CmdFileContext& c)
{
    const UnitFeatures& f = c.p.unit.features;
    if (!c.p.unit.flags.TouchScreenUnit && f.HasFanControlTemp)
        c.Write(FanTemperatureLines(f.FanControlTemp));
    return true;
}

bool SaveCathodeMonitor(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    // The cathode-current box is shown for the units that monitor it.
    if (unit.flags.TouchScreenUnit || !unit.id.IsTwtaUnit || c.ui.txtCathI->isHidden())
        return true;
    const CathodeSettings& k = unit.cathode;
    c.Write(CathodeMonitorLines({k.CathodeCurrentEnabled, k.AnodeVoltageScale, k.NegativeAnodeEnabled,
                                 k.NegAnodeStartVoltage, k.AnodeVoltage, k.CathodeCurrentScalar,
                                 unit.id.CathodeCountFirmware, k.IdealCathodeCurrent}));
    return true;
}

bool SaveUnitHours(CmdFileContext& c)
{
    c.Write(UnitHoursLines(c.p.unit.id.IsTwtaUnit, c.ui.txtPSHours->text(), c.ui.txtXmtHours->text()));
    return true;
}
