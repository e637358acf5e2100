// The main window's entry boxes: the keys each takes, what Enter and leaving the box send,
// and the trip rows' editing flags that keep the poll's read-back off a row being edited.
#include "commands/CommandContext.h"
#include "settings/EntryBoxes.h"
#include "ui/frmMainUi.h"
#include "settings/LevelSetters.h"
#include "settings/UnitClock.h"
#include "status/EntryBoxState.h"
#include "commands/RemoteMessage.h"
#include "link/DeferredActions.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "ui/EntryBoxEvents.h"
#include "ui/UpDown.h"
#include "ui/EntryKeys.h"
#include "settings/LevelEntry.h"
#include "ui/FormUpdatingGuard.h"
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

void parameterRangeBox(CommandContext& p, const QString& text = QStringLiteral("Value out of range."))
{
    p.platform.prompts.message(text, QStringLiteral("Parameter Range Error"), PromptIcon::Exclamation);
}

// Sends a parameter box's command when its entry is one; Enter also tells a value out of range.
levels::ParamEntry::Kind sendParameter(CommandContext& p, levels::ParamBox box, const QString& text, bool rangeBox)
{
    const levels::ParamEntry e = levels::ParamCommand(box, text);
    if (e.kind == levels::ParamEntry::OutOfRange && rangeBox)
        parameterRangeBox(p);
    if (e.kind == levels::ParamEntry::Send)
        SendUnitCommand(p, e.command, false);
    return e.kind;
}

}   // namespace

EntryBoxes::EntryBoxes(CommandContext& p, const frmMainUi& controls, QWidget& window, LevelSetters& levels,
                       UnitClock& unitClock, EntryBoxState& entryState)
    : p(p), window_(window), levels_(levels), unitClock_(unitClock),
      entryState_(entryState), ui{.txtFdBm = controls.txtFdBm,
                                  .txtFCnt = controls.txtFCnt,
                                  .txtRdBm = controls.txtRdBm,
                                  .txtRCnt = controls.txtRCnt,
                                  .txtAtnDB = controls.txtAtnDB,
                                  .txtAtnCnt = controls.txtAtnCnt,
                                  .txtTemp = controls.txtTemp,
                                  .chkConstPwr = controls.chkConstPwr,
                                  .txtConstLvl = controls.txtConstLvl,
                                  .cmbFhiTripType = controls.cmbFhiTripType,
                                  .txtFhiLvl = controls.txtFhiLvl,
                                  .cmbFloTripType = controls.cmbFloTripType,
                                  .txtFloLvl = controls.txtFloLvl,
                                  .cmbRhiTripType = controls.cmbRhiTripType,
                                  .txtRhiLvl = controls.txtRhiLvl,
                                  .txtHelixV = controls.txtHelixV,
                                  .txtHelixI = controls.txtHelixI,
                                  .txtHeaterV = controls.txtHeaterV,
                                  .txtHelix2I = controls.txtHelix2I,
                                  .txtAnodeV = controls.txtAnodeV,
                                  .txtCathI = controls.txtCathI,
                                  .txtCS1 = controls.txtCS1,
                                  .txtCS3 = controls.txtCS3,
                                  .txtCS2 = controls.txtCS2,
                                  .txtCS4 = controls.txtCS4,
                                  .txtPSHours = controls.txtPSHours,
                                  .txtXmtHours = controls.txtXmtHours,
                                  .txtLinAmp = controls.txtLinAmp,
                                  .txtLinPhase = controls.txtLinPhase,
                                  .txtFrmRev = controls.txtFrmRev,
                                  .txtCplDate = controls.txtCplDate,
                                  .txtPN = controls.txtPN,
                                  .txtSN = controls.txtSN,
                                  .txtDateTime = controls.txtDateTime,
                                  .txtAdr = controls.txtAdr}
{
}

void EntryBoxes::actOnEntry(QLineEdit* box, std::function<void()> action)
{
    // Kept for later, the entry is sent as the operator left it, not as a poll wrote it since.
    WhenLinkFree(p, window_, [box, text = box->text(), action = std::move(action)] {
        if (box->text() != text)
            box->setText(text);
        action();
    });
}

