// The readings the poll and the first read show outside the status panels, and the set-up
// of the frames they fill.
#include "commands/CathodeQueries.h"
#include "commands/IndexedQueries.h"
#include "commands/PolledQueries.h"
#include "commands/ProjectSpecific.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "link/ConnectionWatch.h"
#include "commands/CommandContext.h"
#include "status/FamilyLayout.h"
#include "status/ReadingFormat.h"
#include "ui/FrameArrangements.h"
#include "ui/Twips.h"
#include "status/Readings.h"
#include "status/PollRules.h"
#include "commands/StatusQueries.h"
#include "ui/frmMainUi.h"
#include "status/PowerUnits.h"
#include "status/EntryBoxState.h"
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {
void write(QLineEdit* box, const std::optional<QString>& text)
{
    if (text)
        box->setText(*text);
}
}   // namespace

// Each reading below writes nothing, and asks nothing more, once the connection has ended
// while a query waited (a disconnect over TCP runs meanwhile): the cleared window of a
// disconnected unit shows no reading.

Readings::Readings(CommandContext& p, const frmMainUi& controls, PowerUnits& powerUnits, EntryBoxState& entryState)
    : p(p), powerUnits_(powerUnits), entryState_(entryState), ui{.txtFdBm = controls.txtFdBm,
                                                                 .txtFCnt = controls.txtFCnt,
                                                                 .txtRdBm = controls.txtRdBm,
                                                                 .txtAtnDB = controls.txtAtnDB,
                                                                 .txtTemp = controls.txtTemp,
                                                                 .txtTemp2 = controls.txtTemp2,
                                                                 .Frame20 = controls.Frame20,
                                                                 .lblRFFrq = controls.lblRFFrq,
                                                                 .lblRFFrqVal = controls.lblRFFrqVal,
                                                                 .txtHelixV = controls.txtHelixV,
                                                                 .txtHelixI = controls.txtHelixI,
                                                                 .txtHeaterV = controls.txtHeaterV,
                                                                 .txtHelix2I = controls.txtHelix2I,
                                                                 .txtAnodeV = controls.txtAnodeV,
                                                                 .txtCathI = controls.txtCathI,
                                                                 .Frame14 = controls.Frame14,
                                                                 .Label21 = controls.Label21,
                                                                 .txtCS1 = controls.txtCS1,
                                                                 .txtCS3 = controls.txtCS3,
                                                                 .Label25 = controls.Label25,
                                                                 .Label22 = controls.Label22,
                                                                 .txtCS2 = controls.txtCS2,
                                                                 .Label26 = controls.Label26,
                                                                 .txtCS4 = controls.txtCS4,
                                                                 .Label28 = controls.Label28,
                                                                 .txtPSHours = controls.txtPSHours,
                                                                 .txtXmtHours = controls.txtXmtHours,
                                                                 .mnuISense = controls.mnuISense}
{
}

void Readings::UpdateFwdRF()
{
    const ConnectionWatch connection(p);
    const QString forward = SsaCmds::ReadFwdRFPower(p);
    if (connection.ended())
        return;
    if (const auto t = readings::ForwardPowerText(forward, p.display.DisplayWatts))
        powerUnits_.WritePowerBox(ui.txtFdBm, t->text, t->dBm);
    // The drive power comes in the display unit with its own mark; no answer empties the box.
    if (p.display.DrivePowerShown) {
        const QString drive = SsaCmds::ReadDrivePower(p);
        if (!connection.ended())
            ui.txtFCnt->setText(drive);
    }
}

void Readings::UpdateRevRF()
{
    const ConnectionWatch connection(p);
    const QString reverse = SsaCmds::ReadRevRFPower(p);
    if (connection.ended())
        return;
    if (const auto t = readings::ReversePowerText(reverse, p.unit.config.BandMinPower, p.display.DisplayWatts))
        powerUnits_.WritePowerBox(ui.txtRdBm, t->text, t->dBm);
}

void Readings::UpdateRFPower()
{
    UpdateFwdRF();
    UpdateRevRF();
}

