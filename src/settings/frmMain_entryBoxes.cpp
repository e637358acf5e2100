// The main window's entry boxes: the keys each takes, what Enter and leaving the box send,
// and the trip rows' editing flags that keep the poll's read-back off a row being edited.
#include "app/Program.h"
#include "app/frmMain.h"
#include "commands/RemoteMessage.h"
#include "link/DeferredActions.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "ui/EntryBoxEvents.h"
#include "ui/EntryKeys.h"
#include "settings/LevelEntry.h"
#include "ui/FormUpdatingGuard.h"
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

void parameterRangeBox(Program& p)
{
    p.platform.prompts.message(QStringLiteral("Value out of range."), QStringLiteral("Parameter Range Error"),
                               PromptIcon::Exclamation);
}

// Sends a parameter box's command when its entry is one; Enter also tells a value out of range.
bool sendParameter(Program& p, levels::ParamBox box, const QString& text, bool rangeBox)
{
    const levels::ParamEntry e = levels::ParamCommand(box, text);
    if (e.kind == levels::ParamEntry::OutOfRange && rangeBox)
        parameterRangeBox(p);
    if (e.kind != levels::ParamEntry::Send)
        return false;
    SendUnitCommand(p, e.command, false);
    return true;
}

}   // namespace

void frmMain::whenLinkFree(std::function<void()> action)
{
    // The window may be gone by the time a kept action runs.
    RunWhenLinkFree(p, [self = QPointer<frmMain>(this), action = std::move(action)] {
        if (self)
            action();
    });
}

void frmMain::actOnEntry(QLineEdit* box, std::function<void()> action)
{
    // Kept for later, the entry is sent as the operator left it, not as a poll wrote it since.
    whenLinkFree([box, text = box->text(), action = std::move(action)] {
        if (box->text() != text)
            box->setText(text);
        action();
    });
}

void frmMain::ClearEntryFlags()
{
    EnterHandled = {};
    FhiTripEditing = FloTripEditing = RhiTripEditing = false;
    entryEdits_.endAll();
}

bool frmMain::FillEntryBox(QLineEdit* box, const QString& text) { return entryEdits_.fill(box, text); }

bool frmMain::FillPowerBox(QLineEdit* box, const QString& text, float dBm)
{
    if (entryEdits_.editing(box))
        return false;
    WritePowerBox(box, text, dBm);
    return true;
}

frmMain::EntryBox frmMain::tripRow(QLineEdit* level, QComboBox* type, bool& editing, void (frmMain::*send)())
{
    auto sendTrip = [this, send] { (this->*send)(); };
    return {level,
            [] { return entry::Keys::Decimal; },
            true,
            nullptr,
            [sendTrip](const QString& text) {
                if (!text.isEmpty())
                    sendTrip();
                return false;
            },
            nullptr,   // a trip row's level is sent by Enter only
            &editing,
            type,
            sendTrip};
}

frmMain::EntryBox frmMain::parameterRow(QLineEdit* box, levels::ParamBox param, bool& enterFlag)
{
    return {box,
            [] { return entry::Keys::Digits; },
            true,
            &enterFlag,
            [this, param](const QString& text) { return sendParameter(p, param, text, true); },
            [this, param](const QString& text) { sendParameter(p, param, text, false); }};
}

frmMain::EntryBox frmMain::atnCountRow()
{
    // The downlink attenuation box is the LLDP-capable family's only.
    const auto lldp = [this] { return p.unit.id.LldpFirmware; };
    return {ui.txtAtnCnt,
            [lldp] { return lldp() ? entry::Keys::Decimal : entry::Keys::None; },
            true,
            &EnterHandled.txtAtnCnt,
            [this, lldp](const QString& text) {
                if (!lldp() || !sendParameter(p, levels::ParamBox::AtnCnt, text, true))
                    return false;
                ui.txtAtnCnt->setText(conv::FormatNumber(conv::Val(text), QStringLiteral("#0.0")));
                return true;
            },
            [this, lldp](const QString& text) {
                if (lldp())
                    sendParameter(p, levels::ParamBox::AtnCnt, text, false);
            }};
}

frmMain::EntryBox frmMain::addressRow()
{
    return {ui.txtAdr,
            [] { return entry::Keys::Letters; },
            false,
            &EnterHandled.txtAdr,
            [this](const QString&) {
                SetUnitAddress();   // sets the box's Enter flag itself
                return false;
            },
            [this](const QString& text) {
                // Only a letter the operator changed: passing through the box must not rewrite
                // the unit's RS-485 record nor move the link's address.
                if (text != adrLetter_) {
                    SetUnitAddress();
                    EnterHandled.txtAdr = false;
                }
            }};
}

