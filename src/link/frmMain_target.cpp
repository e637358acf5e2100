// The main window's choice of where the link goes: the PC serial port and its line
// settings, the unit's IP address and TCP port, and the unit locator.
#include "app/Program.h"
#include "link/SharedRoutines.h"
#include "link/TargetEntries.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "link/frmCom.h"
#include "link/frmLocateIP.h"
#include "platform/Prompts.h"
#include "platform/TcpSocket.h"
#include "app/frmMain.h"
#include <QAction>
#include <QMenu>

namespace {
constexpr int PortCount = 10;
const QString DefaultComSettings = QStringLiteral("9600,N,8,1");

bool isPortNumber(int n) { return n >= 1 && n <= PortCount; }

void setTcpTarget(Program& p)
{
    p.platform.tcp.setRemoteHost(p.conn.UnitIPAddress);
    p.platform.tcp.setRemotePort(p.conn.EnetPort);
}
}   // namespace

void frmMain::connectTargetMenus()
{
    for (int i = 0; i < PortCount; ++i) {
        connect(ui.mnuComPort[i], &QAction::triggered, this, [this, i](bool checked) {
            // The entry has already flipped its own mark; SetupSerialPort decides the marks.
            ui.mnuComPort[i]->setChecked(!checked);
            mnuComPort_Click(i);
        });
    }
    connect(ui.mnuPortScan, &QAction::triggered, this, &frmMain::mnuPortScan_Click);
    connect(ui.mnuEnterIP, &QAction::triggered, this, &frmMain::mnuEnterIP_Click);
    connect(ui.mnuEthPort, &QAction::triggered, this, &frmMain::mnuEthPort_Click);
    connect(ui.mnuLocateIP, &QAction::triggered, this, &frmMain::mnuLocateIP_Click);
}

void frmMain::mnuComPort_Click(int index)
{
    SetupSerialPort(index + 1);
    ui.mnuCom->setTitle(SerialPortCaption(p.LinkObject.PortNumber()));
}

bool frmMain::SetupSerialPort(int portNumber)
{
    if (!isPortNumber(portNumber) || !ConfigPort(portNumber))
        return false;
    ClearComChecks();
    ui.mnuComPort[static_cast<size_t>(portNumber - 1)]->setChecked(true);
    return true;
}

void frmMain::ClearComChecks()
{
    for (QAction* entry : ui.mnuComPort)
        entry->setChecked(false);
}

bool frmMain::ConfigPort(int portNumber)
{
    if (!isPortNumber(portNumber))
        return false;
    OVLink& link = p.LinkObject;
    LinkDialogState& dlg = p.linkDialogs;
    dlg.ComDialogPort = static_cast<qint16>(portNumber);
    dlg.ComDialogSettings = portNumber == link.PortNumber() ? link.CommSettings() : DefaultComSettings;
    {
        frmCom dialog(p, this);
        p.platform.prompts.runModal(dialog);
    }
    const QString chosen = dlg.ComDialogSettings;
    if (chosen.isEmpty() || (chosen == link.CommSettings() && portNumber == link.PortNumber()))
        return false;
    link.setPortNumber(portNumber);
    link.setCommSettings(chosen);
    return true;
}

void frmMain::BuildComPortList()
{
    // Every entry is decided anew, so a port that has come back since the last scan shows again.
    for (int n = PortCount; n >= 1; --n)
        ui.mnuComPort[static_cast<size_t>(n - 1)]->setVisible(ComPortExists(p.platform.settings, n));
}

void frmMain::mnuPortScan_Click() { BuildComPortList(); }

void frmMain::mnuEnterIP_Click()
{
    ITcpSocket& socket = p.platform.tcp;
    const QString answer = p.platform.prompts.input(QStringLiteral("Enter IP Address (xxx.xxx.xxx.xxx)"),
                                                    QStringLiteral("IP Address"), socket.remoteHost());
    if (answer.isEmpty())
        return;
    if (!IsIPAddressEntry(answer)) {
        p.platform.prompts.message(QStringLiteral("Invalid Address"), QStringLiteral("Format Error"),
                                   PromptIcon::Exclamation);
        return;
    }
    const QString address = answer.trimmed();
    socket.setRemoteHost(address);
    p.conn.UnitIPAddress = address;
    ui.mnuEnterIP->setText(IPAddressCaption(address));
}

void frmMain::mnuEthPort_Click()
{
    ITcpSocket& socket = p.platform.tcp;
    const QString answer =
        p.platform.prompts.input(QStringLiteral("Enter Ethernet Port Number (1-65535)"),
                                 QStringLiteral("Ethernet Port"), QString::number(socket.remotePort()));
    const std::optional<qint32> port = EthernetPortEntry(answer);
    if (!port) {
        p.platform.prompts.message(QStringLiteral("Value out of range"), QStringLiteral("Ethernet Port Error"),
                                   PromptIcon::Exclamation);
        return;
    }
    p.conn.EnetPort = *port;
    socket.setRemotePort(*port);
    ui.mnuEthPort->setText(EthernetPortCaption(*port));
}

void frmMain::mnuLocateIP_Click()
{
    repaint();
    LinkDialogState& located = p.linkDialogs;
    located.LocatedTcpPort = 2000;
    located.LocatedIPAddress.clear();
    {
        frmLocateIP dialog(p, this);
        p.platform.prompts.runModal(dialog);
    }
    if (located.LocatedIPAddress.isEmpty())
        return;
    p.conn.UnitIPAddress = located.LocatedIPAddress;
    p.conn.EnetPort = located.LocatedTcpPort;
    ui.mnuEnterIP->setText(IPAddressCaption(p.conn.UnitIPAddress));
    ui.mnuEthPort->setText(EthernetPortCaption(p.conn.EnetPort));

    ITcpSocket& socket = p.platform.tcp;
    const bool willConnect = ui.mnuUseEnet->isChecked();
    // A connection that is up counts as connected also when the socket does not read 7: a
    // serial one ("Use Ethernet" ticked since), or a TCP one the unit has just closed.
    if (socket.state() == ITcpSocket::Connected || (p.txn.LinkUp && willConnect)) {
        // No poll may run against the old unit, nor before the new unit's first read.
        Timer1.stop();
        CloseConnection(p);
        EndConnection(p);
        setTcpTarget(p);
        ClearForm();
        if (!OpenConnection(p))
            ResetDroppedTcpLink(p);
        return;
    }
    setTcpTarget(p);
    if (willConnect)
        OpenConnection(p);
}
