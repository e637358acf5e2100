// The window layout per unit family: frames, captions and feature menus after the unit
// has been identified, the cathode-current display and the constant-power inputs.
#include "commands/CathodeQueries.h"
#include "commands/ConfigProductQueries.h"
#include "commands/IndexedQueries.h"
#include "commands/LimitMaskQueries.h"
#include "commands/NetworkQueries.h"
#include "commands/PolledQueries.h"
#include "commands/ProjectSpecific.h"
#include "commands/TemperatureQueries.h"
#include "commands/CommandContext.h"
#include "platform/Clock.h"
#include "platform/Conventions.h"
#include "status/FamilyLayout.h"
#include "ui/FitText.h"
#include "ui/FrameArrangements.h"
#include "ui/UpDown.h"
#include "status/WindowLayout.h"
#include "ui/frmMainUi.h"
#include "status/StatusPanels.h"
#include "status/Readings.h"
#include "status/EntryBoxState.h"
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using layout::MenuChange;

namespace {
const QString Caption = QStringLiteral("Tubamon Utility");

void apply(QAction* menu, MenuChange change)
{
    if (change != MenuChange::Leave)
        menu->setVisible(change == MenuChange::Show);
}

void apply(QAction* menu, const layout::MenuDecision& d)
{
    apply(menu, d.visibility);
    if (d.checked)
        menu->setChecked(*d.checked);
}

void letEventsRun(CommandContext& p) { p.platform.clock.processEvents(); }
}   // namespace

WindowLayout::WindowLayout(CommandContext& p, const frmMainUi& controls, StatusPanels& panels, Readings& readings,
                           EntryBoxState& entryState, QWidget& window)
    : p(p), panels_(panels), readings_(readings), entryState_(entryState),
      window_(window), ui{.Label31 = controls.Label31,
                          .Label2 = controls.Label2,
                          .txtAtnCnt = controls.txtAtnCnt,
                          .UpDown2 = controls.UpDown2,
                          .chkConstPwr = controls.chkConstPwr,
                          .txtConstLvl = controls.txtConstLvl,
                          .Frame27 = controls.Frame27,
                          .chkPS = controls.chkPS,
                          .Frame30 = controls.Frame30,
                          .Label85 = controls.Label85,
                          .Label86 = controls.Label86,
                          .Label88 = controls.Label88,
                          .Label90 = controls.Label90,
                          .Label9 = controls.Label9,
                          .txtHelix2I = controls.txtHelix2I,
                          .Label10 = controls.Label10,
                          .Label18 = controls.Label18,
                          .txtAnodeV = controls.txtAnodeV,
                          .Label37 = controls.Label37,
                          .Label38 = controls.Label38,
                          .txtCathI = controls.txtCathI,
                          .Label39 = controls.Label39,
                          .Frame14 = controls.Frame14,
                          .lblTWTSrvc = controls.lblTWTSrvc,
                          .lblTWTLife = controls.lblTWTLife,
                          .Label19 = controls.Label19,
                          .Label20 = controls.Label20,
                          .txtFrmRev = controls.txtFrmRev,
                          .txtCplDate = controls.txtCplDate,
                          .txtPN = controls.txtPN,
                          .txtSN = controls.txtSN,
                          .mnuFullFaultLog = controls.mnuFullFaultLog,
                          .mnuPLog = controls.mnuPLog,
                          .mnuCalFactor = controls.mnuCalFactor,
                          .mnuAmpCom = controls.mnuAmpCom,
                          .mnuReturnLoss = controls.mnuReturnLoss,
                          .mnuISense = controls.mnuISense,
                          .mnuHeaterState = controls.mnuHeaterState,
                          .mnuHtrStby = controls.mnuHtrStby,
                          .mnuRfiInvert = controls.mnuRfiInvert,
                          .mnuAutoHVDisable = controls.mnuAutoHVDisable}
{
}

void WindowLayout::InitDisplay()
{
    showIdentityBoxes();
    if (p.unit.id.IsTwtaUnit)
        InitDisplayForTWTAUnit();
    else
        InitDisplayForSSPAUnit();

    ui.mnuCalFactor->setVisible(!SsaCmds::ReadCalFactorText(p).isEmpty());
    if (layout::FirmwareDateAfterCutoff(p.unit.id.boxes.txtCplDate))
        apply(ui.mnuAutoHVDisable, layout::AutoHVDisableMenu(SsaCmds::ReadAutoHVDisable(p)));
    // Shown, enabled and ticked by the unit's own polarity, so that a saved configuration
    // carries the polarity the unit has.
    const auto rfiInvert = layout::RfiInvertMenu(SsaCmds::ReadRfiInvert(p));
    apply(ui.mnuRfiInvert, rfiInvert);
    ui.mnuRfiInvert->setEnabled(rfiInvert.visibility == MenuChange::Show);
    ui.mnuReturnLoss->setVisible(p.unit.config.ReturnLossLevel >= 0.0f);

    const QString cfgPartNo = SsaCmds::ReadModelCfgPartNumber(p);
    p.unit.id.ModelCfgPartNo = cfgPartNo.isEmpty() ? QStringLiteral("NOT SET") : cfgPartNo;

    UnitFeatures& f = p.unit.features;
    const qint16 xmitRestore = SsaCmds::ReadAutoHVDisable(p);
    f.HasXmitRestore = xmitRestore >= 0;
    f.XmitRestoreDisabled = xmitRestore == 0;
    f.FanControlTemp = SsaCmds::ReadFanControlTemperature(p);
    f.HasFanControlTemp = f.FanControlTemp >= 0;

    if (p.unit.id.LldpFirmware)
        InitDLAtten();
    panels_.InitFaultNames();
    panels_.InitAlarmNames();
}

