// The unit's clock, set from the PC with "Now" (and the reset that follows on most units),
// and the unit's RS-485 device address typed into its box.
#include "commands/CommandContext.h"
#include "settings/UnitClock.h"
#include "commands/RemoteMessage.h"
#include "ui/frmMainUi.h"
#include "link/BusyScope.h"
#include "link/FrameChars.h"
#include "commands/IndexedQueries.h"
#include "commands/StatusQueries.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "link/UnitTransport.h"
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

UnitClock::UnitClock(CommandContext& p, const frmMainUi& controls, QWidget& window, HandlerDepth& busy)
    : p(p), window_(window), busy_(busy), ui{.chkPS = controls.chkPS,
                                             .chkRFI = controls.chkRFI,
                                             .txtDateTime = controls.txtDateTime,
                                             .txtAdr = controls.txtAdr}
{
}

void UnitClock::txtDateTime_Validate()
{
    QLineEdit* box = ui.txtDateTime;
    if (box->text().isEmpty() || conv::IsDateTime(box->text()) || !box->isEnabled() || !box->isVisibleTo(&window_))
        return;
    p.platform.prompts.message(QStringLiteral("Invalid Date & Time."), QStringLiteral("Data Error"),
                               PromptIcon::Exclamation);
    box->setFocus(Qt::OtherFocusReason);   // the focus stays in the box
}

void UnitClock::Command7_Click()
{
    WhenLinkFree(p, window_, [this] {
        if (!p.conn.RemoteMode) {
            ShowNotInRemoteMsg(p.platform.prompts);
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
        const ConnectionWatch connection(p);
        const QString shown = ui.txtDateTime->text();
        ui.txtDateTime->setText(controls::UnitClockText(p.platform.clock.localDateTime()));
        // The unit's clock as last read, not a time it did not take; nothing in a window cleared
        // meanwhile.
        if (!SetDateTime() && !connection.ended())
            ui.txtDateTime->setText(shown);
    });
}

bool UnitClock::SetDateTime()
{
    if (!p.conn.RemoteMode) {
        ShowNotInRemoteMsg(p.platform.prompts);
        return false;
    }
    const QString text = ui.txtDateTime->text();
    if (text.isEmpty())
        return false;
    BusyScope busy(busy_);
    // The poll runs afterwards, reset or not, while the connection this began on lasts.
    const PollPause pause(p, PollPause::Mode::On);
    const ConnectionWatch connection(p);
    IClock& clock = p.platform.clock;
    const bool taken = SendUnitCommand(p, QStringLiteral("%") + text);
    clock.sleepMs(100);
    // The LLDP-capable family and model 7428 take the clock without a reset.
    const bool resetDue = !p.unit.id.LldpFirmware && !p.unit.id.OduBucUnit;
    if (!taken) {
        // Nothing more is sent: a reset would take the unit offline for a time it does not have.
        // A link lost meanwhile is told by the window's clearing, not by this box.
        if (!connection.ended() && CurrentTransport(p).isOpen())
            p.platform.prompts.message(controls::ClockNotTakenText(text, resetDue), QStringLiteral("Unit Date & Time"),
                                       PromptIcon::Exclamation);
        return false;
    }
    if (resetDue)
        resetUnit(connection);
    return true;
}

void UnitClock::resetUnit(const ConnectionWatch& connection)
{
    IClock& clock = p.platform.clock;
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

void UnitClock::SetUnitAddress()
{
    if (!p.conn.RemoteMode)
        ShowNotInRemoteMsg(p.platform.prompts);
    else if (const auto letter = controls::AddressLetter(ui.txtAdr->text()))
        moveAddress(*letter);
    ShowLinkAddress();
}

void UnitClock::moveAddress(QChar letter)
{
    const QChar current = linkAddress();
    BusyScope busy(busy_);
    const PollPause pause(p, PollPause::Mode::Restore);   // no poll between the command and the probes
    const ConnectionWatch connection(p);
    const bool recordRead = SsaCmds::GetPort2Protocol(p);
    const controls::SettingAnswer answer =
        sendSetting(controls::AddressCommand(recordRead, p.ReplyFields[0], p.ReplyFields[1], letter));
    const controls::AddressMove move = controls::MoveAddress(answer, letter, current, [this](QChar at) {
        p.LinkObject.setDeviceAddress(QString(at));
        return SsaCmds::ReadUnitStatusCode(p) >= 0;
    });
    p.LinkObject.setDeviceAddress(QString(move.letter));
    if (connection.ended())
        return;   // the link loss is what the window shows
    if (move.letter == letter)
        p.unit.config.Rs485Address = QString(letter);
    if (!move.message.isEmpty())
        p.platform.prompts.message(move.message, QStringLiteral("Unit Address"), PromptIcon::Exclamation);
}

controls::SettingAnswer UnitClock::sendSetting(const QString& command)
{
    if (SendUnitCommand(p, command))
        return controls::SettingAnswer::Taken;
    return UnitReplyFrame(p).startsWith(framechars::NAK) ? controls::SettingAnswer::Refused
                                                         : controls::SettingAnswer::Unanswered;
}

QChar UnitClock::linkAddress() const { return p.LinkObject.DeviceAddress().at(0); }

void UnitClock::ShowLinkAddress()
{
    if (!p.txn.LinkUp)
        return;   // a window cleared at the end of the connection stays empty
    adrLetter = QString(linkAddress());
    if (ui.txtAdr->text() != adrLetter)
        ui.txtAdr->setText(adrLetter);
}
