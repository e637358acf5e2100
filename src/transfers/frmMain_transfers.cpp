// The main window's download entries and what the downloads share of the window.
#include "app/Program.h"
#include "app/frmMain.h"
#include "link/TcpConnection.h"
#include "link/Transaction.h"
#include "transfers/LogDownload.h"
#include <QAction>

void frmMain::connectTransferMenus()
{
    connectCalTableMenus();
    connect(ui.mnuDnldFltLog, &QAction::triggered, this, [this] {
        BusyScope busy(*this);
        mnuDnldFltLog_Click();
    });
    connect(ui.mnuFullFaultLog, &QAction::triggered, this, [this] {
        BusyScope busy(*this);
        mnuFullFaultLog_Click();
    });
}

void frmMain::dropLinkLostInTransfer()
{
    // As the next command would find it: a closed TCP connection is reset, a vanished serial
    // device ends the connection as failed polls do. Nothing is sent to try the link again.
    if (RoutedOverEnet(p))
        ResetDroppedTcpLink(p);
    else
        dropLostLink();
}

LogDownloadContext frmMain::logDownloadContext()
{
    return {p, p.files, p.transfers, *this, [this] { dropLinkLostInTransfer(); }};
}
