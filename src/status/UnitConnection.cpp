// The main window's connect button and menus, the connect procedure with its three roads
// (TCP, one saved serial address, the serial search), and disconnecting.
#include "commands/StatusQueries.h"
#include "link/ConnectButton.h"
#include "link/ConnectionWatch.h"
#include "commands/CommandContext.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "link/UnitSearch.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/BusyFlag.h"
#include "status/UnitConnection.h"
#include "ui/frmMainUi.h"
#include <QTimer>
#include "link/BusyScope.h"
#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

// Holds the connect's link for its lifetime: "Use Ethernet" changed meanwhile applies to
// the next connect, never to the rest of this one.
class ConnectRoad {
public:
    ConnectRoad(TransactionState& t, bool overEnet) : t_(t)
    {
        t_.Connecting = true;
        t_.ConnectingOverEnet = overEnet;
    }
    ~ConnectRoad() { t_.Connecting = false; }
    ConnectRoad(const ConnectRoad&) = delete;
    ConnectRoad& operator=(const ConnectRoad&) = delete;

private:
    TransactionState& t_;
};

void clearSearchFlags(ConnectionState& c)
{
    c.ExtendedSearch = false;
    c.AdvancedSearch = false;
}
}   // namespace

UnitConnection::UnitConnection(CommandContext& p, const frmMainUi& controls, QWidget& window, QTimer& Timer1,
                               HandlerDepth& busy, WindowSteps steps)
    : p(p), window_(window), Timer1(Timer1), busy_(busy),
      steps_(std::move(steps)), ui{.btnConnect = controls.btnConnect,
                                   .sbStatusBarPanel1 = controls.sbStatusBarPanel1,
                                   .mnuConnect = controls.mnuConnect,
                                   .mnuExtSrch = controls.mnuExtSrch,
                                   .mnuAdvSrch = controls.mnuAdvSrch,
                                   .mnuPollEn = controls.mnuPollEn,
                                   .mnuUseEnet = controls.mnuUseEnet}
{
}

void UnitConnection::btnConnect_Click()
{
    clearSearchFlags(p.conn);
    const QString caption = ui.btnConnect->text();
    // While a connect, a search or a first read runs, the button only asks it to stop.
    if (connectRunning_ || steps_.firstReadRunning() || caption == TerminateCaption) {
        p.conn.AbortScan = true;
        return;
    }
    if (caption == ConnectCaption) {
        ConnectToUnit();
    } else if (caption == DisconnectCaption) {
        disconnectWindow();
    }
}

void UnitConnection::mnuConnect_Click() { ConnectToUnit(); }

void UnitConnection::mnuExtSrch_Click()
{
    if (connectRunning_ || steps_.firstReadRunning())
        return;
    p.conn.ExtendedSearch = true;
    p.conn.AdvancedSearch = false;
    ConnectToUnit();
}

void UnitConnection::mnuAdvSrch_Click()
{
    if (connectRunning_ || steps_.firstReadRunning())
        return;
    p.conn.AdvancedSearch = true;
    p.conn.ExtendedSearch = false;
    ConnectToUnit();
}

void UnitConnection::ConnectToUnit()
{
    // Never inside a first read, which may let a click on a connect menu run.
    if (connectRunning_ || steps_.firstReadRunning() || p.conn.ShuttingDown)
        return;
    BusyScope busy(busy_);
    BusyFlag running(connectRunning_);
    // A connect always starts from no connection: one still up (a search menu is reachable
    // while connected) stops polling first, so no poll runs between the probes.
    if (p.txn.LinkUp)
        disconnectWindow();

    const QString caption = ui.btnConnect->text();
    for (QAction* a : {ui.mnuConnect, ui.mnuAdvSrch, ui.mnuExtSrch})
        a->setEnabled(false);

    // A press of the button left from before (one during a refused TCP connect's wait, when
    // the error event has enabled it) never ends this connect's first read.
    p.conn.AbortScan = false;
    const ConnectRoad road(p.txn, p.conn.UseEnet);
    if (p.conn.UseEnet) {
        connectOverTcp();
        return;
    }
    // A PC port that cannot be opened is searched for no unit.
    bool found = false;
    if (!p.LinkObject.EnsurePortOpen()) {
        clearSearchFlags(p.conn);
    } else if (ui.mnuPollEn->isChecked()) {
        p.LinkObject.setDeviceAddress(QString(QChar(p.conn.PollAddress)));
        found = SsaCmds::ReadUnitStatusCode(p) >= 0;
        clearSearchFlags(p.conn);
    } else {
        found = UnitFoundOnSerialPort();
    }
    if (p.conn.ShuttingDown)
        return;
    if (found) {
        unitFoundOnSerialLine();
        return;
    }
    // The PC's own port, unusable from the start or lost meanwhile, is named with the
    // system's reason; otherwise no unit answered.
    if (!p.LinkObject.portReady())
        p.platform.prompts.message(p.LinkObject.ErrString(), QStringLiteral("Communication Error"),
                                   PromptIcon::Exclamation);
    else
        p.platform.prompts.message(QStringLiteral("Unit Not Found"), QStringLiteral("Connect"),
                                   PromptIcon::Exclamation);
    ui.btnConnect->setText(caption);
    for (QAction* a : {ui.mnuConnect, ui.mnuAdvSrch, ui.mnuExtSrch})
        a->setEnabled(true);
}

