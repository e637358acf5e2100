// The power-save dialog: the level list and the mode box filled from the stored values, OK
// against the simulated unit over the pseudo-terminal and loopback TCP (level, then mode,
// each only when changed and kept only when the unit took it), local mode, the keyboard.
#include "DialogKeyboard.h"
#include "SettingsUnit.h"
#include "dialogs/FrmPowerSave.h"
#include "status/QStringPrint.h"
#include "support/TestProgram.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(FrmPowerSave, OkSendsTheLevelThenTheModeEachOnlyWhenChanged)
{
    struct Case {
        const char* what;
        qint16 mode, level;   // stored
        int chosen;           // list entry chosen; -1 leaves the list as it opened
        bool checked;
        QStringList sent;
    };
    const Case cases[] = {
        {"both", 0, 3, 7, true, {"NP7", "N1"}},
        {"level 0 as its digit", 1, 5, 0, true, {"NP0"}},
        {"unchanged", 1, 0, -1, true, {}},
        {"level unreported", 1, -1, -1, false, {"N0"}},
        {"level out of range", 0, 9, -1, true, {"N1"}},
        // A mode the box cannot show is no change while the box stays as it opened.
        {"mode 2 untouched", 2, 3, -1, false, {}},
        {"mode unreported untouched", -1, 3, -1, false, {}},
        {"mode 2, box ticked", 2, 3, -1, true, {"N1"}},
    };
    ForEachCaseTakenAndRefused<Case>(cases, [](SettingsUnit& u, const Case& k, bool refused) {
        SCOPED_TRACE(k.what);
        UnitConfig& c = u.p().unit.config;
        c.PowerSaveMode = k.mode;
        c.PowerSaveLevel = k.level;
        FrmPowerSave d(u.p());
        const bool listed = k.level >= 0 && k.level <= 7;
        EXPECT_EQ(d.ui.cmbPowerLevel->isHidden(), !listed);
        EXPECT_EQ(d.ui.lblPowerLevel->isHidden(), !listed);
        EXPECT_EQ(d.ui.cmbPowerLevel->currentIndex(), listed ? k.level : -1);
        EXPECT_EQ(d.ui.chkPowerMode->isChecked(), k.mode == 1);
        const bool closed = u.show<FrmPowerSave>(d, [&](FrmPowerSave& f) {
            if (k.chosen >= 0)
                f.ui.cmbPowerLevel->setCurrentIndex(k.chosen);
            f.ui.chkPowerMode->setChecked(k.checked);
            f.ui.OKButton->click();
        });
        EXPECT_TRUE(closed);
        EXPECT_EQ(u.sent(), k.sent);
        EXPECT_EQ(c.PowerSaveLevel, k.chosen >= 0 && !refused ? k.chosen : k.level);
        const bool modeSent = k.sent.contains("N0") || k.sent.contains("N1");
        EXPECT_EQ(c.PowerSaveMode, modeSent && !refused ? qint16(k.checked) : k.mode);
    });
}

TEST(FrmPowerSave, LocalModeShowsItsOwnBoxAndClosesWithoutSending)
{
    TestProgram t;
    t.p().unit.config.PowerSaveMode = 0;
    t.p().unit.config.PowerSaveLevel = 2;
    FrmPowerSave d(t.p());
    d.ui.chkPowerMode->setChecked(true);
    d.ui.cmbPowerLevel->setCurrentIndex(4);
    d.ui.OKButton->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(t.commands.isEmpty());
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Not in Remote Mode!");
    EXPECT_EQ(t.prompts.boxes[0].title, "NOT REMOTE MODE");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(t.p().unit.config.PowerSaveLevel, 2);
}

TEST(FrmPowerSave, TheListAndTheKeyboard)
{
    TestProgram t;
    t.p().conn.RemoteMode = true;
    t.p().unit.config.PowerSaveMode = 1;
    t.p().unit.config.PowerSaveLevel = 7;
    FrmPowerSave d(t.p());
    EXPECT_EQ(d.windowTitle(), "Power Save Mode");
    EXPECT_EQ(d.ui.Frame1->title(), "Status");
    EXPECT_EQ(d.ui.chkPowerMode->text(), "  Enabled");
    EXPECT_EQ(d.ui.cmbPowerLevel->currentText(), "7 (Max)");
    EXPECT_EQ(d.ui.cmbPowerLevel->itemText(0), "0 (Min)");
    ExpectBoxesNamed(d);
    EXPECT_EQ(TabChain(d, d.ui.chkPowerMode),
              QStringList({"chkPowerMode", "cmbPowerLevel", "OKButton", "CancelButton"}));
    d.ui.chkPowerMode->setFocus();
    QTest::keyClick(d.ui.chkPowerMode, Qt::Key_Space);
    EXPECT_TRUE(EscCloses(d));
    EXPECT_TRUE(t.commands.isEmpty());
    EXPECT_EQ(t.p().unit.config.PowerSaveMode, 1);
}
