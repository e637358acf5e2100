// The poll: every tick of Timer1 sends the status query and refreshes the window; a
// connection over TCP has its first read on its first tick; three failed polls in a row
// drop the link.
#include "commands/IndexedQueries.h"
#include "commands/PolledQueries.h"
#include "commands/StatusQueries.h"
#include "commands/SubBandQueries.h"
#include "link/ConnectionWatch.h"
#include "commands/CommandContext.h"
#include "link/Transaction.h"
#include "platform/Clock.h"
#include "platform/BusyFlag.h"
#include "status/PollRules.h"
#include "status/PollLoop.h"
#include "ui/frmMainUi.h"
#include <QTimer>
#include "status/FirstRead.h"
#include "status/WindowStates.h"
#include "status/StatusPanels.h"
#include "status/Readings.h"
#include "status/FeatureReads.h"
#include "status/SubBands.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

PollLoop::PollLoop(CommandContext& p, const frmMainUi& controls, QTimer& Timer1, FirstRead& firstRead,
                   WindowStates& states, StatusPanels& panels, Readings& readings, FeatureReads& features,
                   SubBands& bands)
    : p(p), Timer1(Timer1), firstRead_(firstRead), states_(states), panels_(panels), readings_(readings),
      features_(features), bands_(bands), ui{.txtDateTime = controls.txtDateTime,
                                             .btnConnect = controls.btnConnect,
                                             .mnuConnect = controls.mnuConnect,
                                             .mnuAdvSrch = controls.mnuAdvSrch}
{
}

void PollLoop::Timer1_Timer()
{
    // Never nested: a tick that falls due while a command waits for its reply, or while
    // the poll or the first read lets events run, does nothing.
    if (TransactionInFlight(p) || pollRunning_ || firstRead_.running())
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

void PollLoop::runTcpFirstRead()
{
    const ConnectionWatch connection(p);
    // The connect button stops a slow read (the connect road leaves it disabled meanwhile).
    ui.btnConnect->setEnabled(true);
    firstRead_.FirstTimeRead();
    // A connection that ended during the first read has been reset by whoever ended it
    // (and a new one may be pending): nothing here may touch the window or the flags.
    if (connection.ended() || !p.txn.LinkUp)
        return;
    ui.mnuConnect->setEnabled(false);
    ui.mnuAdvSrch->setEnabled(false);
    states_.ShowConnectedWindow();
    ui.btnConnect->setEnabled(true);
    p.conn.EnetFirstReadPending = false;
}

bool PollLoop::UpdateStatus()
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
                                          [&] { panels_.SetSummaryStatus(summary); },
                                          [&] { panels_.SetFaultStatus(faults); },
                                          [&] { panels_.SetAlarmStatus(alarms); },
                                          [&] { readings_.UpdateFwdRF(); },
                                          [&] { readings_.UpdateRevRF(); },
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

void PollLoop::readingsTick()
{
    const ConnectionWatch connection(p);
    const bool tube = p.unit.id.IsTwtaUnit;
    RunWhileConnected(connection, {
                                      [&] { readings_.UpdateAtn(); },
                                      [&] { readings_.UpdateTemperature(); },
                                      [&] { tube ? readings_.UpdateHelixHeater() : readings_.UpdateCurrentSense(); },
                                      [&] { tube ? readings_.UpdateCathodeCurrent() : readings_.UpdateDCVIn(); },
                                      [&] { features_.InitRFTripLevels(); },
                                      [&] { bands_.UpdateCurrentSubBand(); },
                                      [&] { readings_.UpdateRFFrequency(); },
                                  });
}

void PollLoop::clockTick()
{
    const ConnectionWatch connection(p);
    RunWhileConnected(connection, {
                                      [&] {
                                          const QString dateTime = SsaCmds::ReadUnitDateTime(p);
                                          if (!connection.ended())
                                              ui.txtDateTime->setText(dateTime);
                                      },
                                      [&] { readings_.UpdateHours(); },
                                      [&] { features_.InitRFTripLevels(); },
                                  });
}

void PollLoop::dropLostLink()
{
    const bool overSerial = !RoutedOverEnet(p);
    EndConnection(p);   // whatever still runs for this connection stops writing the window
    states_.ClearForm();
    states_.DisableForm();
    Timer1.stop();
    ClockTickCount = 0;
    p.hooks.showReadyToConnect(overSerial);   // as after a Disconnect
    p.conn.EnetFirstReadPending = false;
    p.conn.FirstReadDone = false;
}