EntryBoxes::EntryBox EntryBoxes::tripRow(QLineEdit* level, QComboBox* type, bool& editing, bool (LevelSetters::*send)())
{
    auto sendTrip = [this, send] { return (levels_.*send)(); };
    return {.box = level,
            .keys = [] { return entry::Keys::Decimal; },
            .remoteGuard = true,
            .enter = [sendTrip](const QString& text) { return text.isEmpty() || sendTrip(); },
            .leave = nullptr,   // a trip row's level is sent by Enter only
            .tripEditing = &editing,
            .tripType = type,
            .sendTrip = sendTrip};
}

EntryBoxes::EntryBox EntryBoxes::parameterRow(QLineEdit* box, levels::ParamBox param)
{
    return {.box = box,
            .keys = [] { return entry::Keys::Digits; },
            .remoteGuard = true,
            .enter =
                [this, param](const QString& text) {
                    return sendParameter(p, param, text, true) != levels::ParamEntry::OutOfRange;
                },
            .leave = [this, param](const QString& text) { sendParameter(p, param, text, false); }};
}

EntryBoxes::EntryBox EntryBoxes::atnCountRow()
{
    // The downlink attenuation box is the LLDP-capable family's only.
    const auto lldp = [this] { return p.unit.id.LldpFirmware; };
    return {.box = ui.txtAtnCnt,
            .keys = [lldp] { return lldp() ? entry::Keys::Decimal : entry::Keys::None; },
            .remoteGuard = true,
            .enter =
                [this, lldp](const QString& text) {
                    if (!lldp())
                        return true;
                    const auto sent = sendParameter(p, levels::ParamBox::AtnCnt, text, true);
                    if (sent == levels::ParamEntry::Send)
                        ui.txtAtnCnt->setText(conv::FormatNumber(conv::Val(text), QStringLiteral("#0.0")));
                    return sent != levels::ParamEntry::OutOfRange;
                },
            .leave =
                [this, lldp](const QString& text) {
                    if (lldp())
                        sendParameter(p, levels::ParamBox::AtnCnt, text, false);
                }};
}

EntryBoxes::EntryBox EntryBoxes::addressRow()
{
    return {.box = ui.txtAdr,
            .keys = [] { return entry::Keys::Letters; },
            .remoteGuard = false,
            .enter =
                [this](const QString&) {
                    unitClock_.SetUnitAddress();
                    return true;
                },
            .leave =
                [this](const QString& text) {
                    // Only a letter the operator changed: the same letter typed again must not
                    // rewrite the unit's RS-485 record.
                    if (text != unitClock_.adrLetter)
                        unitClock_.SetUnitAddress();
                },
            // An emptied box, or one left unsent, shows the letter the link uses again.
            .afterLeave = [this] { unitClock_.ShowLinkAddress(); }};
}

void EntryBoxes::buildEntryBoxes()
{
    const auto fixed = [](entry::Keys k) { return [k] { return k; }; };
    // The hour meters send on Enter only, the same command from either box.
    const auto hoursRow = [this, fixed](QLineEdit* box) {
        return EntryBox{
            .box = box, .keys = fixed(entry::Keys::Digits), .remoteGuard = true, .enter = [this](const QString&) {
                const QString ps = ui.txtPSHours->text(), xmt = ui.txtXmtHours->text();
                const auto command = levels::HoursCommand(ps, xmt);
                if (command)
                    SendUnitCommand(p, *command, false);
                else
                    parameterRangeBox(p, levels::HoursRefusalText(ps, xmt));
                return command.has_value();
            }};
    };
    entryBoxes_ = {
        {.box = ui.txtAtnDB,
         .keys = fixed(entry::Keys::Decimal),
         .remoteGuard = true,
         .enter =
             [this](const QString&) {
                 levels_.SetAtndB();
                 return true;
             },
         .leave = [this](const QString&) { levels_.SetAtndB(); }},
        {.box = ui.txtConstLvl,
         .keys = fixed(entry::Keys::Decimal),
         .remoteGuard = true,
         .enter =
             [this](const QString& text) { return text.isEmpty() || levels_.SetConstPwr(levels::LevelValue(text)); },
         .leave =
             [this](const QString& text) {
                 if (!text.isEmpty() && ui.chkConstPwr->isChecked())
                     levels_.SetConstPwr(levels::LevelValue(text));
             }},
        tripRow(ui.txtFhiLvl, ui.cmbFhiTripType, entryState_.FhiTripEditing, &LevelSetters::SetFwdHiTrip),
        tripRow(ui.txtFloLvl, ui.cmbFloTripType, entryState_.FloTripEditing, &LevelSetters::SetFwdLoTrip),
        tripRow(ui.txtRhiLvl, ui.cmbRhiTripType, entryState_.RhiTripEditing, &LevelSetters::SetRevHiTrip),
        parameterRow(ui.txtLinAmp, levels::ParamBox::LinAmp),
        parameterRow(ui.txtLinPhase, levels::ParamBox::LinPhase),
        atnCountRow(),
        hoursRow(ui.txtPSHours),
        hoursRow(ui.txtXmtHours),
        addressRow(),
    };
}

