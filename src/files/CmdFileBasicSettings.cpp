// Command-file sections: Everyday settings: attenuation, gain, linearizer, start-up and transmitter state,
// RF inhibit, constant power, arc detector, network and prime power.
#include "commands/CommandContext.h"
#include "ui/frmMainUi.h"
#include "commands/ConfigProductQueries.h"
#include "commands/LinearizerQueries.h"
#include "commands/OptionWord.h"
#include "files/CmdFileLines.h"
#include "files/CmdFileSections.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

namespace cmdlines {

namespace {
QString onOff(bool on) { return on ? QStringLiteral("On") : QStringLiteral("Off"); }
QString oneDecimal(double value) { return conv::FormatNumber(value, QStringLiteral("#0.0")); }
}   // namespace

QStringList AttenuationLines(const QString& atnBox, bool touchScreen, float maxAttenuation)
{
    QStringList lines{QStringLiteral("#Attenuation: ") + atnBox + QStringLiteral(" dB"), QStringLiteral("K") + atnBox};
    if (!touchScreen) {
        const QString max = oneDecimal(SingleAsWritten(maxAttenuation));
        lines << QStringLiteral("#Max Attenuation: ") + max + QStringLiteral(" dB") << QStringLiteral("YAM") + max;
    }
    return lines;
}

QStringList GainBalanceLines(const UnitConfig& c)
{
    QStringList lines;
    if (c.SubBandCount <= 0)
        lines << QStringLiteral("#Gain Balance Status: ") + EnabledText(c.GainBalanceEnabled)
              << QStringLiteral("#Gain Balance value: ") + c.GainBalanceValue;
    if (c.HasIfGainBalance)
        lines << QStringLiteral("#IF Gain Balance value: ") + c.IfGainBalanceValue + QStringLiteral(" dB");
    return lines;
}

QStringList UnitGainLines(const UnitConfig& c)
{
    if (!c.HasUnitGain)
        return {};
    return {QStringLiteral("#Unit Gain Mode: ") + EnabledText(c.UnitGainEnabled),
            QStringLiteral("#PBJ") + (c.UnitGainEnabled ? QStringLiteral("1") : QStringLiteral("0")),
            QStringLiteral("#Unit Gain: ") + c.UnitGainValue + QStringLiteral(" dB"),
            QStringLiteral("#PBJ") + c.UnitGainValue};
}

QStringList LinearizerLines(const QString& amplitude, const QString& phase, const QString& slope, bool withSlope)
{
    QStringList lines{QStringLiteral("#Linearizer Amp: ") + amplitude, QStringLiteral("PZ") + amplitude,
                      QStringLiteral("#Linearizer Phase: ") + phase, QStringLiteral("Pz") + phase};
    if (withSlope)
        lines << QStringLiteral("#Linearizer Slope: ") + slope << QStringLiteral("P/") + slope;
    return lines;
}

QStringList StartUpLines(qint16 startupMode)
{
    const QString label = QStringLiteral("#Startup Config: ");
    if (startupMode == 1)
        return {label + QStringLiteral("Off"), QStringLiteral("PX1")};
    if (startupMode == 2)
        return {label + QStringLiteral("On"), QStringLiteral("PX2")};
    return {label + QStringLiteral("Normal"), QStringLiteral("PX0")};
}

QStringList XmitLines(bool transmitterOn)
{
    return {QStringLiteral("#Transmitter: ") + onOff(transmitterOn),
            transmitterOn ? QStringLiteral("@") : QStringLiteral("A")};
}

QStringList XmitRestoreLines(bool hasXmitRestore, bool xmitRestoreDisabled)
{
    if (!hasXmitRestore)
        return {};
    return {QStringLiteral("#Xmit Restore: ") + EnabledText(!xmitRestoreDisabled),
            xmitRestoreDisabled ? QStringLiteral("PBA0") : QStringLiteral("PBA1")};
}

QStringList RFInhibitLines(bool inhibitOn)
{
    return {QStringLiteral("#RF Inhibit: ") + onOff(inhibitOn), inhibitOn ? QStringLiteral("I") : QStringLiteral("J")};
}

QStringList RFPolarityLines(bool menuEnabled, bool inverted)
{
    if (!menuEnabled)
        return {};
    return {QStringLiteral("#RF Inhibit Polarity: ") +
                (inverted ? QStringLiteral("Inverted") : QStringLiteral("Normal")),
            inverted ? QStringLiteral("PTI0") : QStringLiteral("PTI1")};
}

QStringList ConstantPowerLines(const QString& levelBox, bool displayWatts)
{
    QStringList lines;
    if (!levelBox.isEmpty()) {
        // The box holds watts while the window shows watts, dBm otherwise.
        const float value = static_cast<float>(conv::Val(levelBox));
        const QString dBm = displayWatts ? oneDecimal(SingleAsWritten(WattsToDbm(value))) : levelBox;
        const QString watts = oneDecimal(SingleAsWritten(displayWatts ? value : DbmToWatts(value)));
        lines << QStringLiteral("#Constant Power Level: ") + dBm + QStringLiteral(" dBm (") + watts +
                     QStringLiteral("W)")
              << QStringLiteral("#G") + watts;
    }
    lines << QStringLiteral("#Constant Power: Disabled") << QStringLiteral("H");
    return lines;
}

QStringList ArcDetectorLines(qint16 detectorType)
{
    if (detectorType < 0)
        return {};
    const QString label = QStringLiteral("#W/G Arc Detector Type: ");
    if (detectorType == 0)
        return {label + QStringLiteral("Tarsel"), QStringLiteral("PTW0")};
    return {label + QStringLiteral("Fiber"), QStringLiteral("PTW1")};
}

QStringList EnetLines(const EnetValues& v)
{
    if (!v.addressRead || v.address.isEmpty())
        return {QStringLiteral("#No Ethernet")};
    QStringList lines{QStringLiteral("#Ethernet Mode: ") +
                          (v.dhcp ? QStringLiteral("DHCP") : QStringLiteral("Static IP")),
                      QStringLiteral("#PEO") + (v.dhcp ? QStringLiteral("1") : QStringLiteral("0"))};
    if (!v.dhcp)
        lines << QStringLiteral("#Static IP Address: ") + v.address << QStringLiteral("PEI") + v.address
              << QStringLiteral("#Net Mask: ") + v.netMask << QStringLiteral("PEN") + v.netMask
              << QStringLiteral("#Gateway (Router) IP Address: ") + v.gateway << QStringLiteral("PER") + v.gateway;
    lines << QStringLiteral("#Ethernet Port No.: ") + QString::number(v.port);
    return lines;
}

QStringList MaxSystemPowerLines(bool lldpFirmware, const QString& maxSysPrimePower)
{
    if (!lldpFirmware)
        return {};
    return {QStringLiteral("#Max System Prime Power: ") + maxSysPrimePower,
            LiveIf(!maxSysPrimePower.isEmpty(), QStringLiteral("QmaxSYSPower ") + maxSysPrimePower)};
}

}   // namespace cmdlines

