#include "CmdFileWindow.h"
#include "support/SimUnitAcknowledge.h"
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
SimUnitProfile prepared(SimUnitProfile profile)
{
    profile.refuseAllUnknown();
    return profile;
}
}   // namespace

CmdFileWindow::CmdFileWindow(CmdFileLink link, const SimUnitProfile& profile) : link(link), unit(prepared(profile))
{
    unit.addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
    if (link == CmdFileLink::Tcp) {
        EXPECT_TRUE(tcpSim.listen());
        store.setText("Settings", "UseEnet", "True");
        store.setText("Settings", "UseIP", "127.0.0.1");
        store.setText("Settings", "EthPort", QString::number(tcpSim.port()));
    } else {
        EXPECT_TRUE(serialSim.start()) << serialSim.errorText().toStdString();
        serialSim.mapPort(store, 3);
        store.setText("Settings", "CurrentPort", "3");
    }
    program = std::make_unique<Program>(
        fakes.platform({.serial = &serial, .tcp = &socket, .clock = &clock, .settings = &store}));
    window = std::make_unique<frmMain>(*program);
}

CmdFileWindow::~CmdFileWindow()
{
    window.reset();
    p().LinkObject.setOpenPort(false);
}

bool CmdFileWindow::connect()
{
    w().Form_Load();
    w().btnConnect_Click();
    w().Timer1.stop();   // no poll queries between the file's commands
    p().conn.RemoteMode = true;
    const bool connected = w().ui.btnConnect->text() == "Disconnect";
    EXPECT_TRUE(connected);
    return connected;
}

QByteArray CmdFileWindow::save(const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    w().SaveCmdFile(path);
    return ReadFileBytes(path);
}