void EntryBoxes::connectEntryBoxes()
{
    buildEntryBoxes();
    // The focus coming into a trip row holds the row off the poll; not the focus coming back
    // from a popup, a message box or another window: an edit that ended there stays ended.
    const auto rowEntered = [](const EntryBox& row) {
        return [&row](Qt::FocusReason reason) {
            if (row.tripEditing && entry::LeavesBox(reason))
                *row.tripEditing = true;
        };
    };
    for (const EntryBox& row : entryBoxes_) {
        entryState_.edits.track(row.box);
        EntryBoxEvents::install(row.box, {
                                             [this, &row](QKeyEvent& key) { return entryKeyDiscarded(row, key); },
                                             rowEntered(row),
                                             [this, &row](Qt::FocusReason reason) { entryBoxLeft(row, reason); },
                                         });
    }
    for (const EntryBox& row : entryBoxes_) {
        if (QComboBox* list = row.tripType) {
            EntryBoxEvents::install(list, {
                                              nullptr,
                                              rowEntered(row),
                                              [&row, list](Qt::FocusReason reason) {
                                                  if (entry::LeavesBox(reason) && list->isEnabled())
                                                      *row.tripEditing = false;
                                              },
                                          });
            QObject::connect(list, &QComboBox::activated, &window_, [this, &row] { tripTypeChosen(row); });
        }
    }
    // Boxes that only show what the unit reports take no typing and no paste.
    for (QLineEdit* box :
         {ui.txtAnodeV,   ui.txtCathI, ui.txtCplDate, ui.txtCS1,    ui.txtCS2,     ui.txtCS3,    ui.txtCS4,
          ui.txtDateTime, ui.txtFCnt,  ui.txtFdBm,    ui.txtFrmRev, ui.txtHeaterV, ui.txtHelixI, ui.txtHelixV,
          ui.txtHelix2I,  ui.txtPN,    ui.txtRCnt,    ui.txtRdBm,   ui.txtSN,      ui.txtTemp})
        box->setReadOnly(true);
}

bool EntryBoxes::entryKeyDiscarded(const EntryBox& row, QKeyEvent& key)
{
    if (key.key() == Qt::Key_Escape) {
        entryState_.edits.cancel(row.box);   // the unit's value again, and the poll fills the box once more
        followUnit(row);
        return true;
    }
    const std::optional<QChar> typed = entry::TypedChar(key);
    // Delete and the other editing keys work as in any box, in local mode too.
    return typed && typedKeyDiscarded(row, *typed);
}

bool EntryBoxes::typedKeyDiscarded(const EntryBox& row, QChar typed)
{
    QLineEdit* box = row.box;
    if (typed == QLatin1Char('\r'))
        entryState_.edits.end(box);   // Enter sends the box, whether typed into or not
    if (row.remoteGuard && !p.conn.RemoteMode) {
        ShowNotInRemoteMsg(p.platform.prompts);
        // The key still goes into the box, but as no edit: the poll fills the box again and
        // leaving it sends nothing.
        followUnit(row);
        entryState_.edits.refuseKey(box);
        return false;
    }
    const auto edited = [this, &row] {
        entryState_.edits.takeKey(row.box);
        if (row.tripEditing)
            *row.tripEditing = true;
    };
    switch (entry::FilterKey(row.keys(), typed)) {
    case entry::KeyAction::Pass:
        edited();
        return false;
    case entry::KeyAction::Discard:
        return true;
    case entry::KeyAction::Upper:
        edited();
        box->insert(typed.toUpper());
        return true;
    case entry::KeyAction::Enter:
        // The unit has what the program wrote; sent again from a rounded display, it would move.
        if (!entryState_.edits.unchanged(box))
            actOnEntry(box, [this, &row] { entryBoxEnter(row); });
        return true;
    }
    return true;
}

