// The summary, fault and alarm panels of the main window: the decoders say what each
// status field shows, these members write it into the labels and boxes.
#include "link/ConnectionWatch.h"
#include "commands/CommandContext.h"
#include "status/AlarmDecode.h"
#include "status/FaultAlarmNames.h"
#include "ui/FitText.h"
#include "status/FaultDecode.h"
#include "ui/FormUpdatingGuard.h"
#include "ui/IndicatorListArea.h"
#include "ui/TextColour.h"
#include "ui/Twips.h"
#include "status/StatusPanels.h"
#include "ui/frmMainUi.h"
#include "status/FeatureReads.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

// The unit as the panels decode it, as a tube unit or as any other.
status::PanelUnit panelUnit(const CommandContext& p, bool asTwta)
{
    const UnitIdentity& id = p.unit.id;
    return {asTwta, id.UnitModelCode, id.LldpFirmware, id.LegacyStatusQuery};
}

// Each name fits the part of its row that a long list's scroll bar leaves in sight, so
// no name loses its last characters ("Helix Arc Latch 2") when the list scrolls.
void writeCaptions(const std::array<std::array<QLabel*, 6>, 4>& bytes, const status::LabelCaptions& captions,
                   const IndicatorListArea* area)
{
    for (int i = 0; i < status::LabelsPerList; ++i) {
        const status::BitLabel l = status::BitLabel::fromIndex(i);
        QLabel* label = bytes[l.byte][l.bit];
        label->setText(captions[i]);
        FitTextToWidth(label, 8, area->widthInSightFrom(twips::ToPixels(status::ListLeft)));
    }
}

void hideAll(const std::array<std::array<QLabel*, 6>, 4>& bytes)
{
    for (const auto& labels : bytes)
        for (QLabel* l : labels)
            l->hide();
}

// Selects `entry` unless the box already shows it or has no such entry.
void selectEntry(QComboBox* box, int entry)
{
    if (entry >= 0 && entry < box->count() && box->currentIndex() != entry)
        box->setCurrentIndex(entry);
}

}   // namespace

StatusPanels::StatusPanels(CommandContext& p, const frmMainUi& controls, FeatureReads& features)
    : p(p), features_(features), ui{.Label31 = controls.Label31,
                                    .Label32 = controls.Label32,
                                    .Label33 = controls.Label33,
                                    .Label34 = controls.Label34,
                                    .Label35 = controls.Label35,
                                    .Label36 = controls.Label36,
                                    .Label13 = controls.Label13,
                                    .lblSBUCWarmup = controls.lblSBUCWarmup,
                                    .lbllcBucDrive = controls.lbllcBucDrive,
                                    .NoFaults = controls.NoFaults,
                                    .FaultAbit = controls.FaultAbit,
                                    .FaultBbit = controls.FaultBbit,
                                    .FaultCbit = controls.FaultCbit,
                                    .FaultDbit = controls.FaultDbit,
                                    .AlarmAbit = controls.AlarmAbit,
                                    .AlarmBbit = controls.AlarmBbit,
                                    .AlarmCbit = controls.AlarmCbit,
                                    .AlarmDbit = controls.AlarmDbit,
                                    .NoAlarms = controls.NoAlarms,
                                    .FaultList = controls.FaultList,
                                    .AlarmList = controls.AlarmList,
                                    .chkConstPwr = controls.chkConstPwr,
                                    .chkPS = controls.chkPS,
                                    .cmbWgSw1 = controls.cmbWgSw1,
                                    .cmbWgSw2 = controls.cmbWgSw2,
                                    .chkAutoMode = controls.chkAutoMode,
                                    .cmbWgCfg = controls.cmbWgCfg}
{
}

void StatusPanels::InitFaultsAlarms()
{
    FirstRowTop = status::FirstRowTop;
    RowPitch = status::RowPitch;
    ListLeft = status::ListLeft;
    for (const auto& bytes : {ui.alarmBytes(), ui.faultBytes()})
        for (const auto& labels : bytes)
            for (QLabel* l : labels)
                SetTextColour(l, status::LightRed);
}

status::NameInputs StatusPanels::nameInputs() const
{
    const UnitIdentity& id = p.unit.id;
    status::NameInputs in;
    in.IsTwtaUnit = id.IsTwtaUnit;
    in.UnitModelCode = id.UnitModelCode;
    in.ExtRefTwtaModel = id.ExtRefTwtaModel;
    in.NoSubBandCompFirmware = id.NoSubBandCompFirmware;
    in.InputDriveFirmware = id.InputDriveFirmware;
    in.LldpFirmware = id.LldpFirmware;
    in.DualTwtaUnit = p.unit.config.DualTwtaUnit;
    in.DrivePowerSupported = p.display.DrivePowerSupported;
    return in;
}

void StatusPanels::InitFaultNames() { writeCaptions(ui.faultBytes(), status::FaultNames(nameInputs()), ui.FaultList); }

void StatusPanels::InitAlarmNames() { writeCaptions(ui.alarmBytes(), status::AlarmNames(nameInputs()), ui.AlarmList); }

void StatusPanels::placeRow(QWidget* label, int row, bool keepLeft)
{
    const int top = FirstRowTop + RowPitch * row;
    if (keepLeft)
        twips::SetTop(label, top);
    else
        twips::Move(label, ListLeft, top);
}

void StatusPanels::applyList(const status::ListDecoding& d, const std::array<std::array<QLabel*, 6>, 4>& bytes,
                             QLabel* emptyRow, IndicatorListArea* area)
{
    if (!d.applies)
        return;
    for (const status::BitLabel& l : d.hidden)
        bytes[l.byte][l.bit]->hide();
    for (size_t row = 0; row < d.rows.size(); ++row) {
        QLabel* label = bytes[d.rows[row].byte][d.rows[row].bit];
        placeRow(label, int(row), false);
        label->show();
    }
    if (d.emptyRowShown()) {
        placeRow(emptyRow, 0, false);
        emptyRow->show();
    } else {
        emptyRow->hide();
    }
    area->fitContent();
}