void Readings::UpdateAtn()
{
    const ConnectionWatch connection(p);
    const QString attenuation = SsaCmds::GetAttenuation(p);
    if (connection.ended())
        return;
    if (const auto text = readings::AttenuationText(attenuation))
        entryState_.FillEntryBox(ui.txtAtnDB, *text);
    // The downlink attenuation is asked for as the unit expects; the poll shows it nowhere.
    if (p.unit.id.LldpFirmware)
        SsaCmds::ReadDLAtnCount(p);
}

void Readings::UpdateTemperature()
{
    const ConnectionWatch connection(p);
    const bool inletShown = p.display.InletTempShown;
    const qint16 t = SsaCmds::ReadTemperature(p, p.unit.config.DualTwtaUnit || inletShown);
    if (connection.ended())
        return;
    const auto texts = readings::TemperatureTextsFor(t, p.ReplyFields[1], inletShown);
    if (!texts)
        return;
    ui.txtTemp->setText(texts->txtTemp);
    write(ui.txtTemp2, texts->txtTemp2);
}

void Readings::UpdateHelixHeater()
{
    const bool dualTube = p.unit.config.DualTwtaUnit;
    // A short reply leaves later fields untaken: they must not show an earlier query's values.
    for (int k = 0; k < 4; ++k)
        p.ReplyFields[k].clear();
    const ConnectionWatch connection(p);
    if (!SsaCmds::ReadHelixHeaterReadings(p, dualTube) || connection.ended())
        return;
    write(ui.txtHelixV, readings::HelixHeaterText(p.ReplyFields[0]));
    write(ui.txtHelixI, readings::HelixHeaterText(p.ReplyFields[1]));
    if (dualTube) {
        write(ui.txtHeaterV, readings::HelixHeaterText(p.ReplyFields[2]));
        write(ui.txtHelix2I, readings::HelixHeaterText(p.ReplyFields[3]));
        return;
    }
    const float heaterVoltage = SsaCmds::ReadHeaterVoltage(p);
    if (connection.ended())
        return;
    write(ui.txtHeaterV, readings::HelixHeaterText(heaterVoltage));
    if (p.display.DualHelixDisplay) {
        const float heaterCurrent = SsaCmds::ReadHelix2Current(p);
        if (!connection.ended())
            write(ui.txtHelix2I, readings::HelixHeaterText(heaterCurrent));
    }
}

void Readings::UpdateCathodeCurrent()
{
    if (!p.unit.cathode.CathodeCurrentEnabled)
        return;
    const ConnectionWatch connection(p);
    const qint16 cathode = SsaCmds::GetCathodeCurrent(p);
    if (connection.ended())
        return;
    write(ui.txtCathI, readings::CathodeCurrentText(cathode));
    const qint16 anode = SsaCmds::ReadAnodeVoltage(p);
    if (connection.ended())
        return;
    if (anode >= 0)
        p.unit.cathode.AnodeVoltage = anode;
    write(ui.txtAnodeV, readings::AnodeVoltageText(anode));
}

void Readings::UpdateCurrentSense()
{
    const UnitIdentity& id = p.unit.id;
    if (!layout::ReadsCurrentSense(id.UnitModelCode, id.IsTwtaUnit, id.FirmwareVersion100))
        return;
    const ConnectionWatch connection(p);
    if (!SsaCmds::ReadCurrentSense(p) || connection.ended())
        return;
    QLineEdit* boxes[] = {ui.txtCS1, ui.txtCS2, ui.txtCS3, ui.txtCS4};
    for (int k = 0; k < 4; ++k)
        boxes[k]->setText(p.ReplyFields[k]);
}

void Readings::UpdateRFFrequency()
{
    const ConnectionWatch connection(p);
    const QString frequency = SsaCmds::ReadRFFrequency(p);
    if (connection.ended())
        return;
    p.unit.readings.RfFrequencyText = frequency;
    const auto caption = readings::RfFrequencyCaption(p.unit.readings.RfFrequencyText);
    if (caption)
        ui.lblRFFrqVal->setText(*caption);
    ui.lblRFFrq->setVisible(caption.has_value());
    ui.lblRFFrqVal->setVisible(caption.has_value());
}

