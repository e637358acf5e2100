// The main window's load and unload: the link's configuration and the per-user settings
// at start-up, their saving at exit, and the window's hooks and link signals.
#include "app/Program.h"
#include "link/TargetEntries.h"
#include "link/TcpConnection.h"
#include "link/UserSettings.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/TcpSocket.h"
#include "app/frmMain.h"
#include "app/MenuDialogRunner.h"
#include "files/CalFileChoice.h"
#include "files/CmdFileActions.h"
#include "settings/TargetMenus.h"
#include "status/UnitConnection.h"
#include "settings/CommandControls.h"
#include "settings/EntryBoxes.h"
#include "settings/LevelSetters.h"
#include "settings/SettingMenus.h"
#include "settings/UnitClock.h"
#include "status/EntryBoxState.h"
#include "status/FeatureReads.h"
#include "status/FirstRead.h"
#include "status/PollLoop.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include "status/StatusPanels.h"
#include "status/SubBands.h"
#include "status/WindowLayout.h"
#include "status/WindowStates.h"
#include "transfers/CalTransfers.h"
#include "transfers/LogDownloads.h"
#include "ui/EntryBoxEvents.h"
#include "link/DeferredActions.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

void frmMain::installLinkHooks()
{
    WindowHooks& h = p.hooks;
    // The timer runs only for a connection that is still up: a connect event whose first
    // read was ended by a disconnect or a socket error leaves it off. While a poll pause
    // holds (a dialog or a transfer) nothing switches it on but the pause itself.
    h.setPollTimer = [this](bool on) {
        if (on && p.txn.LinkUp && p.PollPauseDepth == 0)
            Timer1.start();
        else if (!on)
            Timer1.stop();
    };
    h.pollTimerActive = [this] { return Timer1.isActive(); };
    h.runPollTick = [this] {
        BusyScope busy(busy_);
        poll_->Timer1_Timer();
    };
    h.clearAndDisableWindow = [this] {
        states_->ClearForm();
        states_->DisableForm();
    };
    h.showReadyToConnect = [this](bool overSerial) { connection_->ShowReadyToConnect(overSerial); };
    h.enableConnectButton = [this](bool on) { ui.btnConnect->setEnabled(on); };
    h.forgetUnit = [this] { ForgetUnit(p); };
    ConnectTcpSocketEvents(p);
}

void frmMain::showEvent(QShowEvent* event)
{
    if (!loaded_)
        Form_Load();
    QMainWindow::showEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (busy_.busy()) {
        // A handler still waits: end its waits and the search now, close when it returns.
        // Meanwhile the window takes no more clicks, so nothing new starts.
        busy_.closeWhenDone();
        p.conn.ShuttingDown = true;
        p.conn.AbortScan = true;
        setEnabled(false);
        event->ignore();
        return;
    }
    if (!unloaded_)
        Form_Unload();
    event->accept();
}

void frmMain::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    setWindowTitle(QStringLiteral("Tubamon Utility"));
    ui.Frame30->hide();   // the first read's layout decides whether the helix frame shows
    p.conn.UseEnet = false;
    targets_->BuildComPortList();
    targets_->InitDefaultComPort();

    const UserSettings::Values stored = UserSettings::Read(p.platform.settings);
    p.display.RrfFloor = stored.RrfFloor;
    p.display.DisplayWatts = stored.UnitsSetting;
    if (p.display.DisplayWatts) {
        powerUnits_->DisplayToWatts();
        ui.mnuWatts->setText(QStringLiteral("Display dBm"));
    }
    p.conn.EnetFirstReadPending = false;
    panels_->InitFaultsAlarms();
    states_->ClearForm();
    states_->DisableForm();
}

void frmMain::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    p.conn.ShuttingDown = true;   // from here on nothing is sent and the port stays closed
    Timer1.stop();

    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (*it != this && (*it)->isVisible())
            (*it)->close();

    ITcpSocket& socket = p.platform.tcp;
    UserSettings::Values v;
    v.CurrentPort = p.LinkObject.PortNumber();
    v.ComSettings = p.LinkObject.CommSettings();
    v.UnitsSetting = p.display.DisplayWatts;
    v.RrfFloor = p.display.RrfFloor;
    v.PollAddress = p.conn.PollAddress;
    v.UseEnet = p.conn.UseEnet;
    v.UseIP = socket.remoteHost();
    v.EthPort = socket.remotePort();
    v.PollStatus = ui.mnuPollEn->isChecked();
    UserSettings::Write(p.platform.settings, v, p.files.CalFilePath);

    p.LinkObject.setOpenPort(false);
    socket.close();
    p.platform.clock.processEvents();
    emit unloaded();
}
