// Command-file sections: RF set-up: bands, sub-bands, temperature compensation, waveguide, trip levels, supply
// set value, configuration word and up-converter.
#include "commands/CommandContext.h"
#include "ui/frmMainUi.h"
#include "commands/LimitMaskQueries.h"
#include "commands/LinearizerQueries.h"
#include "commands/OptionWord.h"
#include "files/CmdFileLines.h"
#include "files/CmdFileSections.h"
#include "link/SharedRoutines.h"
#include "platform/Conventions.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace cmdlines {

namespace {
QString yesNo(bool on) { return on ? QStringLiteral("Yes") : QStringLiteral("No"); }

// "#RF Band n: name[, freq GHz]" and ".Bn" + name[,freq].
QString bandComment(int n, const QString& name, const QString& freq)
{
    return QStringLiteral("#RF Band %1: ").arg(n) + name + (freq.isEmpty() ? QString() : ", " + freq + " GHz");
}
QString bandCommand(int n, const QString& name, const QString& freq)
{
    return QStringLiteral(".B%1").arg(n) + name + (freq.isEmpty() ? QString() : "," + freq);
}
}   // namespace

QStringList BandLines(const BandValues& v)
{
    QStringList lines;
    if (v.names[1].isEmpty())
        lines << QStringLiteral("#RF Band 1: Disabled");
    else
        lines << bandComment(1, v.names[1], v.freqs[1]) << bandCommand(1, v.names[1], v.freqs[1]);
    if (v.multiBand) {
        lines << QStringLiteral("### Multi-Band Configuration");
        for (int n = 2; n <= 4; ++n) {
            const QString& name = v.names[static_cast<size_t>(n)];
            const QString& freq = v.freqs[static_cast<size_t>(n)];
            if (name.isEmpty()) {
                lines << QStringLiteral("#RF Band %1: Disabled").arg(n) << QStringLiteral(".P%1 255").arg(107 + n);
                continue;
            }
            lines << bandComment(n, name, freq);
            const QString& atten = v.maxAtten[static_cast<size_t>(n - 1)];
            if (!atten.isEmpty()) {
                // The comment in dB; the parameter in the unit's own tenths of a dB.
                lines << QStringLiteral("#Max RF Atten: ") + atten + QStringLiteral(" db")
                      << QStringLiteral(".P%1 ").arg(318 + n) +
                             conv::FormatNumber(conv::Val(atten) * 10.0, QStringLiteral("##0"));
            }
            lines << bandCommand(n, name, freq);
        }
    }
    lines << QStringLiteral("#Current RF Band: ") + v.currentBand << QStringLiteral("T") + v.currentBand;
    return lines;
}

int LastSubBand(const std::array<QString, 10>& freqs)
{
    for (int n = 8; n >= 1; --n)
        if (!freqs[static_cast<size_t>(n)].isEmpty())
            return n;
    return 0;
}

QStringList SubBandLines(int n, const QString& freq, const SubBandParams& params, bool slopeOption, bool gainBalance,
                         const SubBandTempComp& tempComp)
{
    const QString sub = QString::number(n);
    const QString at = QStringLiteral(":") + sub;
    QStringList lines;
    if (freq.isEmpty())
        return {QStringLiteral("#  Sub-Band ") + sub + QStringLiteral(": 0.00 GHz"),
                QStringLiteral("PBS") + sub + QStringLiteral("00.00")};
    lines << QStringLiteral("#  Sub-Band ") + sub + QStringLiteral(": ") + freq + QStringLiteral(" GHz")
          << QStringLiteral("PBS") + sub + freq;
    const auto& f = params.fields;
    if (params.read) {
        if (!f[0].isEmpty()) {
            // A value the unit did not give is recorded, never sent bare.
            lines << QStringLiteral("#  Linearizer Settings for Sub-Band ") + sub
                  << QStringLiteral("#    Lin Amp: ") + f[0] << QStringLiteral("PZ") + f[0] + at
                  << QStringLiteral("#    Lin Phase: ") + f[1]
                  << LiveIf(!f[1].isEmpty(), QStringLiteral("Pz") + f[1] + at);
            if (slopeOption)
                lines << QStringLiteral("#    Lin Slope: ") + f[2]
                      << LiveIf(!f[2].isEmpty(), QStringLiteral("P/") + f[2] + at);
            if (params.tiltRead && !f[5].isEmpty() && conv::Val(f[5]) >= 0)
                lines << QStringLiteral("#    Lin Tilt: ") + f[5] << QStringLiteral("P|") + f[5] + at;
        }
        if (gainBalance) {
            const QString value = conv::TrimBlanks(f[4]);
            lines << QStringLiteral("#    Gain Balance value: ") + f[4]
                  << LiveIf(!value.isEmpty(), QStringLiteral("PG") + value + at);
        }
    }
    if (tempComp.written)
        lines << QStringLiteral("#    Temperature Coefficient: ") + tempComp.coefficient +
                     (tempComp.attnTemp ? QStringLiteral(" (Attn:Temp)") : QStringLiteral(" dB/Deg C"))
              << LiveIf(!tempComp.coefficient.isEmpty(),
                        QStringLiteral("YB") + tempComp.coefficient + QStringLiteral("s") + sub);
    return lines;
}

