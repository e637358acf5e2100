// The main window's choice of where the link goes: the PC serial port and its line
// settings, the unit's IP address and TCP port, and the unit locator.
#include "link/LinkContext.h"
#include "link/UserSettings.h"
#include "link/SharedRoutines.h"
#include "link/TargetEntries.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "link/frmCom.h"
#include "link/frmLocateIP.h"
#include "platform/Prompts.h"
#include "platform/TcpSocket.h"
#include "settings/TargetMenus.h"
#include "ui/frmMainUi.h"
#include <QTimer>
#include <QAction>
#include <QMenu>

namespace {
constexpr int PortCount = 10;
const QString DefaultComSettings = QStringLiteral("9600,N,8,1");

bool isPortNumber(int n) { return n >= 1 && n <= PortCount; }
}   // namespace

TargetMenus::TargetMenus(LinkContext& p, const frmMainUi& controls, QWidget& window, QTimer& Timer1,
                         std::function<void()> clearForm)
    : p(p), window_(window), Timer1(Timer1), clearForm_(std::move(clearForm)), ui{.mnuAdvSrch = controls.mnuAdvSrch,
                                                                                  .mnuCom = controls.mnuCom,
                                                                                  .mnuComPort = controls.mnuComPort,
                                                                                  .mnuPollEn = controls.mnuPollEn,
                                                                                  .mnuPollAdrs = controls.mnuPollAdrs,
                                                                                  .mnuUseEnet = controls.mnuUseEnet,
                                                                                  .mnuEnterIP = controls.mnuEnterIP,
                                                                                  .mnuEthPort = controls.mnuEthPort}
{
}

void TargetMenus::mnuComPort_Click(int index)
{
    SetupSerialPort(index + 1);
    ui.mnuCom->setTitle(SerialPortCaption(p.LinkObject.PortNumber()));
}

bool TargetMenus::SetupSerialPort(int portNumber)
{
    if (!isPortNumber(portNumber) || !ConfigPort(portNumber))
        return false;
    ClearComChecks();
    ui.mnuComPort[static_cast<size_t>(portNumber - 1)]->setChecked(true);
    return true;
}

void TargetMenus::ClearComChecks()
{
    for (QAction* entry : ui.mnuComPort)
        entry->setChecked(false);
}

bool TargetMenus::ConfigPort(int portNumber)
{
    if (!isPortNumber(portNumber))
        return false;
    OVLink& link = p.LinkObject;
    LinkDialogState& dlg = p.linkDialogs;
    dlg.ComDialogPort = static_cast<qint16>(portNumber);
    dlg.ComDialogSettings = portNumber == link.PortNumber() ? link.CommSettings() : DefaultComSettings;
    {
        frmCom dialog(p, &window_);
        p.platform.prompts.runModal(dialog);
    }
    const QString chosen = dlg.ComDialogSettings;
    if (chosen.isEmpty() || (chosen == link.CommSettings() && portNumber == link.PortNumber()))
        return false;
    link.setPortNumber(portNumber);
    link.setCommSettings(chosen);
    return true;
}

void TargetMenus::BuildComPortList()
{
    // Every entry is decided anew, so a port that has come back since the last scan shows again.
    for (int n = PortCount; n >= 1; --n)
        ui.mnuComPort[static_cast<size_t>(n - 1)]->setVisible(ComPortExists(p.platform.settings, n));
}

void TargetMenus::mnuPortScan_Click() { BuildComPortList(); }

void TargetMenus::mnuEnterIP_Click()
{
    const QString answer = p.platform.prompts.input(QStringLiteral("Enter IP Address (xxx.xxx.xxx.xxx)"),
                                                    QStringLiteral("IP Address"), p.conn.UnitIPAddress);
    if (answer.isEmpty())
        return;
    if (!IsIPAddressEntry(answer)) {
        p.platform.prompts.message(QStringLiteral("Invalid Address"), QStringLiteral("Format Error"),
                                   PromptIcon::Exclamation);
        return;
    }
    SetTcpTarget(p, answer.trimmed(), p.conn.EnetPort);
    ShowTcpTarget();
}

void TargetMenus::mnuEthPort_Click()
{
    const QString answer = p.platform.prompts.input(QStringLiteral("Enter Ethernet Port Number (1-65535)"),
                                                    QStringLiteral("Ethernet Port"), QString::number(p.conn.EnetPort));
    const std::optional<qint32> port = EthernetPortEntry(answer);
    if (!port) {
        p.platform.prompts.message(QStringLiteral("Value out of range"), QStringLiteral("Ethernet Port Error"),
                                   PromptIcon::Exclamation);
        return;
    }
    SetTcpTarget(p, p.conn.UnitIPAddress, *port);
    ShowTcpTarget();
}

void TargetMenus::mnuLocateIP_Click()
{
    window_.repaint();
    LinkDialogState& located = p.linkDialogs;
    located.LocatedTcpPort = 2000;
    located.LocatedIPAddress.clear();
    {
        frmLocateIP dialog(p, &window_);
        p.platform.prompts.runModal(dialog);
    }
    if (located.LocatedIPAddress.isEmpty())
        return;
    SetTcpTarget(p, located.LocatedIPAddress, located.LocatedTcpPort);
    ShowTcpTarget();
    const bool willConnect = ui.mnuUseEnet->isChecked();
    // A connection that is up counts as connected also when the socket does not read 7: a
    // serial one ("Use Ethernet" ticked since), or a TCP one the unit has just closed.
    if (p.platform.tcp.state() == ITcpSocket::Connected || (p.txn.LinkUp && willConnect)) {
        // No poll may run against the old unit, nor before the new unit's first read.
        Timer1.stop();
        CloseConnection(p);
        EndConnection(p);
        clearForm_();
        if (!OpenConnection(p))
            ResetDroppedTcpLink(p);
        return;
    }
    if (willConnect)
        OpenConnection(p);
}

void TargetMenus::InitDefaultComPort()
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

    SetTcpTarget(p, stored.UseIP, stored.EthPort);
    ShowTcpTarget();

    p.conn.UseEnet = stored.UseEnet;
    if (p.conn.UseEnet)
        ui.mnuUseEnet->setChecked(true);
}

void TargetMenus::ShowTcpTarget()
{
    ui.mnuEnterIP->setText(IPAddressCaption(p.conn.UnitIPAddress));
    ui.mnuEthPort->setText(EthernetPortCaption(p.conn.EnetPort));
}
