// The connect-time readers: each reads one feature group of the unit into the shared
// state, fills its controls and shows or hides the menu that edits the group.
#include "commands/BucQueries.h"
#include "commands/CathodeQueries.h"
#include "commands/ConfigProductQueries.h"
#include "commands/IndexedQueries.h"
#include "commands/LimitMaskQueries.h"
#include "commands/NetworkQueries.h"
#include "commands/OptionWord.h"
#include "commands/PolledQueries.h"
#include "commands/QueryRule.h"
#include "commands/TemperatureQueries.h"
#include "commands/CommandContext.h"
#include "platform/Conventions.h"
#include "link/TargetEntries.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "status/FeatureDecode.h"
#include "ui/FormUpdatingGuard.h"
#include "status/FeatureReads.h"
#include "commands/EnetOctets.h"
#include "commands/SubBandQueries.h"
#include "ui/frmMainUi.h"
#include "status/EntryBoxState.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace SsaCmds;

namespace {
// Baud, parity, data bits and stop bits of one unit port from ReplyFields 0 to 3;
// without an answer 0, "*", 0, 0.
void takePortSettings(CommandContext& p, bool answered, qint32& baud, QString& parity, qint16& dataBits,
                      qint16& stopBits)
{
    if (!answered) {
        baud = 0;
        parity = QStringLiteral("*");
        dataBits = 0;
        stopBits = 0;
        return;
    }
    baud = NumericLong(p.ReplyFields[0]).value_or(0);
    parity = p.ReplyFields[1].left(1);
    dataBits = NumericInteger(p.ReplyFields[2]).value_or(0);
    stopBits = NumericInteger(p.ReplyFields[3]).value_or(0);
}
}   // namespace

FeatureReads::FeatureReads(CommandContext& p, const frmMainUi& controls, EntryBoxState& entryState)
    : p(p), entryState_(entryState), ui{.cmbRfBand = controls.cmbRfBand,
                                        .chkRFI = controls.chkRFI,
                                        .cmbFhiTripType = controls.cmbFhiTripType,
                                        .txtFhiLvl = controls.txtFhiLvl,
                                        .cmbFloTripType = controls.cmbFloTripType,
                                        .txtFloLvl = controls.txtFloLvl,
                                        .cmbRhiTripType = controls.cmbRhiTripType,
                                        .txtRhiLvl = controls.txtRhiLvl,
                                        .mnuUseEnet = controls.mnuUseEnet,
                                        .mnuEnterIP = controls.mnuEnterIP,
                                        .mnuEthPort = controls.mnuEthPort,
                                        .mnuOpenWebpage = controls.mnuOpenWebpage,
                                        .mnuEnetCfg = controls.mnuEnetCfg,
                                        .mnuLLDPCfg = controls.mnuLLDPCfg,
                                        .mnulcBucSetup = controls.mnulcBucSetup,
                                        .mnuGainBal = controls.mnuGainBal,
                                        .mnuMaxPwrLvl = controls.mnuMaxPwrLvl,
                                        .mnuPowerSave = controls.mnuPowerSave,
                                        .mnuAutoClrBUC = controls.mnuAutoClrBUC,
                                        .mnuRack = controls.mnuRack,
                                        .mnu2ndUmbilical = controls.mnu2ndUmbilical}
{
}

void FeatureReads::UpdateAMCParameters()
{
    if (!p.unit.config.HasAmc)
        return;
    FloatSupplyValues kept = p.unit.readings.FloatSupplySettings;
    if (ReadFloatSupplySettings(p)) {
        // The fields in reply order, up to the first empty one; the rest keep their values.
        QString* const settings[] = {&kept.HeaterVoltage, &kept.HeaterCurrent, &kept.FocusElectrodeOff,
                                     &kept.FocusElectrodeOn};
        for (int i = 0; i < 4 && !p.ReplyFields[i].isEmpty(); ++i)
            *settings[i] = p.ReplyFields[i];
    }
    p.unit.readings.FloatSupplySettings = kept;
}

void FeatureReads::InitPowerSaveParameters()
{
    UnitConfig& c = p.unit.config;
    c.PowerSaveMode = ReadPowerSaveMode(p);
    c.PowerSaveLevel = ReadPowerSaveLevel(p);
    ui.mnuPowerSave->setVisible(c.PowerSaveMode >= 0);
}

