// The poll: every tick of Timer1 sends the status query and refreshes the window; a
// connection over TCP has its first read on its first tick; three failed polls in a row
// drop the link.
#include "commands/IndexedQueries.h"
#include "link/ConnectButton.h"
#include "commands/PolledQueries.h"
#include "commands/StatusQueries.h"
#include "commands/SubBandQueries.h"
#include "link/ConnectionWatch.h"
#include "app/Program.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "platform/BusyFlag.h"
#include "status/PollRules.h"
#include "app/frmMain.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {
}

void frmMain::runPendingEvents() { p.platform.clock.processEvents(); }

void frmMain::Timer1_Timer()
{
    // Never nested: a tick that falls due while a command waits for its reply, or while
    // the poll or the first read lets events run, does nothing.
    if (TransactionInFlight(p) || pollRunning_ || firstReadRunning_)
        return;
    if (!RoutedOverEnet(p)) {
        UpdateStatus();
        return;
    }
    if (p.conn.EnetFirstReadPending && !p.conn.FirstReadDone)
        runTcpFirstRead();
    else if (p.conn.FirstReadDone)
        UpdateStatus();
}

void frmMain::runTcpFirstRead()
{
    const ConnectionWatch connection(p);
    // The connect button stops a slow read (the connect road leaves it disabled meanwhile).
    ui.btnConnect->setEnabled(true);
    FirstTimeRead();
    // A connection that ended during the first read has been reset by whoever ended it
    // (and a new one may be pending): nothing here may touch the window or the flags.
    if (connection.ended() || !p.txn.LinkUp)
        return;
    ui.mnuConnect->setEnabled(false);
    ui.mnuAdvSrch->setEnabled(false);
    ShowConnectedWindow();
    ui.btnConnect->setEnabled(true);
    p.conn.EnetFirstReadPending = false;
}

bool frmMain::UpdateStatus()
{
    if (pollRunning_)
        return false;
    BusyFlag running(pollRunning_);
    const ConnectionWatch connection(p);
    const bool answered = SsaCmds::QueryStatusWords(p);
    if (connection.ended())
        return false;   // disconnected meanwhile: the cleared window stays as it is
    if (!answered) {
        if (poll::SpendRetry(p.conn.PollRetriesLeft) == poll::Failure::LinkLost)
            dropLostLink();
        return false;
    }
    const QString summary = p.ReplyFields[0], faults = p.ReplyFields[1], alarms = p.ReplyFields[2];
    const bool completed =
        RunWhileConnected(connection, {
                                          [&] { SetSummaryStatus(summary); },
                                          [&] { SetFaultStatus(faults); },
                                          [&] { SetAlarmStatus(alarms); },
                                          [&] { UpdateFwdRF(); },
                                          [&] { UpdateRevRF(); },
                                          [&] {
                                              switch (poll::CountAnsweredPoll(ReadingsTickCount, ClockTickCount)) {
                                              case poll::Tick::Readings:
                                                  readingsTick();
                                                  break;
                                              case poll::Tick::Clock:
                                                  clockTick();
                                                  break;
                                              case poll::Tick::Fast:
                                                  break;
                                              }
                                          },
                                      });
    if (!completed)
        return false;
    p.conn.PollRetriesLeft = poll::RetryBudget;
    return true;
}

void frmMain::readingsTick()
{
    const ConnectionWatch connection(p);
    const bool tube = p.unit.id.IsTwtaUnit;
    RunWhileConnected(connection, {
                                      [&] { UpdateAtn(); },
                                      [&] { UpdateTemperature(); },
                                      [&] { tube ? UpdateHelixHeater() : UpdateCurrentSense(); },
                                      [&] { tube ? UpdateCathodeCurrent() : UpdateDCVIn(); },
                                      [&] { InitRFTripLevels(); },
                                      [&] { UpdateCurrentSubBand(); },
                                      [&] { UpdateRFFrequency(); },
                                  });
}

void frmMain::clockTick()
{
    const ConnectionWatch connection(p);
    RunWhileConnected(connection, {
                                      [&] {
                                          const QString dateTime = SsaCmds::ReadUnitDateTime(p);
                                          if (!connection.ended())
                                              ui.txtDateTime->setText(dateTime);
                                      },
                                      [&] { UpdateHours(); },
                                      [&] { InitRFTripLevels(); },
                                  });
}

void frmMain::dropLostLink()
{
    const bool overSerial = !RoutedOverEnet(p);
    EndConnection(p);   // whatever still runs for this connection stops writing the window
    ClearForm();
    DisableForm();
    Timer1.stop();
    ClockTickCount = 0;
    ui.btnConnect->setText(ConnectCaption);
    ui.mnuConnect->setEnabled(true);
    p.conn.EnetFirstReadPending = false;
    p.conn.FirstReadDone = false;
    // As after a Disconnect: the searches are offered only when not polling one address.
    if (overSerial && !ui.mnuPollEn->isChecked()) {
        ui.mnuExtSrch->setEnabled(true);
        ui.mnuAdvSrch->setEnabled(true);
    }
}

void frmMain::UpdateDCVIn()
{
    const UnitIdentity& id = p.unit.id;
    if (!poll::ReadsDCInput(id.UnitModelCode, id.FirmwareVersion100, p.unit.flags.PicProcessorUnit))
        return;
    const ConnectionWatch connection(p);
    if (SsaCmds::ReadDCInputVoltage(p) && !connection.ended())
        ui.txtCS2->setText(p.ReplyFields[0]);
}

void frmMain::UpdateHours()
{
    const ConnectionWatch connection(p);
    const qint32 psHours = SsaCmds::ReadPowerSupplyHours(p);
    if (connection.ended())
        return;
    if (poll::HoursShown(psHours))
        FillEntryBox(ui.txtPSHours, QString::number(psHours));
    const qint32 xmtHours = SsaCmds::ReadTransmitHours(p);
    if (!connection.ended() && poll::HoursShown(xmtHours))
        FillEntryBox(ui.txtXmtHours, QString::number(xmtHours));
}