using namespace cmdlines;

bool SaveAttenuation(CmdFileContext& c)
{
    c.Write(AttenuationLines(c.ui.txtAtnDB->text(), c.p.unit.flags.TouchScreenUnit, c.p.unit.config.MaxAttenuation));
    return true;
}

bool SaveGainBalance(CmdFileContext& c)
{
    c.Write(GainBalanceLines(c.p.unit.config));
    return true;
}

bool SaveUnitGain(CmdFileContext& c)
{
    c.Write(UnitGainLines(c.p.unit.config));
    return true;
}

bool SaveLinearizerParams(CmdFileContext& c)
{
    // Touch-screen units and units with sub-bands keep their linearizer per sub-band.
    if (c.p.unit.flags.TouchScreenUnit || c.p.unit.config.SubBandCount > 0)
        return true;
    const bool withSlope = HasLinSlopeOption(c.p.unit.id.OptionWord);
    if (!SsaCmds::GetLinearizerParams(c.p, withSlope))
        return false;
    c.Write(LinearizerLines(c.p.ReplyFields[0], c.p.ReplyFields[1], c.p.ReplyFields[2], withSlope));
    return true;
}

bool SaveStartUpCfg(CmdFileContext& c)
{
    c.Write(StartUpLines(c.p.unit.config.StartupMode));
    return true;
}

bool SaveXmitState(CmdFileContext& c)
{
    c.Write(XmitLines(c.ui.chkPS->isChecked()));
    return true;
}

bool SaveAutoXmitRestore(CmdFileContext& c)
{
    const UnitFeatures& f = c.p.unit.features;
    c.Write(XmitRestoreLines(f.HasXmitRestore, f.XmitRestoreDisabled));
    return true;
}

bool SaveRFInhibitState(CmdFileContext& c)
{
    c.Write(RFInhibitLines(c.ui.chkRFI->isChecked()));
    return true;
}

bool SaveRFPolarity(CmdFileContext& c)
{
    const QAction* menu = c.ui.mnuRfiInvert;
    c.Write(RFPolarityLines(menu->isEnabled(), menu->isChecked()));
    return true;
}

bool SaveConstantPower(CmdFileContext& c)
{
    c.Write(ConstantPowerLines(c.ui.txtConstLvl->text(), c.p.display.DisplayWatts));
    return true;
}

bool SaveWGArcDetectorType(CmdFileContext& c)
{
    const qint16 type = SsaCmds::GetWGArcDetectorType(c.p);
    c.Write(ArcDetectorLines(type));
    return type >= 0;
}

bool SaveEnetParameters(CmdFileContext& c)
{
    const UnitConfig& u = c.p.unit.config;
    c.Write(EnetLines(
        {u.UnitAddressRead, u.UnitOwnIPAddress, u.UnitDhcpEnabled, u.UnitNetMask, u.UnitGateway, c.p.conn.EnetPort}));
    return true;
}

bool SaveMaxSystemPower(CmdFileContext& c)
{
    c.Write(MaxSystemPowerLines(c.p.unit.id.LldpFirmware, c.p.unit.config.MaxSysPrimePower));
    return true;
}