void EntryBoxes::entryBoxLeft(const EntryBox& row, Qt::FocusReason reason)
{
    // A box disabled, hidden or cleared under the focus was not left by the operator.
    if (!entry::LeavesBox(reason) || !row.box->isEnabled() || !row.box->isVisibleTo(&window_))
        return;
    // Only an edit is sent: not a box the focus passed through, nor one after Enter, Esc or a
    // refusal.
    const bool edited = entryState_.edits.end(row.box);
    if (row.tripEditing) {
        *row.tripEditing = false;
        return;
    }
    if (!edited || p.conn.FormUpdating || !row.leave)
        return;
    actOnEntry(row.box, [this, &row] {
        if (p.conn.RemoteMode)
            row.leave(row.box->text());
        if (row.afterLeave)
            row.afterLeave();
    });
}

void EntryBoxes::entryBoxEnter(const EntryBox& row)
{
    // Enter ends a trip row's edit too, whatever the unit makes of the level: its read-back
    // and every read after it show the unit's level, with the focus still in the row.
    if (row.tripEditing)
        *row.tripEditing = false;
    if (!row.enter(row.box->text()))
        followUnit(row);
}

void EntryBoxes::followUnit(const EntryBox& row)
{
    entryState_.edits.end(row.box);
    if (row.tripEditing)
        *row.tripEditing = false;
}

void EntryBoxes::tripTypeChosen(const EntryBox& row)
{
    if (p.conn.FormUpdating)
        return;
    QComboBox* list = row.tripType;
    WhenLinkFree(p, window_, [this, &row, list, chosen = list->currentIndex()] {
        if (list->currentIndex() != chosen) {
            FormUpdatingGuard hold(p.conn.FormUpdating);
            list->setCurrentIndex(chosen);
        }
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            followUnit(row);   // the unit's type again at the next read-back
            return;
        }
        // The choice ends the row's edit as Enter does: the row shows what the unit then has.
        followUnit(row);
        row.sendTrip();
    });
}

void EntryBoxes::UpDown1_UpClick() { stepSpinControl(1, true); }

void EntryBoxes::UpDown1_DownClick() { stepSpinControl(1, false); }

void EntryBoxes::UpDown2_UpClick() { stepSpinControl(2, true); }

void EntryBoxes::UpDown2_DownClick() { stepSpinControl(2, false); }

void EntryBoxes::UpDown3_UpClick() { stepSpinControl(3, true); }

void EntryBoxes::UpDown3_DownClick() { stepSpinControl(3, false); }

void EntryBoxes::UpDown4_UpClick() { stepSpinControl(4, true); }

void EntryBoxes::UpDown4_DownClick() { stepSpinControl(4, false); }

void EntryBoxes::stepSpinControl(int control, bool up)
{
    // The downlink attenuation exists on the LLDP-capable family only: elsewhere the
    // arrows do nothing, not even the remote box.
    if (control == 2 && !p.unit.id.LldpFirmware)
        return;
    WhenLinkFree(p, window_, [this, control, up] {
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            return;
        }
        switch (control) {
        case 1:
            if (ui.chkConstPwr->isChecked()) {
                levels_.SetConstPwr(levels::ConstPowerStep(ui.txtConstLvl->text(), up));
            } else if (const auto text =
                           levels::AttenuationStep(ui.txtAtnDB->text(), up, p.unit.config.MaxAttenuation)) {
                ui.txtAtnDB->setText(*text);
                levels_.SetAtndB();
            }
            break;
        case 2:
            if (const auto text = levels::DownlinkStep(ui.txtAtnCnt->text(), up)) {
                ui.txtAtnCnt->setText(*text);
                SendUnitCommand(p, QStringLiteral("P/") + *text, false);
            }
            break;
        default: {
            QLineEdit* box = control == 3 ? ui.txtLinAmp : ui.txtLinPhase;
            if (const auto text = levels::LinearizerStep(box->text(), up)) {
                box->setText(*text);
                SendUnitCommand(p, (control == 3 ? QStringLiteral("PZ") : QStringLiteral("Pz")) + *text, false);
            }
            break;
        }
        }
    });
}
