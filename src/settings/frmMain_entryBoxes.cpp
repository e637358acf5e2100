// The main window's entry boxes: the keys each takes, what Enter and leaving the box send,
// and the trip rows' editing flags that keep the poll's read-back off a row being edited.
#include "app/Program.h"
#include "app/frmMain.h"
#include "commands/RemoteMessage.h"
#include "link/DeferredActions.h"
#include "link/Transaction.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "settings/EntryBoxEvents.h"
#include "settings/EntryKeys.h"
#include "settings/LevelEntry.h"
#include "status/FormUpdatingGuard.h"
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

bool* frmMain::enterFlag(QLineEdit* box)
{
    if (box == ui.txtAtnDB)
        return &EnterHandled.txtAtnDB;
    if (box == ui.txtAtnCnt)
        return &EnterHandled.txtAtnCnt;
    if (box == ui.txtConstLvl)
        return &EnterHandled.txtConstLvl;
    if (box == ui.txtLinAmp)
        return &EnterHandled.txtLinAmp;
    if (box == ui.txtLinPhase)
        return &EnterHandled.txtLinPhase;
    if (box == ui.txtAdr)
        return &EnterHandled.txtAdr;
    return nullptr;
}

bool* frmMain::tripEditingFlag(QWidget* control)
{
    if (control == ui.txtFhiLvl || control == ui.cmbFhiTripType)
        return &FhiTripEditing;
    if (control == ui.txtFloLvl || control == ui.cmbFloTripType)
        return &FloTripEditing;
    if (control == ui.txtRhiLvl || control == ui.cmbRhiTripType)
        return &RhiTripEditing;
    return nullptr;
}

void frmMain::connectEntryBoxes()
{
    struct Box {
        QLineEdit* box;
        std::function<entry::Keys()> keys;
        bool remoteGuard;
    };
    const auto fixed = [](entry::Keys k) { return [k] { return k; }; };
    const Box boxes[] = {
        {ui.txtAtnDB, fixed(entry::Keys::Decimal), true},
        {ui.txtConstLvl, fixed(entry::Keys::Decimal), true},
        {ui.txtFhiLvl, fixed(entry::Keys::Decimal), true},
        {ui.txtFloLvl, fixed(entry::Keys::Decimal), true},
        {ui.txtRhiLvl, fixed(entry::Keys::Decimal), true},
        {ui.txtLinAmp, fixed(entry::Keys::Digits), true},
        {ui.txtLinPhase, fixed(entry::Keys::Digits), true},
        {ui.txtAtnCnt, [this] { return p.unit.id.LldpFirmware ? entry::Keys::Decimal : entry::Keys::None; }, true},
        {ui.txtPSHours, fixed(entry::Keys::Digits), true},
        {ui.txtXmtHours, fixed(entry::Keys::Digits), true},
        {ui.txtAdr, fixed(entry::Keys::Letters), false},
    };
    for (const Box& b : boxes) {
        QLineEdit* box = b.box;
        entryEdits_.track(box);
        EntryBoxEvents::install(box, {
                                         [this, box, keys = b.keys, guard = b.remoteGuard](QKeyEvent& key) {
                                             return entryKeyDiscarded(box, keys(), guard, key);
                                         },
                                         [this, box](Qt::FocusReason) { entryBoxFocused(box); },
                                         [this, box](Qt::FocusReason reason) { entryBoxLeft(box, reason); },
                                     });
    }
    for (QComboBox* list : {ui.cmbFhiTripType, ui.cmbFloTripType, ui.cmbRhiTripType}) {
        EntryBoxEvents::install(list, {
                                          nullptr,
                                          [this, list](Qt::FocusReason) { *tripEditingFlag(list) = true; },
                                          [this, list](Qt::FocusReason reason) {
                                              if (entry::LeavesBox(reason) && list->isEnabled())
                                                  *tripEditingFlag(list) = false;
                                          },
                                      });
        connect(list, &QComboBox::activated, this, [this, list] { tripTypeChosen(list); });
    }
    // Boxes that only show what the unit reports take no typing and no paste.
    for (QLineEdit* box :
         {ui.txtAnodeV,   ui.txtCathI, ui.txtCplDate, ui.txtCS1,    ui.txtCS2,     ui.txtCS3,    ui.txtCS4,
          ui.txtDateTime, ui.txtFCnt,  ui.txtFdBm,    ui.txtFrmRev, ui.txtHeaterV, ui.txtHelixI, ui.txtHelixV,
          ui.txtHelix2I,  ui.txtPN,    ui.txtRCnt,    ui.txtRdBm,   ui.txtSN,      ui.txtTemp})
        box->setReadOnly(true);
}