void Readings::InitDCVInParameters()
{
    if (!p.unit.config.MonitorDCVInput)
        return;
    UnitReadings& r = p.unit.readings;
    QString* limits[] = {&r.DCVInAlarmLowLimit, &r.DCVInAlarmHighLimit, &r.DCVInFaultLowLimit, &r.DCVInFaultHighLimit};
    for (qint16 index = 1; index <= 4; ++index) {
        SsaCmds::GetDCVInLimit(p, index);
        *limits[index - 1] = p.ReplyFields[0];
    }
    SsaCmds::ReadDCVInRatio(p);
    r.DCVInRatio = p.ReplyFields[0];
    SsaCmds::ReadDCInputVoltage(p);
    ui.txtCS2->setText(p.ReplyFields[0]);
}

void Readings::SetupFrame14()
{
    SetUnitNetburnerProcessorOption(p);
    const UnitIdentity& id = p.unit.id;
    const auto frame = layout::SenseFrameFor({id.UnitModelCode, id.FirmwareVersion100, p.unit.flags.EnetProcessorUnit,
                                              p.unit.flags.PicProcessorUnit, p.unit.config.MonitorDCVInput});
    switch (frame.form) {
    case layout::SenseFrameForm::CurrentSense:
        SetCurrentSenseFrame();
        break;
    case layout::SenseFrameForm::DcInput:
        SetDCVInFrame();
        break;
    case layout::SenseFrameForm::Hidden:
        break;
    }
    ui.Frame14->setVisible(frame.form != layout::SenseFrameForm::Hidden);
    ui.mnuISense->setVisible(frame.currentSenseMenuShown);
}

void Readings::SetCurrentSenseFrame() { applySenseFrameForm(false); }

void Readings::SetDCVInFrame() { applySenseFrameForm(true); }

// Both forms start from the frame's standard arrangement, so either form looks the same
// whichever was shown before.
void Readings::applySenseFrameForm(bool dcInput)
{
    arrangement::Apply(ui.Frame14, arrangement::CurrentSenseFrame);
    arrangement::Apply(ui.Frame14, arrangement::CurrentSenseControls);
    ui.Frame14->setTitle(dcInput ? QStringLiteral("DC Input Voltage") : QStringLiteral("Current Sense"));
    if (dcInput)
        ui.Label26->setText(QStringLiteral("V"));
    // The DC input form shows txtCS2 with its unit only.
    for (QWidget* w : std::initializer_list<QWidget*>{ui.Label21, ui.txtCS1, ui.Label22, ui.Label25, ui.txtCS3,
                                                      ui.txtCS4, ui.Label28})
        w->setVisible(!dcInput);
    if (!dcInput)
        return;
    ui.Frame14->resize(twips::ToPixels(arrangement::DcInputFrameWidth),
                       twips::ToPixels(arrangement::DcInputFrameHeight));
    twips::SetTop(ui.Label26, arrangement::DcInputLabel26Top);
    twips::SetTop(ui.txtCS2, arrangement::DcInputTxtCS2Top);
}

void Readings::SetupFrame20() { ui.Frame20->setVisible(layout::ConstantPowerFrameShown(p.unit.id.UnitModelCode)); }

void Readings::UpdateDCVIn()
{
    const UnitIdentity& id = p.unit.id;
    if (!poll::ReadsDCInput(id.UnitModelCode, id.FirmwareVersion100, p.unit.flags.PicProcessorUnit))
        return;
    const ConnectionWatch connection(p);
    if (SsaCmds::ReadDCInputVoltage(p) && !connection.ended())
        ui.txtCS2->setText(p.ReplyFields[0]);
}

void Readings::UpdateHours()
{
    const ConnectionWatch connection(p);
    const qint32 psHours = SsaCmds::ReadPowerSupplyHours(p);
    if (connection.ended())
        return;
    if (poll::HoursShown(psHours))
        entryState_.FillEntryBox(ui.txtPSHours, QString::number(psHours));
    const qint32 xmtHours = SsaCmds::ReadTransmitHours(p);
    if (!connection.ended() && poll::HoursShown(xmtHours))
        entryState_.FillEntryBox(ui.txtXmtHours, QString::number(xmtHours));
}