void FeatureReads::InitLCBuc()
{
    UnitConfig& c = p.unit.config;
    const float atten = ReadBucAttenuation(p);
    if (atten < 0) {
        // No up-converter answers: the calibration must not take the last unit's for this one.
        c.LcBucInstalled = false;
        c.LcBucSetPointRead = c.LcBucOffsetRead = c.LcBucMaxAttenRead = false;
        ui.mnulcBucSetup->setVisible(false);
        return;
    }
    c.LcBucAtten = atten;
    c.LcBucMaxAtten = ReadBucMaxAttenuation(p, &c.LcBucMaxAttenRead);
    c.LcBucMode = ReadBucMode(p);
    c.LcBucSetPoint = ReadBucSetpoint(p, &c.LcBucSetPointRead);
    c.LcBucOffset = ReadBucOffset(p, &c.LcBucOffsetRead);
    c.LcBucInstalled = HasProgrammableBucOption(p.unit.id.OptionWord);
    ui.mnulcBucSetup->setVisible(true);
}

void FeatureReads::InitBandParameters(qint16 band)
{
    if (band < 1 || band > 4)
        band = 1;
    UnitConfig& c = p.unit.config;
    c.CurrentBandText = band <= ui.cmbRfBand->count() ? ui.cmbRfBand->itemText(band - 1) : QString();
    const qint32 firmware = p.unit.id.FirmwareVersion100;
    const qint32 model = p.unit.id.UnitModelCode;
    const QString maxPower = GetBandRCValue(p, firmware, model, band);
    c.BandMaxPower = maxPower.isEmpty() ? 50.0f : static_cast<float>(conv::Val(maxPower));
    const QString minPower = GetBandRFValue(p, firmware, model, band);
    c.BandMinPower = minPower.isEmpty() ? 0.1f : static_cast<float>(conv::Val(minPower));
    UpdateGainBalance();
}

void FeatureReads::UpdateRFIStatus()
{
    if (FeatureDecode::SkipsRFInhibitRead(p.unit.id.UnitModelCode))
        return;
    // An unanswered read leaves the box alone: a failed read never un-inhibits RF.
    const auto inhibited = ReadRFInhibitState(p);
    if (!inhibited)
        return;
    FormUpdatingGuard hold(p.conn.FormUpdating);
    ui.chkRFI->setChecked(*inhibited);
}

void FeatureReads::InitEnetParams()
{
    UnitConfig& c = p.unit.config;
    const QString address = GetIPAddress(p);
    c.UnitAddressRead = FeatureDecode::IsUsableUnitAddress(address);
    if (c.UnitAddressRead) {
        for (QAction* menu : {ui.mnuUseEnet, ui.mnuEnetCfg, ui.mnuEthPort, ui.mnuOpenWebpage})
            menu->setVisible(true);
        c.UnitOwnIPAddress = address;
        const QString mask = GetNetMask(p);
        c.UnitNetMask = FeatureDecode::IsUsableUnitAddress(mask) ? mask : QStringLiteral("255.255.255.0");
        const QString gateway = GetRouterAddress(p);
        c.UnitGateway = FeatureDecode::IsUsableUnitAddress(gateway) ? gateway : QStringLiteral("0");
        c.UnitMACAddress = GetMACAddress(p);
        c.UnitDhcpEnabled = ReadDhcpEnabled(p);
        ParseEnetparams();
        if (p.unit.id.UnitModelCode == 7467)
            ui.mnuOpenWebpage->setEnabled(false);
    } else {
        // This unit reported no network settings: none of the previous unit's may stand
        // for them.
        c.UnitOwnIPAddress.clear();
        c.UnitNetMask = QStringLiteral("255.255.255.0");
        c.UnitGateway = QStringLiteral("0");
        c.UnitMACAddress.clear();
        c.UnitDhcpEnabled = false;
    }
    // Over TCP the target stays the operator's: the address a unit reports may be one the PC
    // cannot reach (address translation) or another unit's.
    if (RoutedOverEnet(p))
        return;
    // Over the serial line the menus show the unit's address as the target a TCP connection
    // will use.
    SetTcpTarget(p, c.UnitAddressRead ? address : p.conn.UnitIPAddress, p.conn.EnetPort);
    ui.mnuEnterIP->setText(IPAddressCaption(p.conn.UnitIPAddress));
    ui.mnuEthPort->setText(FeatureDecode::EthernetPortCaption(p.conn.EnetPort));
}

