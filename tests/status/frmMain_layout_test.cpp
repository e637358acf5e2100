#include "WindowFixture.h"
#include "ui/UpDown.h"
#include "status/WindowLayout.h"
#include "status/WindowStates.h"
#include "status/SubBands.h"
#include <gtest/gtest.h>

namespace {
// Units of both families for the layout tests.
QMap<QByteArray, QByteArray> twta6316() { return Scripted(twtaProfile()); }
QMap<QByteArray, QByteArray> twta7428()   // cathode-current display, full fault log of 1000
{
    return Scripted(twtaProfile(), {{"YT", "YTTWTA 672-7428-001"}, {"00", "07428-001/T7/5.40/Mar  3 2011"}});
}
QMap<QByteArray, QByteArray> sspa7467() { return Scripted(sspaProfile()); }   // network-discovery family
QMap<QByteArray, QByteArray> sspa5942DcInput()
{
    return Scripted(sspaProfile(), {{"YT", "YTSSPA 672-5942-002"}, {"00", "05942-002/S3/2.57/Jun  1 2010"}});
}
QMap<QByteArray, QByteArray> sspa7261CurrentSense()
{
    return Scripted(sspaProfile(), {{"YT", "YTSSPA 672-7261-001"}, {"00", "07261-001/S4/1.50/Jun  1 2009"}});
}
}   // namespace

TEST(WindowLayout, EachFamilyGetsItsFramesCaptionsAndMenus)
{
    WindowOnUnit tw;
    tw.connect(twta6316());
    const frmMainUi& u = tw.w.ui;
    EXPECT_EQ(tw.w.windowTitle(), "Tubamon Utility - TWTA");
    EXPECT_EQ(QStringList({u.Label19->text(), u.Label20->text(), u.Label31->text()}),
              QStringList({"Htr:", "Beam:", "HV On"}));
    EXPECT_FALSE(u.Frame30->isHidden());
    EXPECT_TRUE(u.Frame14->isHidden());
    // Model 6316 shows the heater current in the helix/heater frame.
    EXPECT_EQ(QStringList({u.Label85->text(), u.Label86->text(), u.Label88->text(), u.Label90->text(), u.Label9->text(),
                           u.Label10->text()}),
              QStringList({"Hlx V:", "Hlx I:", "Htr V:", "V", "Htr I:", "A"}));
    EXPECT_FALSE(u.txtHelix2I->isHidden());
    // Cathode-current monitoring on ("PBFS2"): the anode and cathode items are shown.
    EXPECT_FALSE(u.txtCathI->isHidden());
    EXPECT_FALSE(u.Label18->isHidden());
    // "QEC" answers a five-character text.
    EXPECT_EQ(u.lblTWTLife->text(), "???");
    EXPECT_FALSE(u.lblTWTSrvc->isHidden());
    for (QAction* a : {u.mnuPLog, u.mnuFullFaultLog, u.mnuHtrStby, u.mnuHeaterState, u.mnuCalFactor, u.mnuAmpCom})
        EXPECT_TRUE(a->isVisible()) << a->objectName().toStdString();
    EXPECT_TRUE(u.mnuHtrStby->isChecked());
    EXPECT_TRUE(u.mnuHtrStby->isEnabled());
    EXPECT_FALSE(u.mnuAutoHVDisable->isChecked());   // "PBA1"
    const Program& p = tw.t.p();
    EXPECT_EQ(p.unit.features.FullFaultLogSize, 500);
    EXPECT_EQ(p.unit.features.HelixCurrentRatio, 20);
    EXPECT_EQ(p.unit.features.HelixCurrentTripLevel, "12.5");
    EXPECT_EQ(p.unit.cathode.CathodeCurrentScalar, 2048);
    EXPECT_EQ(p.unit.cathode.AnodeVoltage, 1200);
    EXPECT_EQ(p.unit.id.ModelCfgPartNo, "672-6316-103");
    EXPECT_TRUE(p.unit.features.HasXmitRestore);
    EXPECT_FALSE(p.unit.features.XmitRestoreDisabled);
    EXPECT_EQ(p.unit.features.FanControlTemp, 45);

    WindowOnUnit ss;
    ss.connect(sspa7467());
    const frmMainUi& v = ss.w.ui;
    EXPECT_EQ(ss.w.windowTitle(), "Tubamon Utility - SSPA");
    EXPECT_EQ(QStringList({v.Label19->text(), v.Label20->text(), v.Label31->text()}),
              QStringList({"PS:", "Xmtr:", "Tx On"}));
    EXPECT_TRUE(v.Frame30->isHidden());
    EXPECT_TRUE(v.Frame14->isHidden());   // a network-processor unit
    EXPECT_TRUE(v.mnuISense->isVisible() == false);
    EXPECT_FALSE(v.Frame27->isHidden());
    EXPECT_FALSE(v.Frame20->isHidden());
    // The network-discovery family shows its downlink attenuation count.
    EXPECT_EQ(v.Label2->text(), "FBDC");
    EXPECT_FALSE(v.Label2->isHidden());
    EXPECT_FALSE(v.UpDown2->isHidden());
    EXPECT_EQ(v.txtAtnCnt->text(), "0512");
    EXPECT_FALSE(v.mnuPLog->isVisible());   // ".P349 0"
    EXPECT_FALSE(v.mnuFullFaultLog->isVisible());
    EXPECT_FALSE(v.mnuHeaterState->isVisible());
    EXPECT_EQ(ss.t.p().unit.features.HelixCurrentRatio, -1);
}