void WindowLayout::showIdentityBoxes()
{
    const IdentityBoxTexts& b = p.unit.id.boxes;
    const std::pair<QLineEdit*, const QString*> boxes[] = {
        {ui.txtPN, &b.txtPN}, {ui.txtSN, &b.txtSN}, {ui.txtFrmRev, &b.txtFrmRev}, {ui.txtCplDate, &b.txtCplDate}};
    for (const auto& [box, text] : boxes) {
        if (!text->isEmpty())
            box->setText(*text);
    }
}

void WindowLayout::InitDisplayForTWTAUnit()
{
    const qint32 model = p.unit.id.UnitModelCode;
    UnitFeatures& f = p.unit.features;
    ui.Label19->setText(QStringLiteral("Htr:"));
    ui.Label20->setText(QStringLiteral("Beam:"));
    ui.Label31->setText(QStringLiteral("HV On"));
    ui.Frame30->show();
    ui.Frame14->hide();
    ui.mnuISense->setVisible(false);   // the current-sense frame's menu goes with the frame
    ui.Frame27->show();                // the RF band frame, which some solid-state models hide
    letEventsRun(p);

    p.display.DualHelixDisplay = layout::HasDualHelixDisplay(model, p.unit.id.ExtRefTwtaModel);
    ui.mnuAmpCom->setVisible(layout::SerialComMenuShown(model));

    p.display.CathodeDisplayModel = HasCathodeCurrentDisplay(p);
    f.HasParamLog = !p.display.CathodeDisplayModel && SsaCmds::ReadUseParamLog(p) == 1;

    const auto faultLog =
        layout::FullFaultLogFor(model, layout::FirmwareDateAfterCutoff(p.unit.id.boxes.txtCplDate), f.HasParamLog);
    f.FullFaultLogSize = faultLog.size;
    apply(ui.mnuFullFaultLog, faultLog.menu);

    InitCathodeCurrentDisplay();
    ui.mnuPLog->setVisible(f.HasParamLog);

    InitTWTEOLParameters();
    if (f.TwtLifeAvailable) {
        ui.lblTWTLife->setText(f.TwtLifeText);
        FitTextToWidth(ui.lblTWTLife);
        ui.lblTWTSrvc->show();
        ui.lblTWTLife->show();
    }

    const auto standby = layout::HeaterMenu(SsaCmds::ReadHeaterStandby(p));
    apply(ui.mnuHtrStby, standby);
    if (standby.visibility == MenuChange::Show)
        ui.mnuHtrStby->setEnabled(true);
    apply(ui.mnuHeaterState, layout::HeaterMenu(SsaCmds::ReadHeaterState(p)));

    f.HelixCurrentRatio = SsaCmds::ReadHelixCurrentRatio(p);
    f.HelixCurrentTripLevel = SsaCmds::ReadHelixCurrentTripLevel(p);

    InitHelixHeaterFrame();
    readings_.SetupFrame20();
    letEventsRun(p);
    window_.setWindowTitle(Caption + QStringLiteral(" - TWTA"));
}

void WindowLayout::InitTWTEOLParameters()
{
    UnitFeatures& f = p.unit.features;
    if (SsaCmds::ReadTWTEOLParams(p)) {
        f.TwtLifeText = layout::TwtLifeCaption(SsaCmds::ReadTWTLifeText(p));
        f.TwtLifeAvailable = true;
    } else {
        f.TwtLifeText.clear();
        f.TwtLifeAvailable = false;
    }
}

void WindowLayout::InitDisplayForSSPAUnit()
{
    ui.Label19->setText(QStringLiteral("PS:"));
    ui.Label20->setText(QStringLiteral("Xmtr:"));
    ui.Label31->setText(QStringLiteral("Tx On"));
    ui.Frame30->hide();
    resetTubeOnlyState();

    readings_.SetupFrame14();
    readings_.SetupFrame20();
    ui.Frame27->setVisible(layout::RfBandFrameShown(p.unit.id.UnitModelCode));
    if (p.unit.id.LldpFirmware) {
        ui.Label2->setText(QStringLiteral("FBDC"));
        ui.Label2->show();
        ui.txtAtnCnt->show();
        ui.UpDown2->show();
    }
    p.unit.features.HasParamLog = SsaCmds::ReadUseParamLog(p) == 1;
    ui.mnuPLog->setVisible(p.unit.features.HasParamLog);

    letEventsRun(p);
    window_.setWindowTitle(Caption + QStringLiteral(" - SSPA"));
}