QStringList SubBandClosingLines(const QString& gainFlag, qint16 currentSubBand)
{
    QStringList lines;
    if (!gainFlag.isEmpty())
        lines << QStringLiteral("#Gain Balance Status: ") +
                     (gainFlag == QLatin1String("0") ? QStringLiteral("Disabled") : QStringLiteral("Enabled"))
              << QStringLiteral("PG") + gainFlag;
    const QString current = QString::number(currentSubBand);
    // No sub-band shown (0) or a failed read (-1) is recorded only.
    lines << QStringLiteral("#Current SubBand: ") + current
          << LiveIf(currentSubBand >= 1, QStringLiteral("PBS") + current);
    return lines;
}

QStringList TempCompLines(const TempCompValues& v)
{
    QStringList lines;
    if (v.globalCoefficient && !v.coefficient.isEmpty())
        lines << QStringLiteral("#Temperature Coefficient: ") + v.coefficient +
                     (v.attnTemp ? QStringLiteral(" (Attn:Temp)") : QStringLiteral(" dB/Deg C"))
              << QStringLiteral("YB") + v.coefficient;
    lines << QStringLiteral("#Gain Temperature Compensation: Disabled") << QStringLiteral("PI0");
    if (!v.atnRangeSupported)
        return lines;
    if (!v.maxCalTemp.isEmpty())
        lines << QStringLiteral("#Max Cal Temperature: ") + v.maxCalTemp + QStringLiteral(" C")
              << QStringLiteral(".P332 ") + v.maxCalTemp;
    if (!v.minCalTemp.isEmpty())
        lines << QStringLiteral("#Min Cal Temperature: ") + v.minCalTemp + QStringLiteral(" C")
              << QStringLiteral(".P333 ") + v.minCalTemp;
    if (v.writesAtnRange && !v.atnRange.isEmpty())
        lines << QStringLiteral("#Attenuator Range: ") + v.atnRange + QStringLiteral(" dB")
              << QStringLiteral(".P334 ") + conv::FormatNumber(conv::Val(v.atnRange) * 10.0, QStringLiteral("##0"));
    return lines;
}

QStringList WaveguideLines(const QString& item)
{
    if (item.isEmpty())
        return {};
    return {QStringLiteral("#Waveguide Configuration: ") + conv::Mid(item, 5), QStringLiteral("PC") + item.left(1)};
}

QStringList RedundantModeLines(bool automatic)
{
    return {QStringLiteral("#Waveguide Automatic mode: ") + EnabledText(automatic),
            automatic ? QStringLiteral("UA") : QStringLiteral("UM")};
}

const TripLevel kFwdHighTrip{"#RF Power High: ", {"MF", "MA", "MD"}, "####0.0"};
const TripLevel kFwdLowTrip{"#RF Low Power: ", {"LF", "LA", "LD"}, "####0.0"};
const TripLevel kRevTrip{"#Reflected RF Power: ", {"OF", "OA", "OD"}, "#####0.0"};