void frmMain::buildEntryBoxes()
{
    const auto fixed = [](entry::Keys k) { return [k] { return k; }; };
    const auto hours = [this](const QString&) {
        if (const auto command = levels::HoursCommand(ui.txtPSHours->text(), ui.txtXmtHours->text()))
            SendUnitCommand(p, *command, false);
        else
            parameterRangeBox(p);
        return false;
    };
    entryBoxes_ = {
        {ui.txtAtnDB, fixed(entry::Keys::Decimal), true, &EnterHandled.txtAtnDB,
         [this](const QString&) {
             SetAtndB();
             return true;
         },
         [this](const QString&) { SetAtndB(); }},
        {ui.txtConstLvl, fixed(entry::Keys::Decimal), true, &EnterHandled.txtConstLvl,
         [this](const QString& text) {
             if (!text.isEmpty())
                 SetConstPwr(levels::LevelValue(text));
             return !text.isEmpty();
         },
         [this](const QString& text) {
             if (!text.isEmpty() && ui.chkConstPwr->isChecked())
                 SetConstPwr(levels::LevelValue(text));
         }},
        tripRow(ui.txtFhiLvl, ui.cmbFhiTripType, FhiTripEditing, &frmMain::SetFwdHiTrip),
        tripRow(ui.txtFloLvl, ui.cmbFloTripType, FloTripEditing, &frmMain::SetFwdLoTrip),
        tripRow(ui.txtRhiLvl, ui.cmbRhiTripType, RhiTripEditing, &frmMain::SetRevHiTrip),
        parameterRow(ui.txtLinAmp, levels::ParamBox::LinAmp, EnterHandled.txtLinAmp),
        parameterRow(ui.txtLinPhase, levels::ParamBox::LinPhase, EnterHandled.txtLinPhase),
        atnCountRow(),
        // The hour meters send on Enter only.
        {ui.txtPSHours, fixed(entry::Keys::Digits), true, nullptr, hours, nullptr},
        {ui.txtXmtHours, fixed(entry::Keys::Digits), true, nullptr, hours, nullptr},
        addressRow(),
    };
}

void frmMain::connectEntryBoxes()
{
    buildEntryBoxes();
    for (const EntryBox& row : entryBoxes_) {
        entryEdits_.track(row.box);
        EntryBoxEvents::install(row.box, {
                                             [this, &row](QKeyEvent& key) { return entryKeyDiscarded(row, key); },
                                             [&row](Qt::FocusReason) {
                                                 if (row.tripEditing)
                                                     *row.tripEditing = true;
                                             },
                                             [this, &row](Qt::FocusReason reason) { entryBoxLeft(row, reason); },
                                         });
    }
    for (const EntryBox& row : entryBoxes_) {
        if (QComboBox* list = row.tripType) {
            EntryBoxEvents::install(list, {
                                              nullptr,
                                              [&row](Qt::FocusReason) { *row.tripEditing = true; },
                                              [&row, list](Qt::FocusReason reason) {
                                                  if (entry::LeavesBox(reason) && list->isEnabled())
                                                      *row.tripEditing = false;
                                              },
                                          });
            connect(list, &QComboBox::activated, this, [this, &row] { tripTypeChosen(row); });
        }
    }
    // Boxes that only show what the unit reports take no typing and no paste.
    for (QLineEdit* box :
         {ui.txtAnodeV,   ui.txtCathI, ui.txtCplDate, ui.txtCS1,    ui.txtCS2,     ui.txtCS3,    ui.txtCS4,
          ui.txtDateTime, ui.txtFCnt,  ui.txtFdBm,    ui.txtFrmRev, ui.txtHeaterV, ui.txtHelixI, ui.txtHelixV,
          ui.txtHelix2I,  ui.txtPN,    ui.txtRCnt,    ui.txtRdBm,   ui.txtSN,      ui.txtTemp})
        box->setReadOnly(true);
}

bool frmMain::entryKeyDiscarded(const EntryBox& row, QKeyEvent& key)
{
    QLineEdit* box = row.box;
    if (key.key() == Qt::Key_Escape) {
        entryEdits_.cancel(box);   // the unit's value again, and the poll fills the box once more
        return true;
    }
    const std::optional<QChar> typedKey = entry::TypedChar(key);
    if (!typedKey)
        return false;   // Delete and the other editing keys work as in any box, in local mode too
    if (*typedKey == QLatin1Char('\r'))
        entryEdits_.end(box);
    if (row.remoteGuard && !p.conn.RemoteMode) {
        // The key still goes into the box; leaving the box then sends nothing.
        ShowNotInRemoteMsg(p.platform.prompts);
        return false;
    }
    // An edit after Enter is sent again when the box is left.
    const auto edited = [&row] {
        if (row.enterFlag)
            *row.enterFlag = false;
    };
    const QChar typed = *typedKey;
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
        actOnEntry(box, [this, &row] { entryBoxEnter(row); });
        return true;
    }
    return true;
}

void frmMain::entryBoxLeft(const EntryBox& row, Qt::FocusReason reason)
{
    // A box disabled, hidden or cleared under the focus was not left by the operator.
    if (!entry::LeavesBox(reason) || !row.box->isEnabled() || !row.box->isVisibleTo(this))
        return;
    entryEdits_.end(row.box);
    if (row.tripEditing) {
        *row.tripEditing = false;
        return;
    }
    if (p.conn.FormUpdating || !row.enterFlag)
        return;
    // The flag is looked at when the action runs: an Enter kept for later sets it first.
    actOnEntry(row.box, [this, &row] {
        if (*row.enterFlag) {
            *row.enterFlag = false;
            return;
        }
        if (p.conn.RemoteMode && row.leave)
            row.leave(row.box->text());
    });
}

void frmMain::entryBoxEnter(const EntryBox& row)
{
    if (row.enter(row.box->text()) && row.enterFlag)
        *row.enterFlag = true;
}

void frmMain::tripTypeChosen(const EntryBox& row)
{
    if (p.conn.FormUpdating)
        return;
    QComboBox* list = row.tripType;
    whenLinkFree([this, &row, list, chosen = list->currentIndex()] {
        if (list->currentIndex() != chosen) {
            FormUpdatingGuard hold(p.conn.FormUpdating);
            list->setCurrentIndex(chosen);
        }
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            return;
        }
        row.sendTrip();
    });
}
