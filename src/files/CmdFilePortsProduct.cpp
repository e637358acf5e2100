// Command-file sections: Serial ports, LED mode, scalers, digital pots, float supply and product ID.
#include "commands/CommandContext.h"
#include "ui/frmMainUi.h"
#include "commands/IndexedQueries.h"
#include "files/CmdFileLines.h"
#include "files/CmdFileSections.h"
#include "platform/Conventions.h"
#include <QAction>

namespace cmdlines {

namespace {
// The Str form: a blank before a value of 0 or more.
QString strForm(qint32 value) { return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value); }
QString baud(qint32 value) { return conv::FormatNumber(value, QStringLiteral("000000")); }
}   // namespace

QStringList SerialPortLines(const PortValues& v)
{
    const QString data1 = QString::number(v.com1Data), stop1 = QString::number(v.com1Stop);
    const QString data2 = QString::number(v.com2Data), stop2 = QString::number(v.com2Stop);
    const QString wires = QString::number(v.wires);
    return {QStringLiteral("#COM1 (RS232): "),
            QStringLiteral("#  baud:   ") + QString::number(v.com1Baud),
            QStringLiteral("#  Parity: ") + v.com1Parity,
            QStringLiteral("#  Data:   ") + data1,
            QStringLiteral("#  Stop:   ") + stop1,
            QStringLiteral("#X1") + baud(v.com1Baud) + v.com1Parity + data1 + stop1,
            QStringLiteral("#"),
            QStringLiteral("#COM2 (RS485): "),
            QStringLiteral("#  baud:   ") + QString::number(v.com2Baud),
            QStringLiteral("#  Parity: ") + v.com2Parity,
            QStringLiteral("#  Data:   ") + data2,
            QStringLiteral("#  Stop:   ") + stop2,
            QStringLiteral("#  Wire:   ") + wires,
            QStringLiteral("#  Term:   ") + v.termination,
            QStringLiteral("#  Addr:   ") + v.address,
            QStringLiteral("#X2") + baud(v.com2Baud) + v.com2Parity + data2 + stop2,
            QStringLiteral("#XR") + wires + v.termination + v.address};
}

QStringList LEDModeLines(bool shown, bool disabled)
{
    if (!shown)
        return {};
    return {QStringLiteral("#Status LED Mode: ") + (disabled ? QStringLiteral("Disabled") : QStringLiteral("Enabled")),
            QStringLiteral("PBW") + (disabled ? QStringLiteral("1") : QStringLiteral("0"))};
}

QStringList ADCScalerLines(bool twta, const std::array<qint16, 11>& scalers)
{
    static const struct {
        int index;
        const char* twtaLabel;
        const char* otherLabel;   // nullptr: tube units only
    } rows[] = {
        {0, "#Helix Voltage Scaler: ", nullptr},
        {1, "#Helix Current Scaler: ", "#Input Drive Scaler: "},
        {2, "#Cathode Current Scaler: ", nullptr},
        {3, "#Heater Voltage Scaler: ", "#Fan 1 Tach Scaler: "},
        {4, "#Heater Current Scaler: ", "#Power Supply Temperature Scaler: "},
        {5, "#TWT Temperature Scaler: ", "#Baseplate Temperature Scaler: "},
        {8, "#UPC Beacon Voltage Scaler: ", "#Fan 2 Tach Scaler: "},
        {9, "#Battery Sense Voltage Scaler: ", nullptr},
        {10, "#Inlet Temperature Scaler: ", nullptr},
    };
    QStringList lines{QStringLiteral("#"), QStringLiteral("#Analog Scalers"), QStringLiteral("#")};
    for (const auto& r : rows) {
        const char* label = twta ? r.twtaLabel : r.otherLabel;
        if (!label)
            continue;
        const qint16 value = scalers[static_cast<size_t>(r.index)];
        const QString text = QString::number(value);
        // A scaler that did not answer is recorded, never sent as -1.
        lines << QString::fromLatin1(label) + text << LiveIf(value >= 0, QStringLiteral("YO%1 ").arg(r.index) + text);
    }
    return lines;
}

