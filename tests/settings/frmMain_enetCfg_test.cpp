// The "Ethernet Cfg" entry with the network settings dialog: the unit's settings are read
// back only after the dialog sent some, and the poll comes back as it was.
#include "LinkedWindow.h"
#include "app/Program.h"
#include "dialogs/frmEnetCfg.h"
#include "support/SimUnitAcknowledge.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList networkQueries(const QByteArrayList& commands)
{
    QStringList out;
    for (const QByteArray& c : commands)
        if (c.startsWith("PE"))
            out << QString::fromLatin1(c);
    return out;
}

}   // namespace

TEST(EthernetCfgEntry, ReadsTheSettingsBackOnlyAfterAChange)
{
    LinkedWindow u(UnitLink::Serial, QuickProfile(sspaProfile()));
    ASSERT_TRUE(u.ready());
    u.unit().addFeature(std::make_shared<SimUnitAcknowledgeSettings>());
    Program& p = u.p();
    p.unit.flags.EnetProcessorUnit = false;   // the unit is told to apply: "PES"
    for (const bool change : {false, true}) {
        SCOPED_TRACE(change ? "mask changed" : "nothing changed");
        u.clearLogs();
        p.LinkObject.setMsgTimeout(5.0f);
        float timeoutDuring = 0;
        u.prompts.modal = [&](QDialog& d) {
            auto& f = static_cast<frmEnetCfg&>(d);
            timeoutDuring = p.LinkObject.MsgTimeout();
            if (change)
                f.ui.txtNM2b->setText("255");
            f.ui.cmdOK->click();
            return f.result();
        };
        u.w().ui.mnuEnetCfg->trigger();
        EXPECT_EQ(u.prompts.modalRuns, change ? 2 : 1);
        EXPECT_FLOAT_EQ(timeoutDuring, 2.0f);
        EXPECT_EQ(networkQueries(u.unit().commands()),
                  change ? QStringList({"PEN255.255.0.0", "PES", "PEI?", "PEN?", "PER?", "PEM?", "PEO?"})
                         : QStringList());
        EXPECT_FLOAT_EQ(p.LinkObject.MsgTimeout(), 5.0f);
        EXPECT_FALSE(u.w().Timer1.isActive());   // a poll that was off stays off
    }
}
