// Where Connect goes over TCP, through the main window on loopback: to the address and port
// the operator chose, whatever address the unit reports for itself; to a new address set in
// Ethernet Cfg only once the operator has the unit reset. Judged by what each simulated unit
// received. The second unit listens on 127.0.0.9, on the first unit's port.
#include "app/MenuDialogRunner.h"
#include "support/EnetCfgScript.h"
#include "support/LinkedMainWindow.h"
#include "support/SimUnitAcknowledge.h"
#include "status/UnitConnection.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The window linked to a unit on 127.0.0.1, and another unit on 127.0.0.9 with its port.
struct TwoUnits : LinkedMainWindow {
    explicit TwoUnits(const SimUnitProfile& first) : LinkedMainWindow(UnitLink::Tcp, first)
    {
        unit.addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
        EXPECT_TRUE(otherSim.listen(QHostAddress(QStringLiteral("127.0.0.9")), tcpSim.port()));
    }
    void disconnect()
    {
        if (w().ui.btnConnect->text() == "Disconnect")
            w().connection().btnConnect_Click();
    }
    // The captions and the stored settings at exit show `host` and the units' port.
    void expectTarget(const QString& host)
    {
        EXPECT_EQ(w().ui.mnuEnterIP->text(), "IP Address:    " + host);
        EXPECT_EQ(w().ui.mnuEthPort->text(), "Ethernet Port:" + QString::number(tcpSim.port()));
        prompts.inputAnswers << QString();   // the IP Address box proposes it; Cancel
        w().ui.mnuEnterIP->trigger();
        EXPECT_EQ(prompts.lastProposed, host);
        w().Form_Unload();
        EXPECT_EQ(store.getText("Settings", "UseIP", QString()), host);
    }

    SimUnit other{QuickProfile(sspaProfile())};
    SimUnitTcp otherSim{other};
};

SimUnitProfile reportingItsAddress(const QByteArray& reply)
{
    SimUnitProfile profile = sspaProfile();
    profile.set("PEI?", reply);
    return QuickProfile(profile);
}

}   // namespace

TEST(TcpTarget, AUnitReportingAnotherAddressIsReachedWhereTheOperatorChose)
{
    TwoUnits t(reportingItsAddress("PEI127.0.0.9"));
    ASSERT_TRUE(t.connect());
    EXPECT_EQ(t.socket.remoteHost(), "127.0.0.1");
    // The unit's own address fills the network dialog.
    frmEnetCfg dialog(t.p(), t.p().dialogs);
    EXPECT_EQ(dialog.ui.txtIP4b->text(), "9");

    t.disconnect();
    t.unit.clearCommands();
    ASSERT_TRUE(t.connect());
    EXPECT_TRUE(t.unit.commands().contains("YT"));
    EXPECT_EQ(t.otherSim.connectionsAccepted, 0);
    EXPECT_TRUE(t.other.commands().isEmpty());
    t.expectTarget("127.0.0.1");
}

TEST(TcpTarget, EthernetCfgFollowsTheUnitToItsNewAddressOnlyOnYes)
{
    for (const PromptAnswer reset : {PromptAnswer::No, PromptAnswer::Yes}) {
        const bool follows = reset == PromptAnswer::Yes;
        SCOPED_TRACE(follows ? "Yes" : "No");
        TwoUnits t(QuickProfile(twtaProfile()));   // a unit that must be reset for new settings
        ASSERT_TRUE(t.connect());
        t.prompts.answers = {reset};
        ScriptNewUnitAddress(t.prompts, "9");
        t.w().menuDialogs().RunMenuDialog(MenuDialog::EnetCfg);
        EXPECT_TRUE(t.unit.commands().contains("PEI127.0.0.9"));
        EXPECT_EQ(t.w().ui.mnuEnterIP->text(), follows ? "IP Address:    127.0.0.9" : "IP Address:    127.0.0.1");

        t.disconnect();
        t.unit.clearCommands();
        ASSERT_TRUE(t.connect());
        EXPECT_EQ(t.otherSim.connectionsAccepted, follows ? 1 : 0);
        EXPECT_EQ(t.other.commands().contains("YT"), follows);
        EXPECT_EQ(t.unit.commands().contains("YT"), !follows);
        t.expectTarget(follows ? "127.0.0.9" : "127.0.0.1");
    }
}
