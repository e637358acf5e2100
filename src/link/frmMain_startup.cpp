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
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

frmMain::BusyScope::BusyScope(frmMain& window) : w_(window) { ++w_.busyDepth_; }

frmMain::BusyScope::~BusyScope()
{
    if (--w_.busyDepth_ == 0 && w_.closePending_) {
        w_.closePending_ = false;
        // Closed from the event loop, once every handler frame has unwound.
        QMetaObject::invokeMethod(
            &w_, [w = &w_] { w->close(); }, Qt::QueuedConnection);
    }
}

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
        BusyScope busy(*this);
        Timer1_Timer();
    };
    h.clearAndDisableWindow = [this] {
        ClearForm();
        DisableForm();
    };
    h.setConnectCaption = [this](const QString& caption) { ui.btnConnect->setText(caption); };
    h.enableConnectButton = [this](bool on) { ui.btnConnect->setEnabled(on); };
    h.enableConnectMenu = [this](bool on) { ui.mnuConnect->setEnabled(on); };
    h.tcpLinkDropped = [this] { ui.mnuConnect->setEnabled(true); };
    ConnectTcpSocketEvents(p);
}

void frmMain::connectLinkSignals()
{
    connect(ui.btnConnect, &QPushButton::clicked, this, &frmMain::btnConnect_Click);
    connect(ui.mnuConnect, &QAction::triggered, this, &frmMain::mnuConnect_Click);
    connect(ui.mnuExtSrch, &QAction::triggered, this, &frmMain::mnuExtSrch_Click);
    connect(ui.mnuAdvSrch, &QAction::triggered, this, &frmMain::mnuAdvSrch_Click);
    // The two check items have flipped their own mark before the signal: the handlers
    // decide the mark from its state before the click.
    connect(ui.mnuUseEnet, &QAction::triggered, this, [this](bool checked) {
        ui.mnuUseEnet->setChecked(!checked);
        mnuUseEnet_Click();
    });
    connect(ui.mnuPollEn, &QAction::triggered, this, [this](bool checked) {
        ui.mnuPollEn->setChecked(!checked);
        mnuPollEn_Click();
    });
    connect(ui.mnuPollAdrs, &QAction::triggered, this, &frmMain::mnuPollAdrs_Click);
    connect(ui.mnuWatts, &QAction::triggered, this, &frmMain::mnuWatts_Click);
}

void frmMain::showEvent(QShowEvent* event)
{
    if (!loaded_)
        Form_Load();
    QMainWindow::showEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (busyDepth_ > 0) {
        // A handler still waits: end its waits and the search now, close when it returns.
        // Meanwhile the window takes no more clicks, so nothing new starts.
        closePending_ = true;
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
    BuildComPortList();
    InitDefaultComPort();

    const UserSettings::Values stored = UserSettings::Read(p.platform.settings);
    p.display.RrfFloor = stored.RrfFloor;
    p.display.DisplayWatts = stored.UnitsSetting;
    if (p.display.DisplayWatts) {
        DisplayToWatts();
        ui.mnuWatts->setText(QStringLiteral("Display dBm"));
    }
    p.conn.EnetFirstReadPending = false;
    InitFaultsAlarms();
    ClearForm();
    DisableForm();
}

void frmMain::InitDefaultComPort()
{
    const UserSettings::Values stored = UserSettings::Read(p.platform.settings);
    OVLink& link = p.LinkObject;
    link.setCommControl(&p.platform.serial);
    link.setCheckAddress(false);
    link.setMsgTimeout(2.0f);
    link.setDeviceAddress(QStringLiteral("A"));
    link.setPortNumber(stored.CurrentPort);
    link.setCommSettings(stored.ComSettings);
    link.setOpenPort(false);   // the first command opens the port

    const int port = link.PortNumber();
    ui.mnuCom->setTitle(SerialPortCaption(port));
    ui.mnuComPort[static_cast<size_t>(port - 1)]->setChecked(true);

    p.conn.PollAddress = stored.PollAddress;
    ui.mnuPollAdrs->setText(QStringLiteral("Poll Address ") + QChar(p.conn.PollAddress));
    if (stored.PollStatus) {
        ui.mnuPollEn->setChecked(true);
        ui.mnuAdvSrch->setEnabled(false);
    }

    p.conn.UnitIPAddress = stored.UseIP;
    p.conn.EnetPort = stored.EthPort;
    ITcpSocket& socket = p.platform.tcp;
    socket.setRemoteHost(p.conn.UnitIPAddress);
    socket.setRemotePort(p.conn.EnetPort);
    ui.mnuEthPort->setText(EthernetPortCaption(socket.remotePort()));
    ui.mnuEnterIP->setText(IPAddressCaption(socket.remoteHost()));

    p.conn.UseEnet = stored.UseEnet;
    if (p.conn.UseEnet)
        ui.mnuUseEnet->setChecked(true);
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