TEST(WindowLayout, SwitchingFamiliesGivesTheWindowOfEachUnitAlone)
{
    struct Unit {
        const char* name;
        QMap<QByteArray, QByteArray> replies;
        bool dualTwta, monitorDcInput;
    };
    const Unit units[] = {
        {"TWTA 7428", twta7428(), false, false},
        {"SSPA 7467", sspa7467(), false, false},
        {"dual-tube TWTA 6316", twta6316(), true, false},
        {"SSPA 5942 DC input", sspa5942DcInput(), false, true},
        {"SSPA 7261 current sense", sspa7261CurrentSense(), false, false},
        {"TWTA 6316", twta6316(), false, false},
        {"TWTA 6316 without heater menus", Scripted(twtaProfile(), {{"PBH?", nullptr}, {":?", nullptr}}), false, false},
        {"SSPA 7467 again", sspa7467(), false, false},
        {"SSPA 5363 (no RF band frame)",
         Scripted(sspaProfile(), {{"YT", "YTSSPA 672-5363-001"}, {"00", "05363-001/S6/1.20/Jun  1 2009"}}), false,
         false},
        {"TWTA 7428 after it", twta7428(), false, false},
        {"TWTA 7415 (fault-log menu as it is)",
         Scripted(twtaProfile(), {{"YT", "YTTWTA 672-7415-001"}, {"00", "07415-001/T8/5.40/Mar  3 2011"}}), false,
         false},
    };
    WindowOnUnit one;
    for (const Unit& u : units) {
        one.connect(u.replies, u.dualTwta, u.monitorDcInput);
        WindowOnUnit alone;
        alone.connect(u.replies, u.dualTwta, u.monitorDcInput);
        EXPECT_EQ(SnapshotDifference(WindowSnapshot(one.w), WindowSnapshot(alone.w)), "") << u.name;
        EXPECT_EQ(LayoutStateSnapshot(one.t.p()), LayoutStateSnapshot(alone.t.p())) << u.name;
    }
}