QStringList DigitalPotLines(bool twta, const PotValues& v)
{
    const auto pot = [&](const char* label, int n) {
        const qint16 value = v.pots[static_cast<size_t>(n)];
        return QStringList{QString::fromLatin1(label) + strForm(value) + QStringLiteral(" counts"),
                           LiveIf(value >= 0, QStringLiteral("YP%1").arg(n) + strForm(value))};
    };
    const QString overdrive = conv::FormatNumber(v.overdrive, QStringLiteral("#0.0"));
    QStringList lines{QStringLiteral("#"), QStringLiteral("#Digital Pots"), QStringLiteral("#")};
    lines << pot("#Fast VSWR Digial Pot:", 1)
          << QStringLiteral("#Overdrive Fault Trip Level: ") + overdrive + QStringLiteral(" dB")
          << LiveIf(v.overdriveRead, QStringLiteral("YP3 ") + overdrive) << pot("#Overdrive Sensitivity:", 4)
          << pot("#Overdrive Alarm Limit:", 5) << pot("#VTune Level:", 6);
    if (twta)
        lines << QStringLiteral("#Uplink-Power-Control Availability: ") +
                     (v.uplink ? QStringLiteral(" Enabled") : QStringLiteral(" Disabled"))
              << LiveIf(v.uplinkRead, v.uplink ? QStringLiteral("PBUH1") : QStringLiteral("PBUH0"));
    return lines;
}

QStringList FloatSupplyLines(const FloatSupplyTexts& v)
{
    const struct {
        const QString& value;
        const char* label;
        const char* unit;
        const char* command;
        const char* pattern;
    } rows[] = {
        {v.heaterVoltage, "#Heater Voltage Set: ", " V", "YCD0 ", "##0.0#"},
        {v.heaterCurrent, "#Heater Current Set: ", " A", "YCD1 ", "##0.0#"},
        {v.feOff, "#FE Off Voltage Set: ", " kV", "YCD2 ", "#####0.0"},
        {v.feOn, "#FE On Voltage Set: ", " kV", "YCD3 ", "#####0.0"},
    };
    QStringList lines{QStringLiteral("#"), QStringLiteral("#Float Supply"), QStringLiteral("#")};
    for (const auto& r : rows) {
        const QString text = conv::FormatText(r.value, QString::fromLatin1(r.pattern));
        lines << QString::fromLatin1(r.label) + text + QString::fromLatin1(r.unit)
              << LiveIf(!text.isEmpty(), QString::fromLatin1(r.command) + text);
    }
    return lines;
}

QStringList ProductIdLines(const QString& part, const QString& mfg, const QString& serial, const QString& function)
{
    if (part.isEmpty())
        return {};
    return {QStringLiteral("#Product ID"),
            QStringLiteral("#  PID Part Number:   ") + part,
            QStringLiteral("#  PID Mfg ID:        ") + mfg,
            QStringLiteral("#  PID Serial Number: ") + serial,
            QStringLiteral("#  PID Functional ID: ") + function,
            QStringLiteral("#PBO") + part + ";" + mfg + ";" + serial + ";" + function};
}

}   // namespace cmdlines

using namespace cmdlines;

bool SaveSerialPortParameters(CmdFileContext& c)
{
    const UnitConfig& u = c.p.unit.config;
    c.Write(SerialPortLines({u.Com1Baud, u.Com1Parity, u.Com1DataBits, u.Com1StopBits, u.Com2Baud, u.Com2Parity,
                             u.Com2DataBits, u.Com2StopBits, u.Rs485WireCount, u.Rs485Termination, u.Rs485Address}));
    return true;
}

bool SaveLEDMode(CmdFileContext& c)
{
    const QAction* menu = c.ui.mnuLEDMode;
    c.Write(LEDModeLines(menu->isVisible(), menu->isChecked()));
    return true;
}

bool SaveADCScalers(CmdFileContext& c)
{
    if (c.p.unit.id.UnitModelCode == 7428)
        c.Write(ADCScalerLines(c.p.unit.id.IsTwtaUnit, c.p.unit.config.AdcScalers));
    return true;
}

bool SaveDigitalPots(CmdFileContext& c)
{
    if (c.p.unit.id.UnitModelCode != 7428)
        return true;
    SsaCmds::ReadDigitalPotSettings(c.p);
    const UnitConfig& u = c.p.unit.config;
    c.Write(DigitalPotLines(c.p.unit.id.IsTwtaUnit, {u.DigitalPotValues, u.OverdriveTripLevel, u.OverdriveTripLevelRead,
                                                     u.UplinkPowerControl, u.UplinkPowerControlRead}));
    return true;
}

bool SaveFloatSupplyParams(CmdFileContext& c)
{
    if (!c.p.unit.config.HasAmc)
        return true;
    const FloatSupplyValues& f = c.p.unit.readings.FloatSupplySettings;
    c.Write(FloatSupplyLines({f.HeaterVoltage, f.HeaterCurrent, f.FocusElectrodeOff, f.FocusElectrodeOn}));
    return true;
}

bool SaveProductID(CmdFileContext& c)
{
    const ProductIdRecord& id = c.p.unit.id.ProductId;
    c.Write(ProductIdLines(id.PartNumber, id.MfgId, id.SerialNumber, id.FunctionalId));
    return true;
}
