#include "app/Program.h"
#include "support/TestProgram.h"
#include "app/frmMain.h"
#include "status/PowerUnits.h"
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class PowerUnitsTest : public ::testing::Test {
protected:
    TestProgram t;
    frmMain w{t.p()};

    QList<QLabel*> unitLabels() const
    {
        return {w.ui.Label64, w.ui.Label5, w.ui.Label8, w.ui.Label67, w.ui.Label69, w.ui.Label71, w.ui.Label6};
    }
};

TEST_F(PowerUnitsTest, SwitchingRelabelsAndConvertsTheBoxesAndBack)
{
    w.powerUnits().WritePowerBox(w.ui.txtFdBm, QStringLiteral("47.0"), 47.0f);
    w.powerUnits().WritePowerBox(w.ui.txtRdBm, QStringLiteral("< 20.0"), 20.0f);
    w.powerUnits().WritePowerBox(w.ui.txtConstLvl, QStringLiteral("10.0"), 10.0f);
    w.ui.txtFhiLvl->setText(QStringLiteral("47.0"));   // typed by the operator
    w.ui.txtFCnt->setText(QStringLiteral("12"));       // a forward count, not a drive power

    w.powerUnits().DisplayToWatts();
    EXPECT_TRUE(t.p().display.DisplayWatts);
    for (QLabel* l : unitLabels())
        EXPECT_EQ(l->text(), QStringLiteral("Watts")) << l->objectName().toStdString();
    EXPECT_EQ(w.ui.txtFdBm->text(), QStringLiteral("50.1"));
    EXPECT_EQ(w.ui.txtRdBm->text(), QStringLiteral("< 0.1"));
    EXPECT_EQ(w.ui.txtConstLvl->text(), QStringLiteral("0.0"));
    EXPECT_EQ(w.ui.txtFhiLvl->text(), QStringLiteral("50.1"));
    EXPECT_EQ(w.ui.txtFloLvl->text(), QString());
    EXPECT_EQ(w.ui.txtRhiLvl->text(), QString());
    EXPECT_EQ(w.ui.txtFCnt->text(), QStringLiteral("12"));

    w.powerUnits().DisplayTodBm();
    EXPECT_FALSE(t.p().display.DisplayWatts);
    for (QLabel* l : unitLabels())
        EXPECT_EQ(l->text(), QStringLiteral("dBm")) << l->objectName().toStdString();
    EXPECT_EQ(w.ui.txtFdBm->text(), QStringLiteral("47.0"));
    EXPECT_EQ(w.ui.txtRdBm->text(), QStringLiteral("< 20.0"));
    EXPECT_EQ(w.ui.txtConstLvl->text(), QStringLiteral("10.0"));
    EXPECT_EQ(w.ui.txtFhiLvl->text(), QStringLiteral("47.0"));
    EXPECT_EQ(w.ui.txtFloLvl->text(), QString());
}

TEST_F(PowerUnitsTest, TheDrivePowerBoxConvertsOnlyWhileItShowsDrivePower)
{
    t.p().unit.id.UnitModelCode = 7436;
    EXPECT_TRUE(w.powerUnits().CheckInputDriverPwrSupport());
    EXPECT_FALSE(w.ui.txtFCnt->isHidden());
    EXPECT_EQ(w.ui.Label6->text(), QStringLiteral("dBm"));
    w.ui.txtFCnt->setText(QStringLiteral("0.5"));
    w.powerUnits().DisplayToWatts();
    EXPECT_EQ(w.ui.txtFCnt->text(), QStringLiteral("0.001122"));
    w.ui.txtFCnt->clear();
    w.powerUnits().DisplayTodBm();
    EXPECT_EQ(w.ui.txtFCnt->text(), QString());
    EXPECT_EQ(w.ui.Label6->text(), QStringLiteral("dBm"));
}

TEST_F(PowerUnitsTest, ATextWrittenInTheOtherUnitConvertsFromItsOwnNumber)
{
    t.p().unit.id.UnitModelCode = 7436;
    w.powerUnits().CheckInputDriverPwrSupport();
    w.ui.txtFCnt->setText(QStringLiteral("0.5"));   // the drive power in dBm
    w.powerUnits().DisplayToWatts();
    w.powerUnits().DisplayTodBm();
    ASSERT_EQ(w.ui.txtFCnt->text(), QStringLiteral("0.5"));
    w.ui.txtFCnt->clear();   // a poll without an answer
    w.powerUnits().DisplayToWatts();
    w.ui.txtFCnt->setText(QStringLiteral("0.5"));   // the next poll: 0.5 W
    w.powerUnits().DisplayTodBm();
    EXPECT_EQ(w.ui.txtFCnt->text(), QStringLiteral("26.99"));

    // A level the program wrote in watts, cleared and typed again in dBm.
    w.powerUnits().DisplayToWatts();
    w.powerUnits().WritePowerBox(w.ui.txtConstLvl, QStringLiteral("50.1"), 47.0f);
    w.ui.txtConstLvl->clear();
    w.powerUnits().DisplayTodBm();
    w.ui.txtConstLvl->setText(QStringLiteral("50.1"));
    w.powerUnits().DisplayToWatts();
    EXPECT_EQ(w.ui.txtConstLvl->text(), QStringLiteral("102.3"));
}

TEST_F(PowerUnitsTest, DrivePowerBoxFollowsTheUnitAndTheDisplayUnit)
{
    struct Case {
        const char* firmware;
        qint32 model;
        bool watts;
        bool shown;
        const char* label6;
    };
    const Case cases[] = {
        {"672-7415-007", 7415, false, true, "dBm"},
        {"672-5384-001", 5384, true, true, "Watts"},
        {"672-7415-008", 7415, true, false, "Count"},
        {"", -1, false, false, "Count"},
    };
    for (const Case& c : cases) {
        t.p().unit.id.FirmwarePartNo = QString::fromLatin1(c.firmware);
        t.p().unit.id.UnitModelCode = c.model;
        t.p().display.DisplayWatts = c.watts;
        EXPECT_EQ(w.powerUnits().CheckInputDriverPwrSupport(), c.shown) << c.firmware;
        EXPECT_EQ(t.p().display.DrivePowerShown, c.shown);
        EXPECT_EQ(w.ui.txtFCnt->isHidden(), !c.shown);
        EXPECT_EQ(w.ui.Label6->isHidden(), !c.shown);
        EXPECT_EQ(w.ui.Label6->text(), QString::fromLatin1(c.label6));
    }
    // Clearing the window turns the display off whatever the unit was.
    t.p().unit.id.UnitModelCode = 7467;
    w.powerUnits().CheckInputDriverPwrSupport();
    w.powerUnits().DisplayDrivePower(false);
    EXPECT_TRUE(t.p().display.DrivePowerSupported);
    EXPECT_FALSE(t.p().display.DrivePowerShown);
    EXPECT_TRUE(w.ui.txtFCnt->isHidden());
    EXPECT_EQ(w.ui.Label6->text(), QStringLiteral("Count"));
}

}   // namespace
