// The unit's clock, set from the PC with "Now" (and the reset that follows on most units),
// and the unit's RS-485 device address typed into its box.
#include "app/Program.h"
#include "app/frmMain.h"
#include "commands/IndexedQueries.h"
#include "commands/StatusQueries.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/BusyFlag.h"
#include "platform/Clock.h"
#include "platform/Conventions.h"
#include "platform/Prompts.h"
#include "settings/ControlCommands.h"
#include "ui/EntryBoxEvents.h"
#include "ui/EntryKeys.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ResetProbes = 10;

}   // namespace

void frmMain::connectUnitClock()
{
    connect(ui.Command7, &QPushButton::clicked, this, &frmMain::Command7_Click);
    // The letter the window wrote into the address box (a fill is no edit of the operator's).
    connect(ui.txtAdr, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!ui.txtAdr->isModified())
            adrLetter_ = text;
    });
    // Checked once the move of the focus has ended: the box is shown and the focus put back
    // outside the focus change under way.
    EntryBoxEvents::install(ui.txtDateTime, {nullptr, nullptr, [this](Qt::FocusReason reason) {
                                                 if (entry::LeavesBox(reason))
                                                     QMetaObject::invokeMethod(this, &frmMain::txtDateTime_Validate,
                                                                               Qt::QueuedConnection);
                                             }});
}

void frmMain::txtDateTime_Validate()
{
    QLineEdit* box = ui.txtDateTime;
    if (box->text().isEmpty() || conv::IsDateTime(box->text()) || !box->isEnabled() || !box->isVisibleTo(this))
        return;
    p.platform.prompts.message(QStringLiteral("Invalid Date & Time."), QStringLiteral("Data Error"),
                               PromptIcon::Exclamation);
    box->setFocus(Qt::OtherFocusReason);   // the focus stays in the box
}

void frmMain::Command7_Click()
{
    whenLinkFree([this] {
        if (!p.conn.RemoteMode) {
            showNotInRemote();
            return;
        }
        const UnitIdentity& id = p.unit.id;
        const bool transmitting = ui.chkPS->checkState() == Qt::Checked && ui.chkRFI->checkState() == Qt::Unchecked;
        if (transmitting && !id.LldpFirmware && !id.OduBucUnit) {
            const PromptAnswer answer = p.platform.prompts.message(
                QStringLiteral("This will reset the unit and \r\ntake it offline"), QStringLiteral("Reset Unit?"),
                PromptIcon::Exclamation, PromptButtons::OkCancelDefaultCancel);
            if (answer != PromptAnswer::Ok)
                return;
        }
        ui.txtDateTime->setText(controls::UnitClockText(p.platform.clock.localDateTime()));
        SetDateTime();
    });
}

void frmMain::SetDateTime()
{
    if (!p.conn.RemoteMode) {
        showNotInRemote();
        return;
    }
    const QString text = ui.txtDateTime->text();
    if (text.isEmpty())
        return;
    BusyScope busy(*this);
    // The poll runs afterwards, reset or not, while the connection this began on lasts.
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    IClock& clock = p.platform.clock;
    SendUnitCommand(p, QStringLiteral("%") + text);
    clock.sleepMs(100);
    if (p.unit.id.LldpFirmware || p.unit.id.OduBucUnit)
        return;   // these units take the clock without a reset
    SendUnitCommand(p, QStringLiteral("~"));
    PauseSeconds(clock, 3);
    for (int probe = 0; probe < ResetProbes && !connection.ended(); ++probe) {
        if (SsaCmds::ReadUnitStatusCode(p) >= 0)
            break;
        PauseSeconds(clock, 1);
    }
    // The frame a serial unit may still send after its reset is read and dropped.
    if (!connection.ended() && p.txn.LinkUp && !RoutedOverEnet(p) && !p.conn.ShuttingDown) {
        qint16 error = 0;
        BusyFlag inFlight(p.txn.InFlight);   // the wait looks at the window: nothing else is sent
        p.LinkObject.Receive(error);
    }
}

void frmMain::SetUnitAddress()
{
    if (!p.conn.RemoteMode) {
        showNotInRemote();
        return;
    }
    const QString text = ui.txtAdr->text();
    const auto letter = controls::AddressLetter(text);
    if (!letter)
        return;
    const bool recordRead = SsaCmds::GetPort2Protocol(p);
    SendUnitCommand(p, controls::AddressCommand(recordRead, p.ReplyFields[0], p.ReplyFields[1], *letter));
    // Also after a failed command: a unit that took it answers from the new letter only.
    p.LinkObject.setDeviceAddress(QString(*letter));
    adrLetter_ = text;
    EnterHandled.txtAdr = true;
}