void UnitConnection::connectOverTcp()
{
    ui.btnConnect->setEnabled(false);
    // A refused connection also raises the socket's error event; this procedure's own box
    // is the one the operator sees.
    p.conn.ConnectWaitRunning = true;
    p.conn.ConnectionMadeInWait = false;
    firstReadStopped_ = false;
    const bool connected = ::OpenConnection(p);
    p.conn.ConnectWaitRunning = false;
    if (!connected && !p.conn.ShuttingDown) {
        // The connect event may have read the unit before the socket dropped: that
        // connection ends here, before the box, so no poll runs behind it.
        if (p.txn.LinkUp)
            disconnectWindow();
        // An operator who stopped the first read is not told that the unit failed, nor is one
        // whose connection was made and then lost: the window ends as after a dropped poll.
        if (!firstReadStopped_ && !p.conn.ConnectionMadeInWait)
            p.platform.prompts.message(QStringLiteral("Unable to Connect to Unit"),
                                       QStringLiteral("Ethernet Communication Error"), PromptIcon::Exclamation);
        ::CloseConnection(p);
        ui.mnuConnect->setEnabled(true);
    }
    ui.btnConnect->setEnabled(true);
    clearSearchFlags(p.conn);
}

void UnitConnection::unitFoundOnSerialLine()
{
    BeginUnitConnection(p, false);
    const ConnectionWatch connection(p);
    steps_.firstTimeRead();
    if (connection.ended())
        return;   // disconnected during the first read: the window stays as that left it
    steps_.showConnectedWindow();
    window_.repaint();
    Timer1.start();
}

bool UnitConnection::UnitFoundOnSerialPort()
{
    InitCommSettingsTable(p);
    ui.btnConnect->setText(TerminateCaption);
    ui.btnConnect->repaint();
    const int highest = UnitSearch::HighestSearchAddress(p.conn.ExtendedSearch, p.conn.AdvancedSearch);
    clearSearchFlags(p.conn);
    p.conn.AbortScan = false;   // a request left from before never ends this search

    // The search walks its own copy: nothing that runs between two tries can change it.
    const QStringList table = p.conn.CommSettingsTable;
    const auto status = [this](const QString& text) { DisplayStatusMsg(text); };
    const auto probe = [this] {
        if (SsaCmds::ReadUnitStatusCode(p) >= 0)
            return true;
        if (!p.LinkObject.portReady())
            p.conn.AbortScan = true;   // the port is lost: no address can answer on it
        return false;
    };
    bool found = false;
    for (const QString& settings : table) {
        if (settings.isEmpty() || p.conn.AbortScan)
            break;
        if (!FindUnitAddress(p, settings, UnitSearch::FirstAddress, highest, probe, status).isEmpty()) {
            found = true;
            break;
        }
        p.platform.clock.processEvents();
        if (p.conn.AbortScan)
            break;
    }
    p.conn.AbortScan = false;
    p.conn.CommSettingsTable = QStringList{QString()};
    return found;
}

bool UnitConnection::connectionOverEnet() const { return p.txn.LinkUp ? p.txn.ConnectedOverEnet : p.conn.UseEnet; }

// Stops polling and leaves the window cleared, disabled and ready to connect again. The
// socket is closed when the connection was made over TCP (the serial port stays open); the
// search menus come back when the next connect is a serial search.
void UnitConnection::disconnectWindow()
{
    Timer1.stop();
    steps_.clearForm();
    steps_.disableForm();
    ShowReadyToConnect(!p.conn.UseEnet);
    const bool overEnet = connectionOverEnet();
    EndConnection(p);
    if (overEnet)
        ::CloseConnection(p);
}

void UnitConnection::ShowReadyToConnect(bool overSerial)
{
    ui.btnConnect->setText(ConnectCaption);
    ui.mnuConnect->setEnabled(true);
    if (overSerial && !ui.mnuPollEn->isChecked()) {
        ui.mnuExtSrch->setEnabled(true);
        ui.mnuAdvSrch->setEnabled(true);
    }
}

void UnitConnection::DisconnectFromUnit()
{
    Timer1.stop();
    p.LinkObject.setOpenPort(false);
    ui.mnuUseEnet->setEnabled(true);
    p.conn.EnetFirstReadPending = false;
    p.conn.FirstReadDone = false;
    disconnectWindow();
    window_.repaint();
    p.platform.clock.sleepMs(1000);
    steps_.clearForm();
}

void UnitConnection::DisplayStatusMsg(const QString& text) { ui.sbStatusBarPanel1->setText(text); }

void UnitConnection::stopFirstRead()
{
    firstReadStopped_ = true;
    disconnectWindow();
}