void FeatureReads::InitCurrentSenseParams()
{
    UnitConfig& c = p.unit.config;
    if (const auto gain = FeatureDecode::NumberOrZero(ReadCurrentSenseGain(p)))
        c.CurrentSenseGain = *gain;
    c.CurrentSenseResistor = ReadCurrentSenseResistor(p);
}

void FeatureReads::InitUnitCfg()
{
    UnitConfig& c = p.unit.config;
    UnitIdentity& id = p.unit.id;
    // Nothing of the previous unit survives.
    c.DualTwtaUnit = false;
    c.MultiBandUnit = false;
    c.MonitorDCVInput = false;
    if (id.UnitModelCode == 6327 || id.UnitModelCode == 7467) {
        id.OptionWord = 1;
        return;
    }
    const qint16 word = ReadOptionWord(p);
    if (word < 0) {
        ui.mnuRack->setChecked(false);
        ui.mnu2ndUmbilical->setChecked(false);
        id.OptionWord = 1;
        return;
    }
    id.OptionWord = word;
    ui.mnuRack->setChecked(IsRackOption(word));
    c.DualTwtaUnit = HasDualTWTAOption(word) && id.IsTwtaUnit;
    c.MultiBandUnit = HasMultiBandOption(word);
    if (!id.IsTwtaUnit)
        c.MonitorDCVInput = HasOptionBit5(word);
    if (HasAutoClearBucOption(word))
        ui.mnuAutoClrBUC->setChecked(true);
}

void FeatureReads::InitLLDP()
{
    if (!p.unit.id.LldpFirmware)
        return;
    const QString factory = GetFactoryLLDPText(p);
    if (!factory.isEmpty())
        ParseFactoryLLDP(p, factory);
    const QString user = GetUserLLDPText(p);
    if (!user.isEmpty())
        ParseUserLLDP(p, user);
    ui.mnuLLDPCfg->setVisible(true);
}

void FeatureReads::InitPowerLimit()
{
    UnitConfig& c = p.unit.config;
    c.MaxPowerFaultLevel = QStringLiteral("-1");
    const PowerLimitReply limit = ReadMaxRFPowerLimit(p);
    const bool valid = limit.Valid != 0;
    if (valid) {
        c.MaxPowerLimitEnabled = conv::Val(limit.Values[0]) == 1.0;
        c.MaxPowerLimitValue = limit.Values[1];
        c.MaxPowerLimitSecondValue = limit.Values[2];
        ui.mnuMaxPwrLvl->setEnabled(true);
        const PowerLimitReply fault = ReadMaxRFPowerFaultLevel(p);
        if (fault.Valid != 0)
            c.MaxPowerFaultLevel = fault.Values[0];
    }
    ui.mnuMaxPwrLvl->setVisible(valid);
}

void FeatureReads::InitTempComp()
{
    UnitConfig& c = p.unit.config;
    c.TempCompRead = true;
    const QString coefficient = ReadTempCoefficient(p);
    c.TempCoefText = coefficient.isEmpty() ? QStringLiteral("0.075") : coefficient;
    c.TempCoefIsAttnTemp = coefficient.size() >= 11;
    ReadBandTempCoefficients(p, c.SubBandCount);
    for (int n = 1; n <= 8; ++n)
        c.SubBandTempCoefs[n] = p.ReplyFields[n - 1];
}

void FeatureReads::InitFactoryTripLevels()
{
    UnitConfig& c = p.unit.config;
    const QString none = QStringLiteral("0.0");
    if (GetFactoryTripLevels(p)) {
        c.FactoryFwdTripLevel = none;
        c.FactoryRevTripLevel = none;
    } else {
        c.FactoryFwdTripLevel = p.ReplyFields[0].isEmpty() ? none : p.ReplyFields[0];
        c.FactoryRevTripLevel = p.ReplyFields[1].isEmpty() ? none : p.ReplyFields[1];
    }
    // No query reports the margin.
    c.FwdTripMargin.clear();
}

void FeatureReads::InitRFBand()
{
    UnitConfig& c = p.unit.config;
    if (c.HasRfBandNames)
        ui.cmbRfBand->setVisible(c.MultiBandUnit);
    const QString band = GetRFBandText(p);
    if (band.isEmpty())
        return;
    QStringList entries;
    for (int i = 0; i < ui.cmbRfBand->count(); ++i)
        entries << ui.cmbRfBand->itemText(i);
    const int entry = FeatureDecode::LastEqualEntry(entries, band);
    if (entry < 0)
        return;
    FormUpdatingGuard hold(p.conn.FormUpdating);
    ui.cmbRfBand->setCurrentIndex(entry);
    c.CurrentBandText = band;
}

