#include "support/LinkedMainWindow.h"
#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

LinkedMainWindow::LinkedMainWindow(bool overTcp, const SimUnitProfile& profile) : unit(profile)
{
    if (overTcp) {
        EXPECT_TRUE(tcpSim.listen());
        store.setText("Settings", "UseEnet", "True");
        store.setText("Settings", "UseIP", "127.0.0.1");
        store.setText("Settings", "EthPort", QString::number(tcpSim.port()));
    } else {
        EXPECT_TRUE(serialSim.start()) << serialSim.errorText().toStdString();
        serialSim.mapPort(store, 3);
        store.setText("Settings", "CurrentPort", "3");
        store.setText("Settings", "PollStatus", "1");
    }
    program =
        std::make_unique<Program>(fakes.platform({.serial = overTcp ? static_cast<ISerialControl*>(&noSerial) : &serial,
                                                  .tcp = &socket,
                                                  .clock = &clock,
                                                  .prompts = &prompts,
                                                  .settings = &store}));
    window = std::make_unique<frmMain>(*program);
    w().Form_Load();
    // Only a connected window reads "Disconnect" on its button when it enables its unit
    // menus (the first read's end, and EnableForm afterwards).
    watcher = std::make_unique<QObject>();
    QObject::connect(w().ui.mnuReboot, &QAction::enabledChanged, watcher.get(), [this](bool on) {
        disconnectShown = disconnectShown || (on && w().ui.btnConnect->text() == "Disconnect");
    });
}

LinkedMainWindow::~LinkedMainWindow()
{
    watcher.reset();
    window.reset();
    program->LinkObject.setOpenPort(false);
}
