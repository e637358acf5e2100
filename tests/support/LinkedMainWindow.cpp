#include "support/LinkedMainWindow.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

LinkedMainWindow::LinkedMainWindow(UnitLink l, const SimUnitProfile& profile, bool searchAddresses)
    : link(l), unit(profile)
{
    storeLink(searchAddresses);
    program = std::make_unique<Program>(
        fakes.platform({.serial = &serial, .tcp = &socket, .clock = &clock, .settings = &store}));
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

// The one place a window's link is chosen: the settings an operator would have saved.
void LinkedMainWindow::storeLink(bool searchAddresses)
{
    if (link == UnitLink::Tcp) {
        EXPECT_TRUE(tcpSim.listen());
        store.setText("Settings", "UseEnet", "True");
        store.setText("Settings", "UseIP", "127.0.0.1");
        store.setText("Settings", "EthPort", QString::number(tcpSim.port()));
    } else {
        EXPECT_TRUE(serialSim.start()) << serialSim.errorText().toStdString();
        serialSim.mapPort(store, 3);
        store.setText("Settings", "CurrentPort", "3");
        if (!searchAddresses)
            store.setText("Settings", "PollStatus", "1");
    }
}

bool LinkedMainWindow::connect()
{
    w().connection().btnConnect_Click();
    w().Timer1.stop();
    const bool connected = w().ui.btnConnect->text() == "Disconnect";
    EXPECT_TRUE(connected);
    return connected;
}

QStringList LinkedMainWindow::boxes() const
{
    QStringList out;
    for (const FakePrompts::Box& b : prompts.boxes)
        out << b.title + ": " + b.text;
    return out;
}