void FeatureReads::InitReverseRFOffset()
{
    p.unit.config.ReverseRFOffset = FeatureDecode::SingleNumber(ReadReverseRFOffset(p)).value_or(-100.0f);
}

void FeatureReads::InitRFTripLevels()
{
    if (!GetRFTripLevels(p))
        return;
    const std::array<QString, 3> fields = {p.ReplyFields[0], p.ReplyFields[1], p.ReplyFields[2]};
    FormUpdatingGuard hold(p.conn.FormUpdating);
    struct Row {
        bool editing;
        QComboBox* type;
        QLineEdit* level;
    };
    const Row rows[] = {
        {entryState_.FhiTripEditing, ui.cmbFhiTripType, ui.txtFhiLvl},
        {entryState_.FloTripEditing, ui.cmbFloTripType, ui.txtFloLvl},
        {entryState_.RhiTripEditing, ui.cmbRhiTripType, ui.txtRhiLvl},
    };
    for (int i = 0; i < 3; ++i) {
        const Row& row = rows[i];
        if (row.editing)
            continue;
        const FeatureDecode::TripSetting trip = FeatureDecode::DecodeTripField(fields[i]);
        if (row.type->currentIndex() != trip.typeIndex)
            row.type->setCurrentIndex(trip.typeIndex);
        if (!trip.dBm)
            continue;
        if (const auto text = FeatureDecode::TripLevelText(*trip.dBm, p.display.DisplayWatts))
            entryState_.FillPowerBox(row.level, *text, *trip.dBm);
    }
}

void FeatureReads::InitCom1Settings()
{
    UnitConfig& c = p.unit.config;
    takePortSettings(p, GetUnitPortSettings(p, 1), c.Com1Baud, c.Com1Parity, c.Com1DataBits, c.Com1StopBits);
}

void FeatureReads::InitCom2Settings()
{
    UnitConfig& c = p.unit.config;
    takePortSettings(p, GetUnitPortSettings(p, 2), c.Com2Baud, c.Com2Parity, c.Com2DataBits, c.Com2StopBits);
    if (GetPort2Protocol(p)) {
        c.Rs485WireCount = NumericInteger(p.ReplyFields[0]).value_or(0);
        c.Rs485Termination = p.ReplyFields[1];
        c.Rs485Address = p.ReplyFields[2];
        c.Rs485Protocol = p.ReplyFields[3];
    } else {
        c.Rs485WireCount = 0;
        c.Rs485Termination = QStringLiteral("*");
        c.Rs485Address = QStringLiteral("*");
        c.Rs485Protocol.clear();
    }
}

void FeatureReads::UpdateGainBalance()
{
    UnitConfig& c = p.unit.config;
    const qint16 state = SsaCmds::ReadGainBalance(p);
    if (state < 0) {
        c.GainBalanceEnabled = false;
        ui.mnuGainBal->setVisible(false);
    } else {
        ui.mnuGainBal->setVisible(true);
        ui.mnuGainBal->setEnabled(true);
        c.GainBalanceEnabled = state != 0;
        c.GainBalanceValue = p.ReplyFields[0];
    }
    c.HasIfGainBalance = SsaCmds::ReadIFGainBalance(p);
    c.IfGainBalanceValue = p.ReplyFields[0];
}

bool FeatureReads::UpdateUnitGain()
{
    UnitConfig& c = p.unit.config;
    c.HasUnitGain = SsaCmds::ReadUnitGain(p);
    c.UnitGainEnabled = c.HasUnitGain && p.ReplyFields[0] == QLatin1String("1");
    if (c.HasUnitGain)
        c.UnitGainValue = p.ReplyFields[1];
    return c.HasUnitGain;
}

void FeatureReads::ParseEnetparams()
{
    UnitConfig& f = p.unit.config;
    ParseOctets(f.UnitOwnIPAddress, f.UnitIPOctets);
    ParseOctets(f.UnitNetMask, f.UnitNetMaskOctets);
    ParseOctets(f.UnitGateway, f.UnitGatewayOctets);
}
