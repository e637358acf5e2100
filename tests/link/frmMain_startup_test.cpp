// Loading and unloading the main window: the first run, the stored settings that change the
// menus, the settings surviving a restart, and closing while a handler waits.
#include "app/Program.h"
#include "link/Transaction.h"
#include "platform/QtSettingsStore.h"
#include "support/MainWindowProgram.h"
#include "status/UnitConnection.h"
#include "settings/SettingMenus.h"
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Startup, FirstRunWithNothingStored)
{
    MainWindowProgram t;
    t.w().show();   // showing the window loads it
    const frmMainUi& ui = t.w().ui;
    const OVLink& link = t.p().LinkObject;
    EXPECT_EQ(t.w().windowTitle(), "Tubamon Utility");
    EXPECT_EQ(link.PortNumber(), 1);
    EXPECT_EQ(link.CommSettings(), "9600,N,8,1");
    EXPECT_EQ(link.DeviceAddress(), "A");
    EXPECT_FLOAT_EQ(link.MsgTimeout(), 2.0f);
    EXPECT_FALSE(t.p().conn.UseEnet);
    EXPECT_EQ(t.p().conn.PollAddress, 65);
    EXPECT_EQ(t.p().conn.UnitIPAddress, "10.0.0.254");
    EXPECT_EQ(t.tcp.host, "10.0.0.254");
    EXPECT_EQ(t.tcp.port, 2000);
    EXPECT_FALSE(t.p().display.DisplayWatts);
    EXPECT_FLOAT_EQ(t.p().display.RrfFloor, 27.0f);

    EXPECT_EQ(ui.mnuCom->title(), "Serial Port:   COM1");
    EXPECT_TRUE(ui.mnuComPort[0]->isChecked());
    EXPECT_EQ(ui.mnuPollAdrs->text(), "Poll Address A");
    EXPECT_EQ(ui.mnuEthPort->text(), "Ethernet Port:2000");
    EXPECT_EQ(ui.mnuEnterIP->text(), "IP Address:    10.0.0.254");
    EXPECT_FALSE(ui.mnuUseEnet->isChecked());
    EXPECT_FALSE(ui.mnuPollEn->isChecked());
    EXPECT_TRUE(ui.mnuAdvSrch->isEnabled());
    EXPECT_EQ(ui.mnuWatts->text(), "Display Watts");
    EXPECT_EQ(ui.btnConnect->text(), "Connect");
    EXPECT_TRUE(ui.Frame30->isHidden());

    // Cleared and disabled, nothing open, nothing running.
    EXPECT_TRUE(t.p().conn.FormUpdating);
    EXPECT_FALSE(ui.chkPS->isEnabled());
    EXPECT_FALSE(t.serial.open);
    EXPECT_EQ(t.tcp.connects, 0);
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_FALSE(t.p().txn.LinkUp);
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

TEST(Startup, StoredChoicesShowInTheMenus)
{
    MainWindowProgram t;
    auto& s = t.settings;
    s.setText("Settings", "CurrentPort", "4");
    s.setText("Settings", "PollStatus", "1");
    s.setText("Settings", "PollAddress", "75");
    s.setText("Settings", "UseEnet", "True");
    s.setText("Settings", "UnitsSetting", "True");
    s.setText("Settings", "UseIP", "127.0.0.5");
    s.setText("Settings", "EthPort", "2101");
    t.w().Form_Load();
    const frmMainUi& ui = t.w().ui;
    EXPECT_EQ(ui.mnuCom->title(), "Serial Port:   COM4");
    EXPECT_TRUE(ui.mnuComPort[3]->isChecked());
    EXPECT_TRUE(ui.mnuPollEn->isChecked());
    EXPECT_FALSE(ui.mnuAdvSrch->isEnabled());
    EXPECT_EQ(ui.mnuPollAdrs->text(), "Poll Address K");
    EXPECT_TRUE(ui.mnuUseEnet->isChecked());
    EXPECT_TRUE(t.p().conn.UseEnet);
    EXPECT_TRUE(t.p().display.DisplayWatts);
    EXPECT_EQ(ui.mnuWatts->text(), "Display dBm");
    EXPECT_EQ(ui.Label5->text(), "Watts");
    EXPECT_EQ(ui.mnuEnterIP->text(), "IP Address:    127.0.0.5");
    EXPECT_EQ(ui.mnuEthPort->text(), "Ethernet Port:2101");
    EXPECT_EQ(t.tcp.connects, 0);   // the stored link is used at the operator's connect only
}

TEST(Startup, SettingsChangedInARunComeBackAtTheNextStart)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    {
        QtSettingsStore store(ini);
        MainWindowProgram t({.settings = &store});
        t.w().Form_Load();
        t.p().LinkObject.setPortNumber(3);
        t.p().LinkObject.setCommSettings("19200,E,7,1");
        t.w().settingMenus().mnuPollEn_Click();
        t.prompts.inputAnswers << "K";
        t.w().settingMenus().mnuPollAdrs_Click();
        t.w().settingMenus().mnuUseEnet_Click();
        t.w().settingMenus().mnuWatts_Click();
        t.tcp.setRemoteHost("127.0.0.7");   // as the address entry or the locator sets it
        t.tcp.setRemotePort(2101);
        t.p().display.RrfFloor = 30.5f;
        t.p().files.CalFilePath = dir.filePath("cal");
        t.w().close();
        EXPECT_FALSE(t.serial.open);
        EXPECT_GE(t.tcp.closes, 1);
    }
    QtSettingsStore store(ini);
    EXPECT_EQ(store.getText("Settings", "FilePath", ""), dir.filePath("cal"));
    MainWindowProgram t({.settings = &store});
    t.w().Form_Load();
    EXPECT_EQ(t.p().LinkObject.PortNumber(), 3);
    EXPECT_EQ(t.p().LinkObject.CommSettings(), "19200,E,7,1");
    EXPECT_TRUE(t.w().ui.mnuPollEn->isChecked());
    EXPECT_FALSE(t.w().ui.mnuAdvSrch->isEnabled());
    EXPECT_EQ(t.p().conn.PollAddress, 'K');
    EXPECT_TRUE(t.p().conn.UseEnet);
    EXPECT_TRUE(t.p().display.DisplayWatts);
    EXPECT_EQ(t.tcp.host, "127.0.0.7");
    EXPECT_EQ(t.tcp.port, 2101);
    EXPECT_FLOAT_EQ(t.p().display.RrfFloor, 30.5f);
}

