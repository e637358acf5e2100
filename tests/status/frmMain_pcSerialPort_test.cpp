// The PC's own serial port through the main window: a port that cannot be opened, and one
// lost while the window is connected, are named with the system's reason, and no unit is
// searched on a port that cannot be opened.
#include "app/MenuDialogRunner.h"
#include "support/EnetCfgScript.h"
#include "support/LinkedMainWindow.h"
#include "support/SimUnitAcknowledge.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void expectReadyToConnect(LinkedMainWindow& t)
{
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_TRUE(t.w().ui.mnuConnect->isEnabled());
    EXPECT_FALSE(t.p().txn.LinkUp);
}

}   // namespace

TEST(PcSerialPort, APortThatCannotBeOpenedIsNamedAndNotSearched)
{
    for (const bool search : {false, true}) {
        SCOPED_TRACE(search ? "search" : "one address");
        LinkedMainWindow t(UnitLink::Serial, QuickProfile(sspaProfile()), search);
        const QString missing = t.tmp.filePath("ttyUSB-gone");
        t.store.setText("SerialPorts", "COM3", missing);
        QStringList shown;
        t.clock.onProcessEvents = [&] { shown << t.w().ui.sbStatusBarPanel1->text(); };

        t.w().connection().btnConnect_Click();
        EXPECT_EQ(t.boxes(), QStringList({"Communication Error: COM3 (" + missing +
                                          ") could not be opened: No such file or directory."}));
        EXPECT_TRUE(t.unit.commands().isEmpty());
        EXPECT_TRUE(shown.filter("Searching").isEmpty());
        expectReadyToConnect(t);
    }
}

// Unplugged while a dialog waits on the unit: the box names the port; the poll then drops the
// window to "Connect", and the next Connect names the port that is gone.
TEST(PcSerialPort, APortLostWhileInUseIsNamed)
{
    LinkedMainWindow t(UnitLink::Serial, QuickProfile(sspaProfile()));
    t.unit.addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
    ASSERT_TRUE(t.connect());
    const QString port = "COM3 (" + t.serialSim.devicePath() + ")";
    t.unit.editProfile([](SimUnitProfile& pr) { pr.behaviour["PEI127.0.0.9"].kind = SimBehaviour::DropConnection; });
    ScriptNewUnitAddress(t.prompts, "9");
    t.w().menuDialogs().RunMenuDialog(MenuDialog::EnetCfg);
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "Communication Error");
    EXPECT_TRUE(t.prompts.boxes[0].text.startsWith(port + " is no longer available: "))
        << t.prompts.boxes[0].text.toStdString();

    for (int i = 0; i < 3; ++i)
        t.w().Timer1_Timer();
    expectReadyToConnect(t);

    t.prompts.boxes.clear();
    t.w().connection().btnConnect_Click();
    EXPECT_EQ(t.boxes(),
              QStringList({"Communication Error: " + port + " could not be opened: No such file or directory."}));
    expectReadyToConnect(t);
}