TEST(WindowLayout, AUnitWithoutSubBandsKeepsNoSubBandCaptionOfTheUnitBefore)
{
    const QMap<QByteArray, QByteArray> fourSubBands =
        Scripted(twtaProfile(), {{"PBS1?", "PBS113.75"}, {"PBS4?", "PBS414.75"}, {"PBS?", "PBS414.75"}});
    const QMap<QByteArray, QByteArray> noSubBands =
        Scripted(sspaProfile(), {{"PBS?", nullptr}, {"PBS1?", nullptr}, {"PBS2?", nullptr}, {"PBS3?", nullptr}});
    struct Step {
        const char* name;
        const QMap<QByteArray, QByteArray>* replies;
    };
    const Step steps[] = {{"tube, four sub-bands", &fourSubBands},
                          {"solid-state, no sub-bands", &noSubBands},
                          {"tube again", &fourSubBands}};
    auto connectWithSubBands = [](WindowOnUnit& w, const QMap<QByteArray, QByteArray>& replies) {
        w.connect(replies);
        w.w.bands().UpdateSubBands();   // as the first read builds the menu
    };
    WindowOnUnit one;
    for (const Step& s : steps) {
        connectWithSubBands(one, *s.replies);
        WindowOnUnit alone;
        connectWithSubBands(alone, *s.replies);
        // The snapshot holds every menu item's caption, hidden ones too.
        EXPECT_EQ(SnapshotDifference(WindowSnapshot(one.w), WindowSnapshot(alone.w)), "") << s.name;
    }
    EXPECT_EQ(one.w.ui.mnuSubB4->text(), "#4   14.75 GHz");
    // Cleared, the window's menus carry every caption a fresh start has.
    auto menuCaptions = [](const frmMain& w) {
        QStringList captions;
        for (const QString& line : WindowSnapshot(w).split('\n'))
            if (line.startsWith("menu "))
                captions << line.left(line.lastIndexOf('\'') + 1);
        return captions.join('\n');
    };
    one.w.states().ClearForm();
    one.w.states().DisableForm();
    WindowOnUnit fresh;
    EXPECT_EQ(SnapshotDifference(menuCaptions(one.w), menuCaptions(fresh.w)), "");
    EXPECT_EQ(one.w.ui.mnuSubB1->text(), "#1   ");
}

TEST(WindowLayout, CurrentSenseFrameForms)
{
    WindowOnUnit dc;
    dc.connect(sspa5942DcInput(), false, true);
    const frmMainUi& u = dc.w.ui;
    EXPECT_FALSE(u.Frame14->isHidden());
    EXPECT_EQ(u.Frame14->title(), "DC Input Voltage");
    EXPECT_EQ(QList<int>({twips::Left(u.Frame14), twips::Width(u.Frame14), twips::Height(u.Frame14)}),
              QList<int>({6360, 1575, 735}));
    EXPECT_EQ(twips::Top(u.txtCS2), 360);
    EXPECT_EQ(twips::Top(u.Label26), 420);
    EXPECT_EQ(u.Label26->text(), "V");
    EXPECT_TRUE(u.txtCS1->isHidden());
    EXPECT_TRUE(u.Label21->isHidden());
    EXPECT_FALSE(u.mnuISense->isVisible());

    dc.connect(sspa7261CurrentSense());
    EXPECT_EQ(u.Frame14->title(), "Current Sense");
    EXPECT_EQ(QList<int>({twips::Left(u.Frame14), twips::Width(u.Frame14), twips::Height(u.Frame14)}),
              QList<int>({6360, 3015, 855}));
    EXPECT_EQ(twips::Top(u.txtCS2), 495);
    EXPECT_EQ(twips::Top(u.txtCS4), 495);
    EXPECT_EQ(twips::Top(u.Label28), 540);
    // The first row's boxes end where the second row's begin.
    EXPECT_EQ(u.txtCS1->geometry().bottom() + 1, u.txtCS2->y());
    EXPECT_FALSE(u.txtCS1->isHidden());
    EXPECT_TRUE(u.mnuISense->isVisible());

    // A network-processor unit hides the frame even when it monitors its DC input.
    dc.connect(Scripted(sspaProfile(), {{"YT", "YTSSPA 672-7436-001"}, {"00", "07436-001/S5/1.50/Jun  1 2009"}}), false,
               true);
    EXPECT_TRUE(u.Frame14->isHidden());
}