QStringList TripLevelLines(const TripLevel& trip, const QString& box, const QString& tripType, bool displayWatts)
{
    if (box.isEmpty())
        return {};
    // The comment shows dBm, the command carries watts; the box holds watts while the
    // window shows watts.
    const float value = static_cast<float>(conv::Val(box));
    const QString dBm = displayWatts ? conv::FormatNumber(SingleAsWritten(WattsToDbm(value)), QStringLiteral("#0.0"))
                                     : conv::FormatText(box, QStringLiteral("#0.0"));
    const float watts = displayWatts ? value : DbmToWatts(value);
    const int letters = tripType == QLatin1String("Fault") ? 0 : tripType == QLatin1String("Alarm") ? 1 : 2;
    return {QString::fromLatin1(trip.label) + tripType + QStringLiteral(" (") + dBm + QStringLiteral(" dBm)"),
            QString::fromLatin1(trip.letters[letters]) +
                conv::FormatNumber(SingleAsWritten(watts), QString::fromLatin1(trip.pattern))};
}

QStringList FactoryTripLines(const QString& fwd, const QString& margin, const QString& rev, bool writesMargin)
{
    const QString fwdText = conv::FormatText(fwd, QStringLiteral("##0.0"));
    const QString revText = conv::FormatText(rev, QStringLiteral("##0.0"));
    QStringList lines{QStringLiteral("#Factory Set Fwd Trip Level: ") + fwdText + QStringLiteral(" dBm"),
                      QStringLiteral("YFTF") + fwdText};
    // A margin the unit never reported is left out.
    if (writesMargin && !margin.isEmpty() && conv::Val(margin) >= 0) {
        const QString m = conv::FormatText(margin, QStringLiteral("#0"));
        lines << QStringLiteral("#Fwd Trip Margin: ") + m + QStringLiteral(" %") << QStringLiteral("YFTM") + m;
    }
    lines << QStringLiteral("#Factory Set Rev Trip Level: ") + revText + QStringLiteral(" dBm")
          << QStringLiteral("YFTR") + revText;
    return lines;
}

QStringList PSVsetLines(qint16 value)
{
    return {QStringLiteral("#PS Vset value: ") + QString::number(value), QStringLiteral("YC") + QString::number(value)};
}

QStringList UnitCfgLines(qint32 word, bool oduBuc, bool modelWithoutOptions, bool twta, bool monitorDCVInput)
{
    QStringList lines{QStringLiteral("#"), QStringLiteral("# Unit Config"), QStringLiteral("#")};
    if (oduBuc)
        return lines << QStringLiteral("# 0  Rack/Odu:              Odu")
                     << QStringLiteral("# 9  Auto Clear BUC Fault:  Yes") << QStringLiteral("YM513")
                     << QStringLiteral("#");
    const bool all = !modelWithoutOptions;
    lines << QStringLiteral("# 0  Rack/Odu:              ") +
                 (IsRackOption(word) && all ? QStringLiteral("Rack") : QStringLiteral("Odu"));
    if (all) {
        lines << (twta ? QStringLiteral("# 1  Dual TWTA:             ")
                       : QStringLiteral("# 1  Dual Umbilical:        ")) +
                     yesNo(HasDualTWTAOption(word))
              << QStringLiteral("# 2  Multi-Band:            ") + yesNo(HasMultiBandOption(word))
              << QStringLiteral("# 3  2-RF Detectors:        ") + yesNo(HasTwoRFDetectorsOption(word));
    }
    if (twta)
        lines << QStringLiteral("# 4  Inverted Thermal ILOK (N/O): ") + yesNo(HasInvertedThermalIlokOption(word))
              << QStringLiteral("# 5  Use Focus Electrode:   ") + yesNo(HasOptionBit5(word));
    else if (monitorDCVInput)
        lines << QStringLiteral("# 5  Monitor DCV Input:     ") + yesNo(HasOptionBit5(word));
    if (all)
        lines << QStringLiteral("# 6  Orvan Analog:          ") + yesNo(HasOrvanAnalogOption(word))
              << QStringLiteral("# 7  Calverdane Analog:     ") + yesNo(HasCalverdaneAnalogOption(word))
              << QStringLiteral("# 8  Use Lin Slope:         ") + yesNo(HasLinSlopeOption(word));
    lines << QStringLiteral("# 9  Auto Clear BUC Fault:  ") + yesNo(HasAutoClearBucOption(word));
    if (all)
        lines << QStringLiteral("# 10 Programable BUC:       ") + yesNo(HasProgrammableBucOption(word));
    lines << QStringLiteral("# 12 No Rev Detector:       ") + yesNo(HasNoRevDetectorOption(word))
          << QStringLiteral("YM") + QString::number(static_cast<qint16>(word)) << QStringLiteral("#");
    return lines;
}