TEST(Startup, LineSettingsWrittenByHandWithoutQuotesAreRead)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nComSettings=4800,O,7,1\nUseIP=127.0.0.1\n");
    file.close();
    QtSettingsStore store(ini);
    MainWindowProgram t({.settings = &store});
    t.w().Form_Load();
    EXPECT_EQ(t.p().LinkObject.CommSettings(), "4800,O,7,1");
    t.w().close();
    EXPECT_EQ(QtSettingsStore(ini).getText("Settings", "ComSettings", ""), "4800,O,7,1");
}

TEST(Shutdown, NothingIsSentOrReopenedOnceUnloaded)
{
    MainWindowProgram t;
    t.replies["1"] = "1DD";
    // Silent on every other query but the status query the first read asks after three.
    t.replies["?!#("] = "?" + QByteArray(12, '@');
    t.replies["?!#9"] = "?" + QByteArray(9, '@');
    t.w().Form_Load();
    t.w().connection().btnConnect_Click();
    ASSERT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    ASSERT_TRUE(t.serial.open);
    QSignalSpy unloaded(&t.w(), &frmMain::unloaded);
    t.w().close();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(t.w().Timer1.isActive());
    EXPECT_FALSE(t.serial.open);
    const int opens = t.serial.opens;
    const qsizetype sent = t.commands.size();
    t.w().Timer1_Timer();
    EXPECT_FALSE(SendUnitCommand(t.p(), "1"));
    EXPECT_EQ(t.serial.opens, opens);
    EXPECT_EQ(t.commands.size(), sent);
    EXPECT_EQ(t.settings.values.value("Settings/CurrentPort"), "1");
}

TEST(Shutdown, ClosingDuringASearchClosesOnceTheSearchHasReturned)
{
    MainWindowProgram t;
    t.w().Form_Load();
    int probes = 0;
    t.serial.responder = [&](const QByteArray& frame) {
        probes += frame.startsWith('\x02') ? 1 : 0;
        return QByteArray();
    };
    QSignalSpy unloaded(&t.w(), &frmMain::unloaded);
    bool closedInside = true, enabledInside = true;
    t.clock.onProcessEvents = [&] {
        t.w().close();
        closedInside = unloaded.count() > 0;
        enabledInside = t.w().isEnabled();
    };
    t.w().connection().btnConnect_Click();
    EXPECT_FALSE(closedInside);
    EXPECT_FALSE(enabledInside);              // no new click can start anything meanwhile
    EXPECT_EQ(probes, 1);                     // the search ended at once
    EXPECT_TRUE(t.prompts.boxes.isEmpty());   // and reported nothing
    EXPECT_FALSE(t.settings.contains("Settings", "CurrentPort"));
    t.clock.onProcessEvents = nullptr;
    QCoreApplication::processEvents();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_TRUE(t.settings.contains("Settings", "CurrentPort"));
    EXPECT_FALSE(t.serial.open);
}

TEST(Shutdown, ACloseDuringATcpReplyWaitEndsTheWaitAtOnce)
{
    MainWindowProgram t;
    t.w().Form_Load();
    t.p().conn.UseEnet = true;
    t.tcp.st = ITcpSocket::Connected;   // a unit that never answers
    BeginConnection(t.p(), true);
    QSignalSpy unloaded(&t.w(), &frmMain::unloaded);
    t.clock.onProcessEvents = [&] { t.w().close(); };
    const qint64 start = t.clock.msNow();
    {
        BusyScope busy(t.w().handlerDepth());   // as a poll tick holds it
        EXPECT_FALSE(SendUnitCommand(t.p(), "?!#("));
        EXPECT_EQ(unloaded.count(), 0);
    }
    EXPECT_LT(t.clock.msNow() - start, 1000);   // not the 15 s reply wait
    t.clock.onProcessEvents = nullptr;
    QCoreApplication::processEvents();
    EXPECT_EQ(unloaded.count(), 1);
}

}   // namespace