TEST(WindowLayout, TubeUnitEdgeCases)
{
    struct Case {
        const char* name;
        std::initializer_list<std::pair<QByteArray, const char*>> changes;
        bool fullFaultLogMenu;
        qint16 fullFaultLogSize;
        bool autoHvMenuSet;   // the auto-HV-disable menu was set from "PBA?"
        const char* life;     // nullptr: the tube-life labels stay hidden
    };
    const Case cases[] = {
        {"dated 2007-12-05", {{"00", "06316-003/T1/5.34/Dec  5 2007"}}, false, 100, false, "???"},
        {"dated 2007-12-06", {{"00", "06316-003/T1/5.34/Dec  6 2007"}}, true, 500, true, "???"},
        {"dated, no parameter logs",
         {{"00", "06316-003/T1/5.34/Dec  6 2007"}, {".?P349", ".P349 0"}, {"PBFS?", nullptr}},
         true,
         1000,
         true,
         "???"},
        {"date not a date", {{"00", "06316-003/T1/5.34/soon"}}, false, 100, false, "???"},
        {"life in years", {{"QEC", "QEC12;"}}, true, 500, true, "12 Years"},
        {"life in months", {{"QEC", "QEC06M;"}}, true, 500, true, "06 Months"},
        {"life of one character", {{"QEC", "QEC1;"}}, true, 500, true, "???"},
        {"life of four characters", {{"QEC", "QEC1234;"}}, true, 500, true, "???"},
        {"no life estimate", {{"QEP?", nullptr}}, true, 500, true, nullptr},
    };
    for (const Case& c : cases) {
        WindowOnUnit tw;
        // Set before the layout, so a menu left as it is shows.
        tw.w.ui.mnuAutoHVDisable->setVisible(true);
        tw.w.ui.mnuAutoHVDisable->setChecked(true);
        tw.t.replies = Scripted(twtaProfile(), c.changes);
        DetermineUnitType(tw.t.p());
        tw.w.layout().InitDisplay();
        const frmMainUi& u = tw.w.ui;
        EXPECT_EQ(u.mnuFullFaultLog->isVisible(), c.fullFaultLogMenu) << c.name;
        EXPECT_EQ(tw.t.p().unit.features.FullFaultLogSize, c.fullFaultLogSize) << c.name;
        // "PBA1": shown and unticked when read; otherwise as it was.
        EXPECT_EQ(u.mnuAutoHVDisable->isChecked(), !c.autoHvMenuSet) << c.name;
        EXPECT_EQ(!u.lblTWTLife->isHidden(), c.life != nullptr) << c.name;
        if (c.life) {
            EXPECT_EQ(u.lblTWTLife->text(), c.life) << c.name;
        }
    }
}

TEST(WindowLayout, CathodeCurrentDisplayAndScaler)
{
    struct Case {
        const char* pbfs;
        const char* pbfo;
        bool shown;
        qint16 scalar;
    };
    const Case cases[] = {
        {"PBFS1", "PBFO5000", true, 4095},
        {"PBFS1", "PBFO-3", true, 0},
        {"PBFS0", "PBFO2048", false, 0},
        {nullptr, "PBFO2048", false, 0},
    };
    for (const Case& c : cases) {
        WindowOnUnit tw;
        tw.connect(Scripted(twtaProfile(), {{"PBFS?", c.pbfs}, {"PBFO?", c.pbfo}}));
        const frmMainUi& u = tw.w.ui;
        for (QWidget* item :
             std::initializer_list<QWidget*>{u.Label18, u.txtAnodeV, u.Label37, u.Label38, u.txtCathI, u.Label39})
            EXPECT_EQ(!item->isHidden(), c.shown) << c.pbfs << " " << item->objectName().toStdString();
        EXPECT_EQ(tw.t.p().unit.cathode.CathodeCurrentEnabled, c.shown) << c.pbfs;
        EXPECT_EQ(tw.t.p().unit.cathode.CathodeCurrentScalar, c.scalar) << c.pbfs << " " << c.pbfo;
        EXPECT_EQ(tw.sent("PBFO?"), c.shown) << c.pbfs;
    }
}