QStringList LowCostBucLines(const BucValues& v)
{
    static const QStringList modes{QStringLiteral("Fixed Atten."), QStringLiteral("Variable Atten."),
                                   QStringLiteral("Optimized")};
    const auto value = [](float f) { return conv::FormatNumber(SingleAsWritten(f), QStringLiteral("#0.0")); };
    const QString mode = QString::number(v.mode);
    return {QStringLiteral("#BUC Installed"),
            QStringLiteral("#  BUC Mode: ") + (v.mode >= 0 && v.mode <= 2 ? modes[v.mode] : QString()),
            LiveIf(v.mode >= 0, QStringLiteral("PBCM") + mode),
            QStringLiteral("#  BUC Setpoint: ") + value(v.setPoint) + QStringLiteral(" dBm"),
            LiveIf(v.setPointRead, QStringLiteral("PBCS") + value(v.setPoint)),
            QStringLiteral("#  BUC Offset: ") + value(v.offset) + QStringLiteral(" dBm"),
            LiveIf(v.offsetRead, QStringLiteral("PBCO") + value(v.offset)),
            QStringLiteral("#  BUC Atten: ") + value(v.atten) + QStringLiteral(" dB"),
            QStringLiteral("PBCA") + value(v.atten),
            QStringLiteral("#  BUC Max Atten: ") + value(v.maxAtten) + QStringLiteral(" dB"),
            LiveIf(v.maxAttenRead, QStringLiteral("PBCN") + value(v.maxAtten))};
}

}   // namespace cmdlines

using namespace cmdlines;

namespace {
QString selectedText(const QComboBox* box) { return box->currentIndex() >= 0 ? box->currentText() : QString(); }
}   // namespace

bool SaveBandInfo(CmdFileContext& c)
{
    if (c.p.unit.flags.TouchScreenUnit)
        return true;
    for (size_t i = 0; i < 4; ++i)
        c.p.ReplyFields[i].clear();
    SsaCmds::ReadBandMaxAttenuations(c.p);
    const UnitConfig& u = c.p.unit.config;
    BandValues v{
        u.RfBandNames, u.RfBandFreqs, HasMultiBandOption(c.p.unit.id.OptionWord), {}, selectedText(c.ui.cmbRfBand)};
    for (size_t i = 0; i < 4; ++i)
        v.maxAtten[i] = c.p.ReplyFields[i];
    c.Write(BandLines(v));
    return true;
}

bool SaveSubBandInfo(CmdFileContext& c)
{
    if (c.p.unit.flags.TouchScreenUnit)
        return true;
    const UnitConfig& u = c.p.unit.config;
    if (u.SubBandCount <= 0) {
        c.Line(QStringLiteral("#No Sub-Bands"));
        return true;
    }
    c.Write({QStringLiteral("#Sub-Band Configuration"), QStringLiteral("#")});
    const bool subBandComp = !c.p.unit.id.NoSubBandCompFirmware;
    const bool slopeOption = HasLinSlopeOption(c.p.unit.id.OptionWord);
    QString gainFlag;
    for (int n = 1; n <= LastSubBand(u.SubBandFreqs); ++n) {
        const QString& freq = u.SubBandFreqs[static_cast<size_t>(n)];
        SubBandParams params;
        if (!freq.isEmpty()) {
            params.read = SsaCmds::GetSubBandSaveParams(c.p, static_cast<qint16>(n), &params.tiltRead);
            for (size_t k = 0; k < params.fields.size(); ++k)
                params.fields[k] = c.p.ReplyFields[k];
            if (params.read && !params.fields[3].isEmpty())
                gainFlag = params.fields[3];
        }
        const SubBandTempComp tempComp{subBandComp && u.TempCompRead, u.SubBandTempCoefs[static_cast<size_t>(n)],
                                       u.TempCoefIsAttnTemp};
        c.Write(SubBandLines(n, freq, params, slopeOption, subBandComp, tempComp));
    }
    c.Write(SubBandClosingLines(gainFlag, u.CurrentSubBand));
    return true;
}