void StatusPanels::SetAlarmStatus(const QString& field)
{
    if (p.unit.id.IsTwtaUnit)
        SetTWTAlarmStatus(field);
    else
        SetSSAAlarmStatus(field);
}

void StatusPanels::SetTWTAlarmStatus(const QString& field)
{
    applyList(status::DecodeAlarmField(field, panelUnit(p, true)), ui.alarmBytes(), ui.NoAlarms, ui.AlarmList);
}

void StatusPanels::SetSSAAlarmStatus(const QString& field)
{
    applyList(status::DecodeAlarmField(field, panelUnit(p, false)), ui.alarmBytes(), ui.NoAlarms, ui.AlarmList);
}

void StatusPanels::SetFaultStatus(const QString& field)
{
    if (p.unit.id.IsTwtaUnit)
        SetTWTAFaultStatus(field);
    else
        SetSSPAFaultStatus(field);
}

void StatusPanels::SetTWTAFaultStatus(const QString& field)
{
    applyFaults(status::DecodeFaultField(field, panelUnit(p, true)));
}

void StatusPanels::SetSSPAFaultStatus(const QString& field)
{
    applyFaults(status::DecodeFaultField(field, panelUnit(p, false)));
}

void StatusPanels::applyFaults(const status::FaultDecoding& d)
{
    applyList(d.list, ui.faultBytes(), ui.NoFaults, ui.FaultList);
    if (!d.refreshRfInhibit)
        return;
    const ConnectionWatch connection(p);
    {
        // The box follows the unit; its handler must not send the change back.
        FormUpdatingGuard hold(p.conn.FormUpdating);
        features_.UpdateRFIStatus();
    }
    // A window cleared while the read waited stays held, as the clearing left it, until
    // the next first read.
    if (connection.ended() && !p.conn.FirstReadDone)
        p.conn.FormUpdating = true;
}

QLabel* StatusPanels::summaryLabel(status::SummaryLabel label) const
{
    using status::SummaryLabel;
    switch (label) {
    case SummaryLabel::Label31:
        return ui.Label31;
    case SummaryLabel::Label32:
        return ui.Label32;
    case SummaryLabel::Label33:
        return ui.Label33;
    case SummaryLabel::Label34:
        return ui.Label34;
    case SummaryLabel::Label35:
        return ui.Label35;
    case SummaryLabel::Label36:
        return ui.Label36;
    case SummaryLabel::Label13:
        return ui.Label13;
    case SummaryLabel::lblSBUCWarmup:
        return ui.lblSBUCWarmup;
    case SummaryLabel::lbllcBucDrive:
        return ui.lbllcBucDrive;
    }
    return nullptr;
}

void StatusPanels::SetSummaryStatus(const QString& field)
{
    if (p.unit.id.IsTwtaUnit)
        SetTWTASummaryStatus(field);
    else
        SetSSPASummaryStatus(field);
}

void StatusPanels::SetTWTASummaryStatus(const QString& field)
{
    applySummary(status::DecodeSummaryField(field, true), field);
}

void StatusPanels::SetSSPASummaryStatus(const QString& field)
{
    applySummary(status::DecodeSummaryField(field, false), field);
}

void StatusPanels::applySummary(const status::SummaryDecoding& d, const QString& field)
{
    if (!d.applies)
        return;   // not a 4-character field: nothing changes
    // The check boxes and lists written here send nothing while the guard holds.
    FormUpdatingGuard hold(p.conn.FormUpdating);
    for (status::SummaryLabel l : d.hidden)
        summaryLabel(l)->hide();
    for (size_t row = 0; row < d.rows.size(); ++row) {
        QLabel* label = summaryLabel(d.rows[row].label);
        if (d.rows[row].caption) {
            label->setText(*d.rows[row].caption);
            FitTextToWidth(label);
        }
        placeRow(label, int(row), true);
        SetTextColour(label, d.rows[row].colour);
        label->show();
    }
    p.conn.RemoteMode = d.RemoteMode;
    if (d.chkPS)
        ui.chkPS->setChecked(*d.chkPS);
    ui.chkConstPwr->setChecked(d.chkConstPwr);
    SetAutoModeSumStatus(status::FieldByte(field, 2));
    if (d.cmbWgCfg)
        selectEntry(ui.cmbWgCfg, *d.cmbWgCfg);
}

void StatusPanels::SetAutoModeSumStatus(int byteC)
{
    const status::AutoModeDecoding d = status::DecodeAutoModeByte(byteC);
    FormUpdatingGuard hold(p.conn.FormUpdating);
    if (d.cmbWgSw2)
        selectEntry(ui.cmbWgSw2, *d.cmbWgSw2);
    ui.chkAutoMode->setChecked(d.chkAutoMode);
    if (d.cmbWgSw1)
        selectEntry(ui.cmbWgSw1, *d.cmbWgSw1);
}

void StatusPanels::ClearSummaryStatus()
{
    for (int i = 0; i < status::SummaryLabelCount; ++i)
        summaryLabel(status::SummaryLabel(i))->hide();
}

void StatusPanels::ClearFaultStatus()
{
    ui.NoFaults->hide();
    hideAll(ui.faultBytes());
    ui.NoAlarms->hide();
    hideAll(ui.alarmBytes());
    ui.FaultList->fitContent();
    ui.AlarmList->fitContent();
}