TEST(WindowLayout, HelixHeaterCaptionsByTubeCount)
{
    WindowOnUnit tw;
    tw.connect(Scripted(twtaProfile(), {{"YT", "YTTWTA 672-6652-001"}, {"00", "06652-001/T2/5.34/Nov  2 2008"}}));
    const frmMainUi& u = tw.w.ui;
    EXPECT_EQ(u.Label9->text(), "Htr I:");
    EXPECT_EQ(u.Label10->text(), "A");
    EXPECT_FALSE(u.txtHelix2I->isHidden());

    tw.connect(Scripted(twtaProfile(), {{"YT", "YTTWTA 672-7436-001"}, {"00", "07436-001/T3/5.34/Nov  2 2008"}}));
    EXPECT_TRUE(u.txtHelix2I->isHidden());
    EXPECT_TRUE(u.Label9->isHidden());
    EXPECT_TRUE(u.Label10->isHidden());   // no unit without its value

    tw.connect(twta6316(), true);
    EXPECT_EQ(QStringList({u.Label85->text(), u.Label86->text(), u.Label88->text(), u.Label90->text(), u.Label9->text(),
                           u.Label10->text()}),
              QStringList({"Hlx1 V:", "Hlx1 I:", "Hlx2 V:", "kV", "Hlx2 I:", "mA"}));
    EXPECT_FALSE(u.txtHelix2I->isHidden());
    EXPECT_FALSE(u.Label10->isHidden());
}

TEST(WindowLayout, RfInhibitInvertFollowsTheUnit)
{
    struct Case {
        const char* reply;
        bool shownAndEnabled, ticked;
    };
    const Case cases[] = {{"PTI0", true, true}, {"PTI1", true, false}, {nullptr, false, false}};
    for (const Case& c : cases) {
        WindowOnUnit tw;
        tw.connect(Scripted(sspaProfile(), {{"PTI?", c.reply}}));
        QAction* m = tw.w.ui.mnuRfiInvert;
        EXPECT_EQ(m->isVisible(), c.shownAndEnabled) << (c.reply ? c.reply : "none");
        EXPECT_EQ(m->isEnabled(), c.shownAndEnabled) << (c.reply ? c.reply : "none");
        if (c.shownAndEnabled) {
            EXPECT_EQ(m->isChecked(), c.ticked) << c.reply;
        }
    }
}

TEST(WindowLayout, SolidStateModelsWithoutRfBandOrConstantPowerFrame)
{
    WindowOnUnit ss;
    ss.connect(Scripted(sspaProfile(), {{"YT", "YTSSPA 672-5363-001"}, {"00", "05363-001/S6/1.20/Jun  1 2009"}}));
    EXPECT_TRUE(ss.w.ui.Frame27->isHidden());
    EXPECT_TRUE(ss.w.ui.Frame20->isHidden());
    EXPECT_TRUE(ss.w.ui.Frame14->isHidden());
    ss.connect(sspa7261CurrentSense());
    EXPECT_FALSE(ss.w.ui.Frame27->isHidden());
    EXPECT_FALSE(ss.w.ui.Frame20->isHidden());
}

TEST(WindowLayout, ConstantPowerInputsAndTransmitterState)
{
    WindowOnUnit tw;
    tw.w.layout().EnableConstPwrInput();
    EXPECT_TRUE(tw.w.ui.chkConstPwr->isEnabled());
    EXPECT_TRUE(tw.w.ui.txtConstLvl->isEnabled());
    tw.w.layout().DisableConstPwrInput();
    EXPECT_FALSE(tw.w.ui.chkConstPwr->isEnabled());
    EXPECT_FALSE(tw.w.ui.txtConstLvl->isEnabled());
    EXPECT_FALSE(tw.w.layout().IsTxOn());
    tw.w.ui.chkPS->setChecked(true);
    EXPECT_TRUE(tw.w.layout().IsTxOn());
}