bool SaveTempCompParams(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.flags.TouchScreenUnit || (unit.id.IsTwtaUnit && !c.ui.mnulcBucSetup->isVisible()))
        return true;
    const UnitConfig& u = unit.config;
    TempCompValues v;
    v.globalCoefficient = unit.id.NoSubBandCompFirmware || u.SubBandCount == 0 || !u.TempCompRead;
    v.coefficient = u.TempCoefText;
    v.attnTemp = u.TempCoefIsAttnTemp;
    v.atnRangeSupported = u.AtnRangeSupported;
    v.maxCalTemp = u.MaxCalTempText;
    v.minCalTemp = u.MinCalTempText;
    v.writesAtnRange = !ModelIn(unit.id.UnitModelCode, {7415, 7428, 7436, 7453});
    v.atnRange = u.AtnRangeText;
    c.Write(TempCompLines(v));
    return true;
}

bool SaveWaveguideCfg(CmdFileContext& c)
{
    if (ModelIn(c.p.unit.id.UnitModelCode, {7415, 7436, 7453}))
        return true;
    c.Write(WaveguideLines(selectedText(c.ui.cmbWgCfg)));
    return true;
}

bool SaveRedundantModeCfg(CmdFileContext& c)
{
    if (ModelIn(c.p.unit.id.UnitModelCode, {7415, 7436, 7453}))
        return true;
    c.Write(RedundantModeLines(c.ui.chkAutoMode->isChecked()));
    return true;
}

bool SaveFwdRFTripLevels(CmdFileContext& c)
{
    const frmMainUi& ui = c.ui;
    const bool watts = c.p.display.DisplayWatts;
    c.Write(TripLevelLines(kFwdHighTrip, ui.txtFhiLvl->text(), ui.cmbFhiTripType->currentText(), watts));
    c.Write(TripLevelLines(kFwdLowTrip, ui.txtFloLvl->text(), ui.cmbFloTripType->currentText(), watts));
    return true;
}

bool SaveRevRFTripLevel(CmdFileContext& c)
{
    const frmMainUi& ui = c.ui;
    c.Write(TripLevelLines(kRevTrip, ui.txtRhiLvl->text(), ui.cmbRhiTripType->currentText(), c.p.display.DisplayWatts));
    return true;
}

bool SaveFactoryTripLevels(CmdFileContext& c)
{
    const UnitConfig& u = c.p.unit.config;
    c.Write(FactoryTripLines(u.FactoryFwdTripLevel, u.FwdTripMargin, u.FactoryRevTripLevel,
                             !ModelIn(c.p.unit.id.UnitModelCode, {7415, 7428, 7436, 7453})));
    return true;
}

bool SavePSVset(CmdFileContext& c)
{
    const UnitIdentity& id = c.p.unit.id;
    // Only a unit that answered its set-value query at the first read (the menu shows then).
    if (ModelIn(id.UnitModelCode, {7415, 7436, 7453}) || id.IsTwtaUnit || !c.ui.mnuPsVset->isVisible())
        return true;
    c.Write(PSVsetLines(c.p.unit.config.PsVsetValue));
    return true;
}

bool SaveUnitCfg(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.flags.TouchScreenUnit)
        return true;
    c.Write(UnitCfgLines(unit.id.OptionWord, unit.id.OduBucUnit, ModelIn(unit.id.UnitModelCode, {7415, 7436}),
                         unit.id.IsTwtaUnit, unit.config.MonitorDCVInput));
    return true;
}

bool SaveLowCostBucCfg(CmdFileContext& c)
{
    const UnitState& unit = c.p.unit;
    if (unit.id.OduBucUnit || ModelIn(unit.id.UnitModelCode, {7415, 7436}) ||
        !HasProgrammableBucOption(unit.id.OptionWord) || !c.ui.mnulcBucSetup->isVisible())
        return true;
    const UnitConfig& u = unit.config;
    c.Write(LowCostBucLines({u.LcBucMode, u.LcBucSetPoint, u.LcBucOffset, u.LcBucAtten, u.LcBucMaxAtten,
                             u.LcBucSetPointRead, u.LcBucOffsetRead, u.LcBucMaxAttenRead}));
    return true;
}

bool SaveCurrentSenseCfg(CmdFileContext&) { return true; }
