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
#include "app/Program.h"
#include "platform/Conventions.h"
#include "platform/TcpSocket.h"
#include "status/FeatureDecode.h"
#include "ui/FormUpdatingGuard.h"
#include "app/frmMain.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace SsaCmds;

void frmMain::UpdateAMCParameters()
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

void frmMain::InitPowerSaveParameters()
{
    UnitConfig& c = p.unit.config;
    c.PowerSaveMode = ReadPowerSaveMode(p);
    c.PowerSaveLevel = ReadPowerSaveLevel(p);
    ui.mnuPowerSave->setVisible(c.PowerSaveMode >= 0);
}

void frmMain::InitLCBuc()
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

void frmMain::InitBandParameters(qint16 band)
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

void frmMain::UpdateRFIStatus()
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

void frmMain::InitEnetParams()
{
    ITcpSocket& socket = p.platform.tcp;
    UnitConfig& c = p.unit.config;
    const QString address = GetIPAddress(p);
    c.UnitAddressRead = FeatureDecode::IsUsableUnitAddress(address);
    if (c.UnitAddressRead) {
        for (QAction* menu : {ui.mnuUseEnet, ui.mnuEnetCfg, ui.mnuEthPort, ui.mnuOpenWebpage})
            menu->setVisible(true);
        socket.setRemoteHost(address);
        p.conn.UnitIPAddress = address;
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
        c.UnitNetMask = QStringLiteral("255.255.255.0");
        c.UnitGateway = QStringLiteral("0");
        c.UnitMACAddress.clear();
        c.UnitDhcpEnabled = false;
    }
    if (p.conn.UseEnet)
        return;
    // Over the serial line the menus show the target a TCP connection would use.
    if (!p.conn.UnitIPAddress.isEmpty())
        socket.setRemoteHost(p.conn.UnitIPAddress);
    socket.setRemotePort(p.conn.EnetPort);
    const QString host = socket.remoteHost();
    const int port = socket.remotePort();
    ui.mnuEnterIP->setText(QStringLiteral("IP Address:    ") + host);
    ui.mnuEthPort->setText(FeatureDecode::EthernetPortCaption(port));
}

void frmMain::InitCurrentSenseParams()
{
    UnitConfig& c = p.unit.config;
    if (const auto gain = FeatureDecode::NumberOrZero(ReadCurrentSenseGain(p)))
        c.CurrentSenseGain = *gain;
    c.CurrentSenseResistor = ReadCurrentSenseResistor(p);
}

void frmMain::InitUnitCfg()
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

void frmMain::InitLLDP()
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

void frmMain::InitPowerLimit()
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

void frmMain::InitTempComp()
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

void frmMain::InitFactoryTripLevels()
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

void frmMain::InitRFBand()
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

void frmMain::InitReverseRFOffset()
{
    p.unit.config.ReverseRFOffset = FeatureDecode::SingleNumber(ReadReverseRFOffset(p)).value_or(-100.0f);
}

void frmMain::InitRFTripLevels()
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
        {FhiTripEditing, ui.cmbFhiTripType, ui.txtFhiLvl},
        {FloTripEditing, ui.cmbFloTripType, ui.txtFloLvl},
        {RhiTripEditing, ui.cmbRhiTripType, ui.txtRhiLvl},
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
            FillPowerBox(row.level, *text, *trip.dBm);
    }
}

namespace {
// Baud, parity, data bits and stop bits of one unit port from ReplyFields 0 to 3;
// without an answer 0, "*", 0, 0.
void takePortSettings(Program& p, bool answered, qint32& baud, QString& parity, qint16& dataBits, qint16& stopBits)
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

void frmMain::InitCom1Settings()
{
    UnitConfig& c = p.unit.config;
    takePortSettings(p, GetUnitPortSettings(p, 1), c.Com1Baud, c.Com1Parity, c.Com1DataBits, c.Com1StopBits);
}

void frmMain::InitCom2Settings()
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