bool frmMain::entryKeyDiscarded(QLineEdit* box, entry::Keys keys, bool remoteGuard, QKeyEvent& key)
{
    if (key.key() == Qt::Key_Escape) {
        entryEdits_.cancel(box);   // the unit's value again, and the poll fills the box once more
        return true;
    }
    const std::optional<QChar> typedKey = entry::TypedChar(key);
    if (!typedKey)
        return false;   // Delete and the other editing keys work as in any box, in local mode too
    if (*typedKey == QLatin1Char('\r'))
        entryEdits_.end(box);
    if (remoteGuard && !p.conn.RemoteMode) {
        // The key still goes into the box; leaving the box then sends nothing.
        ShowNotInRemoteMsg(p.platform.prompts);
        return false;
    }
    const QChar typed = *typedKey;
    switch (entry::FilterKey(keys, typed)) {
    case entry::KeyAction::Pass:
        // An edit after Enter is sent again when the box is left.
        if (bool* flag = enterFlag(box))
            *flag = false;
        return false;
    case entry::KeyAction::Discard:
        return true;
    case entry::KeyAction::Upper:
        if (bool* flag = enterFlag(box))
            *flag = false;
        box->insert(typed.toUpper());
        return true;
    case entry::KeyAction::Enter:
        actOnEntry(box, [this, box] { entryBoxEnter(box); });
        return true;
    }
    return true;
}

void frmMain::entryBoxFocused(QLineEdit* box)
{
    if (bool* editing = tripEditingFlag(box))
        *editing = true;
}

void frmMain::entryBoxLeft(QLineEdit* box, Qt::FocusReason reason)
{
    // A box disabled, hidden or cleared under the focus was not left by the operator.
    if (!entry::LeavesBox(reason) || !box->isEnabled() || !box->isVisibleTo(this))
        return;
    entryEdits_.end(box);
    if (bool* editing = tripEditingFlag(box)) {
        *editing = false;   // a trip row's level is sent by Enter only
        return;
    }
    if (p.conn.FormUpdating)
        return;
    if (!enterFlag(box))
        return;   // the hour meters send on Enter only
    // The flag is looked at when the action runs: an Enter kept for later sets it first.
    actOnEntry(box, [this, box] {
        bool* flag = enterFlag(box);
        if (*flag) {
            *flag = false;
            return;
        }
        if (p.conn.RemoteMode)
            entryBoxLeaveSend(box);
    });
}

void frmMain::entryBoxEnter(QLineEdit* box)
{
    const QString text = box->text();
    if (box == ui.txtAtnDB) {
        SetAtndB();
        EnterHandled.txtAtnDB = true;
    } else if (box == ui.txtConstLvl) {
        if (text.isEmpty())
            return;
        SetConstPwr(levels::LevelValue(text));
        EnterHandled.txtConstLvl = true;
    } else if (box == ui.txtFhiLvl || box == ui.txtFloLvl || box == ui.txtRhiLvl) {
        if (text.isEmpty())
            return;
        box == ui.txtFhiLvl ? SetFwdHiTrip() : box == ui.txtFloLvl ? SetFwdLoTrip() : SetRevHiTrip();
    } else if (box == ui.txtAdr) {
        SetUnitAddress();   // sets the box's Enter flag itself
    } else if (box == ui.txtPSHours || box == ui.txtXmtHours) {
        if (const auto command = levels::HoursCommand(ui.txtPSHours->text(), ui.txtXmtHours->text()))
            SendUnitCommand(p, *command, false);
        else
            parameterRangeBox(p);
    } else if (const auto param = parameterBox(box)) {
        const levels::ParamEntry e = levels::ParamCommand(*param, text);
        if (e.kind == levels::ParamEntry::OutOfRange)
            parameterRangeBox(p);
        if (e.kind != levels::ParamEntry::Send)
            return;
        SendUnitCommand(p, e.command, false);
        *enterFlag(box) = true;
        if (box == ui.txtAtnCnt)
            box->setText(conv::FormatNumber(conv::Val(text), QStringLiteral("#0.0")));
    }
}

void frmMain::entryBoxLeaveSend(QLineEdit* box)
{
    const QString text = box->text();
    if (box == ui.txtAtnDB) {
        SetAtndB();
    } else if (box == ui.txtConstLvl) {
        if (!text.isEmpty() && ui.chkConstPwr->isChecked())
            SetConstPwr(levels::LevelValue(text));
    } else if (box == ui.txtAdr) {
        // Only a letter the operator changed: passing through the box must not rewrite the
        // unit's RS-485 record nor move the link's address.
        if (text != adrLetter_) {
            SetUnitAddress();
            EnterHandled.txtAdr = false;
        }
    } else if (const auto param = parameterBox(box)) {
        const levels::ParamEntry e = levels::ParamCommand(*param, text);
        if (e.kind == levels::ParamEntry::Send)
            SendUnitCommand(p, e.command, false);
    }
}

std::optional<levels::ParamBox> frmMain::parameterBox(QLineEdit* box) const
{
    if (box == ui.txtLinAmp)
        return levels::ParamBox::LinAmp;
    if (box == ui.txtLinPhase)
        return levels::ParamBox::LinPhase;
    // The downlink attenuation box is the LLDP-capable family's only.
    if (box == ui.txtAtnCnt && p.unit.id.LldpFirmware)
        return levels::ParamBox::AtnCnt;
    return std::nullopt;
}

void frmMain::tripTypeChosen(QComboBox* list)
{
    if (p.conn.FormUpdating)
        return;
    whenLinkFree([this, list, chosen = list->currentIndex()] {
        if (list->currentIndex() != chosen) {
            FormUpdatingGuard hold(p.conn);
            list->setCurrentIndex(chosen);
        }
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
            return;
        }
        if (list == ui.cmbFhiTripType)
            SetFwdHiTrip();
        else if (list == ui.cmbFloTripType)
            SetFwdLoTrip();
        else
            SetRevHiTrip();
    });
}