// What only the tube layout sets goes back to its default, so a solid-state unit never
// inherits the flags and menus of a tube unit connected before it.
void WindowLayout::resetTubeOnlyState()
{
    p.display.CathodeDisplayModel = false;
    p.display.DualHelixDisplay = false;
    p.unit.cathode = {};
    UnitFeatures& f = p.unit.features;
    f.HelixCurrentRatio = -1;
    f.HelixCurrentTripLevel.clear();
    f.FullFaultLogSize = 100;
    f.TwtLifeAvailable = false;
    f.TwtLifeText.clear();
    ui.mnuHeaterState->setVisible(false);
    ui.mnuFullFaultLog->setVisible(false);
}

void WindowLayout::InitHelixHeaterFrame()
{
    const auto c = layout::HelixHeaterCaptionsFor(p.unit.config.DualTwtaUnit, p.display.DualHelixDisplay);
    ui.Label85->setText(c.Label85);
    ui.Label86->setText(c.Label86);
    ui.Label88->setText(c.Label88);
    ui.Label90->setText(c.Label90);
    if (c.Label9)
        ui.Label9->setText(*c.Label9);
    if (c.Label10)
        ui.Label10->setText(*c.Label10);
    // The second row's caption, box and unit go together: a unit shown alone reads as a value.
    ui.Label9->setVisible(c.secondRowShown);
    ui.txtHelix2I->setVisible(c.secondRowShown);
    ui.Label10->setVisible(c.secondRowShown);
    ui.Frame30->show();
}

void WindowLayout::SetupHelixHeaterForNewDualTWT(bool dualTwt)
{
    // Only the single-tube arrangement exists; the window never asks for another.
    if (dualTwt)
        return;
    // Positions and captions ("Hlx V:", "Hlx I:", "Hlx2 I:" and the rest) of the standard arrangement.
    arrangement::Apply(ui.Frame30, arrangement::HelixHeaterFrame);
}

void WindowLayout::InitCathodeCurrentDisplay()
{
    CathodeSettings& c = p.unit.cathode;
    c.NegativeAnodeEnabled = SsaCmds::ReadNegativeAnodeEnable(p);
    c.NegAnodeStartVoltage = c.NegativeAnodeEnabled ? SsaCmds::ReadNegAnodeStartVoltage(p) : qint16(0);
    c.AnodeVoltage = layout::AnodeVoltageKept(SsaCmds::ReadAnodeVoltage(p), c.NegativeAnodeEnabled);
    c.AnodeVoltageScale = SsaCmds::ReadAnodeVoltageScale(p);
    const qint16 mode = SsaCmds::ReadCathodeCurrentMonitoring(p);
    if (!HasCathodeCurrentDisplay(p) && mode >= 0)
        p.unit.features.HasParamLog = true;

    const auto display = layout::CathodeModeFor(mode);
    c.CathodeCurrentEnabled = display.enabled;
    c.CathodeCurrentMonitor = display.monitor;
    if (!display.displayShown()) {
        DisableCathodeCurrentDisplay();
        return;
    }
    EnableCathodeCurrentDisplay();
    c.CathodeCurrentScalar = layout::LimitCathodeScalar(SsaCmds::ReadCathodeCurrentScalar(p));
    const qint16 ideal = SsaCmds::ReadIdealCathodeCurrent(p);
    if (ideal >= 0)
        c.IdealCathodeCurrent = ideal;
}

void WindowLayout::EnableCathodeCurrentDisplay()
{
    for (QWidget* w : cathodeCurrentItems())
        w->show();
    ui.txtAnodeV->clear();
    ui.txtCathI->clear();
}

void WindowLayout::DisableCathodeCurrentDisplay()
{
    for (QWidget* w : cathodeCurrentItems())
        w->hide();
}

std::array<QWidget*, 6> WindowLayout::cathodeCurrentItems() const
{
    return {ui.Label18, ui.txtAnodeV, ui.Label37, ui.Label38, ui.txtCathI, ui.Label39};
}

void WindowLayout::InitDLAtten()
{
    if (!p.unit.id.LldpFirmware)
        return;
    const QString count = SsaCmds::ReadDLAtnCountText(p);
    if (!count.isEmpty())
        entryState_.FillEntryBox(ui.txtAtnCnt, conv::TrimBlanks(count));
}

void WindowLayout::DisableConstPwrInput()
{
    ui.chkConstPwr->setEnabled(false);
    ui.txtConstLvl->setEnabled(false);
}

void WindowLayout::EnableConstPwrInput()
{
    ui.chkConstPwr->setEnabled(true);
    ui.txtConstLvl->setEnabled(true);
}

bool WindowLayout::IsTxOn() const { return ui.chkPS->checkState() == Qt::Checked; }
