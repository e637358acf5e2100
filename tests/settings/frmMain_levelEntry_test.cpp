// Level entry driven through the window (keys, focus moves, arrow clicks) against the
// simulated unit, over the pseudo-terminal and over loopback TCP.
#include "LinkedWindow.h"
#include "link/Transaction.h"
#include "ui/FormUpdatingGuard.h"
#include "status/QStringPrint.h"
#include "support/EditingKeys.h"
#include "ui/UpDown.h"
#include "settings/EntryBoxes.h"
#include "settings/LevelSetters.h"
#include "settings/SettingMenus.h"
#include "status/EntryBoxState.h"
#include "status/FeatureReads.h"
#include "status/PollLoop.h"
#include "status/PowerUnits.h"
#include "status/Readings.h"
#include "status/WindowLayout.h"
#include "status/WindowStates.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString dbmRange = "Value out of Range\r\n\r\nValid Range: %1 to %2 dBm";
const QString paramRange = "Parameter Range Error: Value out of range.";
const QString hoursRange = "Parameter Range Error: %1 Hours: enter a whole number from 0 to 999999.";

// The unit every case works on: it takes dBm levels, dBm display, band 35 to 49 dBm, remote
// mode, constant power off, trip types Fault / Fault / Alarm, the read-backs as below.
void caseUnit(LinkedWindow& u)
{
    frmMain& w = u.w();
    Program& p = u.p();
    if (p.display.DisplayWatts)
        w.powerUnits().DisplayTodBm();
    p.unit.id.DbmLevelsSupported = true;
    p.unit.id.LldpFirmware = false;
    p.unit.config.BandMinPower = 35.0f;
    p.unit.config.BandMaxPower = 49.0f;
    p.unit.config.MaxAttenuation = 30.0f;
    p.unit.config.MinAtnCount = 0;
    p.unit.flags.CommandCSupported = true;
    p.conn.RemoteMode = true;
    {
        FormUpdatingGuard hold(p.conn.FormUpdating);
        w.ui.chkConstPwr->setChecked(false);
        w.ui.cmbFhiTripType->setCurrentIndex(1);
        w.ui.cmbFloTripType->setCurrentIndex(1);
        w.ui.cmbRhiTripType->setCurrentIndex(2);
    }
    u.unit().editProfile([](SimUnitProfile& profile) {
        profile.set("?A", "?10.5");
        profile.set("8", "82048");
        profile.set("G?", "G47.5");
        profile.set("?HLR", "?F40.0F12.0A45.0");
        profile.behaviour["G?"] = SimBehaviour{};
    });
    w.layout().EnableConstPwrInput();
}

// The state every case starts from: the unit above, the count box hidden, every entry box
// empty and the focus on the connect button.
void startCase(LinkedWindow& u)
{
    caseUnit(u);
    frmMain& w = u.w();
    w.ui.txtAtnCnt->hide();
    w.ui.UpDown2->hide();
    for (QLineEdit* b : {w.ui.txtAtnDB, w.ui.txtAtnCnt, w.ui.txtConstLvl, w.ui.txtFhiLvl, w.ui.txtFloLvl,
                         w.ui.txtRhiLvl, w.ui.txtLinAmp, w.ui.txtLinPhase, w.ui.txtPSHours, w.ui.txtXmtHours})
        b->clear();
    u.leave();
    w.entryState().ClearEntryFlags();
    u.clearLogs();
}

QLineEdit* box(LinkedWindow& u, const char* name) { return u.w().findChild<QLineEdit*>(name); }

// Focuses the box, then types: "\t" leaves the box (and a text after it is typed into the
// box again), "\r" is Enter.
void enter(LinkedWindow& u, const char* boxName, const QString& keys)
{
    const QStringList parts = keys.split('\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            u.leave();
        if (i == 0 || !parts[i].isEmpty()) {
            u.focus(box(u, boxName));
            u.type(parts[i]);
        }
    }
}

struct LevelCase {
    const char* name;
    const char* boxName;     // the box typed into; its text is checked afterwards
    const char* preset;      // put in the box before typing
    const char* keys;        // "\r" Enter, "\t" leave the box
    QByteArrayList logged;   // what the unit received, in order
    QStringList boxes;       // shown, in order
    const char* after;       // the box's text afterwards; nullptr: not checked
    std::function<void(LinkedWindow&)> setup = nullptr;
    std::function<void(LinkedWindow&)> act = nullptr;   // in place of typing
};

void watts(LinkedWindow& u) { u.w().powerUnits().DisplayToWatts(); }
void noDbmLevels(LinkedWindow& u) { u.p().unit.id.DbmLevelsSupported = false; }
void constPowerOn(LinkedWindow& u)
{
    FormUpdatingGuard hold(u.p().conn.FormUpdating);
    u.w().ui.chkConstPwr->setChecked(true);
}
void tripType(QComboBox* list, int index) { list->setCurrentIndex(index); }
void lldp(LinkedWindow& u)
{
    u.p().unit.id.LldpFirmware = true;
    u.w().ui.txtAtnCnt->show();
    u.w().ui.UpDown2->show();
}
void click(UpDown* spin, bool up) { QTest::mouseClick(up ? spin->upButton() : spin->downButton(), Qt::LeftButton); }

std::vector<LevelCase> levelCases()
{
    const QString tripBox = "Range Error - Forward High RF Trip: ";
    return {
        // RF trip levels
        // Enter ends a trip row's edit: the read-back shows the unit's level in the row.
        {"fault row in band", "txtFhiLvl", "", "47\r", {"MFM47.0", "?HLR"}, {}, "47.0"},
        {"below the band",
         "txtFhiLvl",
         "",
         "35.5\r",
         {},
         {tripBox + dbmRange.arg("36.0", "49.0"), tripBox + dbmRange.arg("36.0", "49.0")},
         "35.5"},
        {"unit without dBm levels", "txtFhiLvl", "", "41\r", {"MF12.6", "?HLR"}, {}, "41.0", noDbmLevels},
        {"watts display", "txtFhiLvl", "", "20\r", {"MF20.0", "?HLR"}, {}, "20.0", watts},
        {"watts display, unit without dBm levels",
         "txtFhiLvl",
         "",
         "20\r",
         {"MF20.0", "?HLR"},
         {},
         "20.0",
         [](LinkedWindow& u) {
             watts(u);
             noDbmLevels(u);
         }},
        {"reverse alarm", "txtRhiLvl", "", "40.5\r", {"OAM40.5", "?HLR"}, {}, "40.5"},
        {"reverse disabled",
         "txtRhiLvl",
         "",
         "40.5\r",
         {"ODM40.5", "?HLR"},
         {},
         "40.5",
         [](LinkedWindow& u) { tripType(u.w().ui.cmbRhiTripType, 0); }},
        {"forward low", "txtFloLvl", "", "36\r", {"LFM36.0", "?HLR"}, {}, "36.0"},
        {"leaving a trip box sends nothing", "txtFhiLvl", "", "47\t", {}, {}, "47"},
        {"empty trip box", "txtFhiLvl", "", "\r", {}, {}, ""},
        {"keys other than digits and the point", "txtFhiLvl", "", "4a-7\r", {"MFM47.0", "?HLR"}, {}, "47.0"},
        // Constant power
        {"constant power", "txtConstLvl", "", "45\r", {"GM45.0", "G?"}, {}, "45.0", constPowerOn},
        {"constant power in watts",
         "txtConstLvl",
         "",
         "20\r",
         {"G20.0", "G?"},
         {},
         "20.0",
         [](LinkedWindow& u) {
             watts(u);
             constPowerOn(u);
         }},
        {"constant power read-back unanswered",
         "txtConstLvl",
         "",
         "45\r",
         {"GM45.0", "G?"},
         {},
         "45",
         [](LinkedWindow& u) {
             constPowerOn(u);
             u.unit().editProfile([](SimUnitProfile& profile) { profile.behaviour["G?"].kind = SimBehaviour::Nak; });
         }},
        {"constant power left", "txtConstLvl", "", "45\t", {"GM45.0", "G?"}, {}, "45.0", constPowerOn},
        {"constant power off: nothing", "txtConstLvl", "", "45\r\t", {}, {}, "45"},
        {"constant power 0", "txtConstLvl", "", "0\r", {}, {}, "0", constPowerOn, nullptr},
        {"constant power out of band",
         "txtConstLvl",
         "",
         "30\r",
         {},
         {"Range Error - Constant Power: " + dbmRange.arg("36.0", "49.0")},
         "30",
         constPowerOn},
        // Attenuation
        {"attenuation", "txtAtnDB", "", "12\r", {"K12"}, {}, "12"},
        {"attenuation as typed", "txtAtnDB", "", "12.50\r", {"K12.50"}, {}, "12.50"},
        {"attenuation: Enter, then leave", "txtAtnDB", "", "12\r\t", {"K12"}, {}, "12"},
        {"attenuation left", "txtAtnDB", "", "12\t", {"K12"}, {}, "12"},
        {"attenuation typed again after Enter", "txtAtnDB", "", "12\r\t3\t", {"K12", "K123"}, {}, "123"},
        {"attenuation negative", "txtAtnDB", "-3", "5\r", {"?A"}, {}, "10.5"},
        {"attenuation junk", "txtAtnDB", "1x2", "3\r", {"?A"}, {}, "10.5"},
        {"attenuation passed through", "txtAtnDB", "", "\t", {}, {}, ""},
        // Linearizer, downlink attenuation, hour meters
        {"linearizer amplitude", "txtLinAmp", "", "4095\r", {"PZ4095"}, {}, "4095"},
        {"linearizer amplitude too high", "txtLinAmp", "", "4096\r\t", {}, {paramRange}, "4096"},
        {"linearizer amplitude as typed", "txtLinAmp", "", "0012\r", {"PZ0012"}, {}, "0012"},
        {"linearizer amplitude takes digits only", "txtLinAmp", "", "1.5\t", {"PZ15"}, {}, "15"},
        {"linearizer amplitude empty", "txtLinAmp", "", "\r\t", {}, {}, ""},
        {"linearizer phase", "txtLinPhase", "", "0012\r", {"Pz12"}, {}, "0012"},
        {"linearizer phase left", "txtLinPhase", "", "77\t", {"Pz77"}, {}, "77"},
        {"downlink attenuation", "txtAtnCnt", "", "12.5\r", {"P/12.5"}, {}, "12.5", lldp},
        {"downlink attenuation shown #0.0", "txtAtnCnt", "", "7\r", {"P/7"}, {}, "7.0", lldp},
        {"downlink attenuation too high", "txtAtnCnt", "", "4096\r", {}, {paramRange}, "4096", lldp},
        {"count box outside the LLDP family takes no key",
         "txtAtnCnt",
         "",
         "5\r\t",
         {},
         {},
         "",
         [](LinkedWindow& u) { u.w().ui.txtAtnCnt->show(); }},
        {"hour meters",
         "txtPSHours",
         "",
         "123\r",
         {"YH000123000046"},
         {},
         "123",
         [](LinkedWindow& u) { box(u, "txtXmtHours")->setText("46"); }},
        {"hour meters from the other box",
         "txtXmtHours",
         "",
         "46\r",
         {"YH000123000046"},
         {},
         "46",
         [](LinkedWindow& u) { box(u, "txtPSHours")->setText("123"); }},
        {"hour meter of 7 digits",
         "txtPSHours",
         "",
         "1234567\r",
         {},
         {hoursRange.arg("PS")},
         "1234567",
         [](LinkedWindow& u) { box(u, "txtXmtHours")->setText("46"); }},
        {"other hour meter empty",
         "txtPSHours",
         "",
         "123\r\t",
         {},
         {hoursRange.arg("Xmtr")},
         "123",
         [](LinkedWindow& u) { box(u, "txtXmtHours")->clear(); }},
        // One Enter spares its own box only
        {"Enter in a trip box spares no other box",
         "txtConstLvl",
         "",
         "",
         {"MFM47.0", "?HLR", "GM45.0", "G?"},
         {},
         "45.0",
         constPowerOn,
         [](LinkedWindow& u) {
             enter(u, "txtFhiLvl", "47\r");
             enter(u, "txtConstLvl", "45\t");
         }},
        {"Enter in the attenuation box spares no other box",
         "txtLinAmp",
         "",
         "",
         {"K12", "PZ7"},
         {},
         "7",
         nullptr,
         [](LinkedWindow& u) {
             enter(u, "txtAtnDB", "12\r");
             enter(u, "txtLinAmp", "7\t");
         }},
        // Spin controls
        {"attenuation up",
         "txtAtnDB",
         "12.3",
         "",
         {"K12.4"},
         {},
         "12.4",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown1, true); }},
        {"attenuation up to the maximum",
         "txtAtnDB",
         "29.9",
         "",
         {"K30.0"},
         {},
         "30.0",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown1, true); }},
        {"attenuation at the maximum",
         "txtAtnDB",
         "30.0",
         "",
         {},
         {},
         "30.0",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown1, true); }},
        {"attenuation below 0",
         "txtAtnDB",
         "0.05",
         "",
         {},
         {},
         "0.05",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown1, false); }},
        {"attenuation down",
         "txtAtnDB",
         "0.1",
         "",
         {"K0.0"},
         {},
         "0.0",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown1, false); }},
        {"constant power up",
         "txtConstLvl",
         "45.0",
         "",
         {"GM45.1", "G?"},
         {},
         "45.1",
         constPowerOn,
         [](LinkedWindow& u) { click(u.w().ui.UpDown1, true); }},
        {"constant power empty",
         "txtConstLvl",
         "",
         "",
         {},
         {},
         "",
         constPowerOn,
         [](LinkedWindow& u) {
             click(u.w().ui.UpDown1, false);
             EXPECT_FALSE(u.w().ui.chkConstPwr->isChecked());
         }},
        {"downlink up",
         "txtAtnCnt",
         "1.0",
         "",
         {"P/1.1"},
         {},
         "1.1",
         lldp,
         [](LinkedWindow& u) { click(u.w().ui.UpDown2, true); }},
        {"downlink not below 0",
         "txtAtnCnt",
         "0.0",
         "",
         {},
         {},
         "0.0",
         lldp,
         [](LinkedWindow& u) { click(u.w().ui.UpDown2, false); }},
        {"downlink arrows outside the LLDP family",
         "txtAtnCnt",
         "1.0",
         "",
         {},
         {},
         "1.0",
         nullptr,
         [](LinkedWindow& u) {
             u.w().entries().UpDown2_UpClick();
             u.w().entries().UpDown2_DownClick();
         }},
        {"amplitude up",
         "txtLinAmp",
         "4094",
         "",
         {"PZ4095"},
         {},
         "4095",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown3, true); }},
        {"amplitude at 4095",
         "txtLinAmp",
         "4095",
         "",
         {},
         {},
         "4095",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown3, true); }},
        {"phase down",
         "txtLinPhase",
         "5",
         "",
         {"Pz4"},
         {},
         "4",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown4, false); }},
        {"phase at 0",
         "txtLinPhase",
         "0",
         "",
         {},
         {},
         "0",
         nullptr,
         [](LinkedWindow& u) { click(u.w().ui.UpDown4, false); }},
        // Setters called directly
        {"count",
         "txtAtnCnt",
         "4095",
         "",
         {"C4095"},
         {},
         "4095",
         nullptr,
         [](LinkedWindow& u) { u.w().levels().SetAtnCount(); }},
        {"count too high",
         "txtAtnCnt",
         "4096",
         "",
         {"8"},
         {},
         "2048",
         nullptr,
         [](LinkedWindow& u) { u.w().levels().SetAtnCount(); }},
        {"count below the minimum",
         "txtAtnCnt",
         "2047",
         "",
         {"8"},
         {},
         "2048",
         [](LinkedWindow& u) { u.p().unit.config.MinAtnCount = 2048; },
         [](LinkedWindow& u) { u.w().levels().SetAtnCount(); }},
        {"go to power",
         "txtConstLvl",
         "45",
         "",
         {"EM45.0"},
         {},
         "45",
         nullptr,
         [](LinkedWindow& u) { EXPECT_TRUE(u.w().levels().GoToPower(45.0f)); }},
        {"go to power in watts",
         "txtConstLvl",
         "20",
         "",
         {"E20.0"},
         {},
         "20",
         watts,
         [](LinkedWindow& u) { EXPECT_TRUE(u.w().levels().GoToPower(20.0f)); }},
        {"go to power out of band",
         "txtConstLvl",
         "20",
         "",
         {},
         {"Range Error - GoTo Power: " + dbmRange.arg("36.0", "49.0"),
          "Range Error - GoTo Power: " + dbmRange.arg("36.0", "49.0")},
         "20",
         nullptr,
         [](LinkedWindow& u) { EXPECT_FALSE(u.w().levels().GoToPower(20.0f)); }},
    };
}

void runCase(LinkedWindow& u, const LevelCase& c)
{
    SCOPED_TRACE(c.name);
    startCase(u);
    if (c.setup)
        c.setup(u);
    QLineEdit* target = box(u, c.boxName);
    target->setText(c.preset);
    u.clearLogs();
    if (c.act)
        c.act(u);
    else
        enter(u, c.boxName, c.keys);
    EXPECT_EQ(u.unit().commands(), c.logged);
    EXPECT_EQ(u.boxes(), c.boxes);
    if (c.after) {
        EXPECT_EQ(target->text(), c.after);
    }
}

class LevelEntryOverLink : public testing::TestWithParam<UnitLink> {};

TEST_P(LevelEntryOverLink, EveryBoxAndArrowSendsWhatItShould)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    for (const LevelCase& c : levelCases())
        runCase(u, c);
}

TEST_P(LevelEntryOverLink, ZeroConstantPowerUnticksWithoutACommand)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    constPowerOn(u);
    enter(u, "txtConstLvl", "0\r");
    EXPECT_FALSE(u.w().ui.chkConstPwr->isChecked());
    EXPECT_FALSE(u.p().conn.FormUpdating);
    EXPECT_TRUE(u.unit().commands().isEmpty());   // no "H": constant power stays on at the unit
}

TEST_P(LevelEntryOverLink, LocalModeShowsTheRemoteBoxAndSendsNothing)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    lldp(u);
    // The unit's summary says local.
    u.unit().editProfile([](SimUnitProfile& profile) {
        profile.set("?!#(", "?"
                            "\x40\x40\x40\x40"
                            "\x40\x40\x40\x40"
                            "\x40\x40\x40\x40");
    });
    ASSERT_TRUE(u.w().poll().UpdateStatus());
    ASSERT_FALSE(u.p().conn.RemoteMode);
    u.w().layout().EnableConstPwrInput();
    constPowerOn(u);
    for (const char* name : {"txtAtnDB", "txtConstLvl", "txtFhiLvl", "txtFloLvl", "txtRhiLvl", "txtLinAmp",
                             "txtLinPhase", "txtAtnCnt", "txtPSHours", "txtXmtHours"}) {
        SCOPED_TRACE(name);
        box(u, name)->setText("1");
        u.clearLogs();
        enter(u, name, "5\r\t");
        EXPECT_EQ(u.boxes(), QStringList({notRemote, notRemote}));   // the digit and Enter
        EXPECT_EQ(box(u, name)->text(), "15");                       // the key still went in
        EXPECT_TRUE(u.unit().commands().isEmpty());
        // The Tab key itself moves the focus on, with no box.
        u.clearLogs();
        u.focus(box(u, name));
        QTest::keyClick(box(u, name), Qt::Key_Tab);
        EXPECT_FALSE(box(u, name)->hasFocus());
        EXPECT_TRUE(u.boxes().isEmpty());
    }
    for (UpDown* spin : {u.w().ui.UpDown1, u.w().ui.UpDown2, u.w().ui.UpDown3, u.w().ui.UpDown4}) {
        for (bool up : {true, false}) {
            SCOPED_TRACE(spin->objectName().toStdString() + (up ? " up" : " down"));
            u.clearLogs();
            click(spin, up);
            EXPECT_EQ(u.boxes(), QStringList({notRemote}));
            EXPECT_TRUE(u.unit().commands().isEmpty());
        }
    }
    for (QComboBox* list : {u.w().ui.cmbFhiTripType, u.w().ui.cmbFloTripType, u.w().ui.cmbRhiTripType}) {
        u.clearLogs();
        u.focus(list);
        list->setCurrentIndex(2);
        emit list->activated(2);
        EXPECT_EQ(u.boxes(), QStringList({notRemote}));
        EXPECT_TRUE(u.unit().commands().isEmpty());
    }
    u.p().unit.id.LldpFirmware = false;
    u.clearLogs();
    u.w().entries().UpDown2_UpClick();
    u.w().entries().UpDown2_DownClick();
    EXPECT_TRUE(u.boxes().isEmpty());
}

TEST_P(LevelEntryOverLink, ATripRowBeingEditedKeepsItsTextWhileTheOthersAreReadBack)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    frmMainUi& ui = u.w().ui;
    ui.txtFhiLvl->setText("1.0");
    ui.txtRhiLvl->setText("2.0");
    ui.txtFloLvl->clear();
    enter(u, "txtFloLvl", "36");
    u.w().features().InitRFTripLevels();
    EXPECT_EQ(u.unit().commands(), QByteArrayList({"?HLR"}));
    EXPECT_EQ(ui.txtFhiLvl->text(), "40.0");
    EXPECT_EQ(ui.txtRhiLvl->text(), "45.0");
    EXPECT_EQ(ui.txtFloLvl->text(), "36");   // as typed: the row is being edited
    EXPECT_TRUE(u.w().entryState().FloTripEditing);
    // The row's list keeps the row being edited too.
    u.focus(ui.cmbFloTripType);
    EXPECT_TRUE(u.w().entryState().FloTripEditing);
    u.leave();
    EXPECT_FALSE(u.w().entryState().FloTripEditing);
    u.w().features().InitRFTripLevels();
    EXPECT_EQ(ui.txtFloLvl->text(), "12.0");   // left unsent: the unit's level

    // Choosing a type sends the row's level with it; an empty level sends nothing.
    u.clearLogs();
    ui.txtRhiLvl->setText("40.5");
    u.focus(ui.cmbRhiTripType);
    ui.cmbRhiTripType->setCurrentIndex(1);
    emit ui.cmbRhiTripType->activated(1);
    ui.txtFhiLvl->clear();
    ui.cmbFhiTripType->setCurrentIndex(2);
    emit ui.cmbFhiTripType->activated(2);
    EXPECT_EQ(u.unit().commands(), QByteArrayList({"OFM40.5", "?HLR"}));
}

TEST_P(LevelEntryOverLink, NoSendWhenTheFocusGoesToABoxAPopupOrAwayWithTheWindow)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    QLineEdit* att = box(u, "txtAtnDB");
    enter(u, "txtAtnDB", "12");
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(att, &out);
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(att, &in);
    }
    EXPECT_TRUE(u.unit().commands().isEmpty());
    // The window disabled with the focus in the box.
    u.w().states().DisableForm();
    EXPECT_TRUE(u.unit().commands().isEmpty());
    u.w().states().EnableForm();
    // A range box opened by Enter closes without a send either.
    enter(u, "txtLinAmp", "4096\r");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box(u, "txtLinAmp"), &out);
    EXPECT_EQ(u.boxes(), QStringList({paramRange}));
    EXPECT_TRUE(u.unit().commands().isEmpty());
}

TEST_P(LevelEntryOverLink, FirstReadPollsAndDisplaySwitchesSendNoSetting)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    EXPECT_TRUE(u.levels->settingsReceived().isEmpty());
    // The focus in a box the poll refills, the poll's readings and clock ticks, both units.
    u.focus(box(u, "txtAtnDB"));
    for (int tick = 0; tick < 3; ++tick) {
        u.w().poll().ReadingsTickCount = tick == 0 ? 100 : 0;
        u.w().poll().ClockTickCount = tick == 1 ? 100 : 0;
        EXPECT_TRUE(u.w().poll().UpdateStatus());
    }
    u.w().settingMenus().mnuWatts_Click();
    u.w().settingMenus().mnuWatts_Click();
    EXPECT_TRUE(u.levels->settingsReceived().isEmpty());
    EXPECT_TRUE(u.prompts.boxes.isEmpty());
}

// What the operator is typing stays through the poll's readings and clock ticks and a first
// read, and leaving the box (or Enter, where only Enter sends) sends what was typed.
TEST_P(LevelEntryOverLink, ABoxBeingEditedKeepsItsTextThroughThePollAndAFirstRead)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    struct Case {
        const char* boxName;
        const char* typed;
        const char* finish;   // "\t" leave, "\r" Enter
        QByteArrayList sent;
        std::function<void(LinkedWindow&)> setup = nullptr;
    };
    const Case cases[] = {
        {"txtAtnDB", "13", "\t", {"K13"}},
        {"txtConstLvl", "45", "\t", {"GM45.0", "G?"}, constPowerOn},
        {"txtFhiLvl", "47", "\r", {"MFM47.0", "?HLR"}},
        {"txtFloLvl", "36", "\r", {"LFM36.0", "?HLR"}},
        {"txtRhiLvl", "40.5", "\r", {"OAM40.5", "?HLR"}},
        {"txtLinAmp", "77", "\t", {"PZ77"}},
        {"txtLinPhase", "12", "\t", {"Pz12"}},
        {"txtAtnCnt", "7", "\t", {"P/7"}, lldp},
        {"txtPSHours", "123", "\r", {"YH000123000321"}},
        {"txtXmtHours", "46", "\r", {"YH012345000046"}},
        {"txtAdr", "C", "\t", {"XR?", "XR21C"}},   // last: the link then speaks to "C"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxName);
        startCase(u);
        if (c.setup)
            c.setup(u);
        QLineEdit* b = box(u, c.boxName);
        b->setText("1");
        enter(u, c.boxName, QString("\b") + c.typed);
        for (int tick = 0; tick < 2; ++tick) {
            u.w().poll().ReadingsTickCount = tick == 0 ? 100 : 0;
            u.w().poll().ClockTickCount = tick == 1 ? 100 : 0;
            ASSERT_TRUE(u.w().poll().UpdateStatus());
            EXPECT_EQ(b->text(), c.typed) << "tick " << tick;
        }
        u.w().FirstTimeRead();
        EXPECT_EQ(b->text(), c.typed) << "first read";
        ASSERT_TRUE(b->hasFocus());
        // The unit as the case has it again: the first read took what the unit reports.
        caseUnit(u);
        if (c.setup)
            c.setup(u);
        u.clearLogs();
        u.type(c.finish);
        if (QString(c.finish) == "\t")
            u.leave();
        EXPECT_EQ(u.unit().commands(), c.sent);
    }
}

// Delete, Backspace, the arrows, Home and End edit and move in every entry box, in remote and
// in local mode; only Backspace, a character the boxes filter, shows the local-mode box.
TEST_P(LevelEntryOverLink, EditingKeysWorkInEveryBoxInBothModes)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    lldp(u);
    const std::pair<const char*, const char*> boxes[] = {
        {"txtAtnDB", "35.0"},   {"txtConstLvl", "45.0"}, {"txtFhiLvl", "47.0"},   {"txtFloLvl", "35.0"},
        {"txtRhiLvl", "40.5"},  {"txtLinAmp", "4095"},   {"txtLinPhase", "0012"}, {"txtAtnCnt", "12.5"},
        {"txtPSHours", "1234"}, {"txtXmtHours", "46"},   {"txtAdr", "B"},
    };
    for (const bool remote : {true, false}) {
        for (const auto& [name, start] : boxes) {
            for (const EditingKeyCase& c : EditingKeyCases()) {
                SCOPED_TRACE(std::string(name) + ", " + c.name + (remote ? ", remote" : ", local"));
                u.p().conn.RemoteMode = remote;
                u.focus(box(u, name));
                u.clearLogs();
                EXPECT_EQ(RunEditingKeys(box(u, name), start, c), c.left(start));
                const bool remoteBox = !remote && c.backspace() && QString(name) != "txtAdr";
                EXPECT_EQ(u.boxes(), remoteBox ? QStringList({notRemote}) : QStringList());
                EXPECT_TRUE(u.unit().commands().isEmpty());
            }
        }
    }
    u.p().conn.RemoteMode = true;
    u.w().entryState().ClearEntryFlags();
}

// Esc drops what the operator typed: the box shows the unit's value and the poll fills it
// again. A box left without sending is filled again too.
TEST_P(LevelEntryOverLink, EscOrLeavingWithoutSendingGivesTheBoxBackToThePoll)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    QLineEdit* att = box(u, "txtAtnDB");
    u.w().readings().UpdateAtn();
    ASSERT_EQ(att->text(), "10.5");
    enter(u, "txtAtnDB", "3");
    u.w().readings().UpdateAtn();
    EXPECT_EQ(att->text(), "10.53");
    QTest::keyClick(att, Qt::Key_Escape);
    EXPECT_EQ(att->text(), "10.5");
    EXPECT_TRUE(att->hasFocus());
    u.unit().editProfile([](SimUnitProfile& profile) { profile.set("?A", "?11.0"); });
    u.w().readings().UpdateAtn();
    EXPECT_EQ(att->text(), "11.0");

    QLineEdit* hours = box(u, "txtPSHours");
    enter(u, "txtPSHours", "9\t");
    u.w().readings().UpdateHours();
    EXPECT_EQ(hours->text(), "12345");
    for (const QByteArray& sent : u.unit().commands())
        EXPECT_FALSE(sent.startsWith("YH"));   // an hour meter sends on Enter only
}

INSTANTIATE_TEST_SUITE_P(Links, LevelEntryOverLink, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const testing::TestParamInfo<UnitLink>& info) { return UnitLinkName(info.param); });

// How an edit of an entry box ends without the unit taking the value.
enum class Ending { LocalRefusal, RangeRefusal, Esc, PassThrough };

struct EditEndBox {
    const char* name;
    const char* outOfRange;    // typed with Enter, refused by a range box; nullptr: the box has no range
    const char* edit;          // a real edit: "\t" leaves the box, "\r" is Enter
    QByteArrayList sent;       // what the real edit sends
    QByteArray query, reply;   // the unit's value changes to this reply...
    const char* shown;         // ...which the box's next fill shows
    std::function<void(LinkedWindow&)> fill;   // nullptr: the program never fills the box
    std::function<void(LinkedWindow&)> setup = nullptr;
    bool remoteGuard = true;
};

std::vector<EditEndBox> editEndBoxes()
{
    const auto atn = [](LinkedWindow& u) { u.w().readings().UpdateAtn(); };
    const auto firstRead = [](LinkedWindow& u) { u.w().FirstTimeRead(); };
    const auto trips = [](LinkedWindow& u) { u.w().features().InitRFTripLevels(); };
    const auto hours = [](LinkedWindow& u) { u.w().readings().UpdateHours(); };
    const QByteArray tripReply = "?F41.0F13.0A46.0";
    return {
        {"txtAtnDB", nullptr, "12\t", {"K12"}, "?A", "?8.5", "8.5", atn},
        {"txtConstLvl", "30\r", "45\t", {"GM45.0", "G?"}, "G?", "G46.0", "46.0", firstRead, constPowerOn},
        {"txtFhiLvl", "80\r", "47\r", {"MFM47.0", "?HLR"}, "?HLR", tripReply, "41.0", trips},
        {"txtFloLvl", "99\r", "36\r", {"LFM36.0", "?HLR"}, "?HLR", tripReply, "13.0", trips},
        {"txtRhiLvl", "20\r", "40.5\r", {"OAM40.5", "?HLR"}, "?HLR", tripReply, "46.0", trips},
        {"txtLinAmp", "4096\r", "77\t", {"PZ77"}, "", "", nullptr, nullptr},
        {"txtLinPhase", "4096\r", "12\t", {"Pz12"}, "", "", nullptr, nullptr},
        {"txtAtnCnt",
         "4096\r",
         "7\t",
         {"P/7"},
         "?/",
         "?0300",
         "0300",
         [](LinkedWindow& u) { u.w().layout().InitDLAtten(); },
         lldp},
        {"txtPSHours",
         "1234567\r",
         "123\r",
         {"YH000123000046"},
         "?M",
         "?054321",
         "54321",
         hours,
         [](LinkedWindow& u) { box(u, "txtXmtHours")->setText("46"); }},
        {"txtXmtHours",
         "1234567\r",
         "46\r",
         {"YH000123000046"},
         "?N",
         "?000999",
         "999",
         hours,
         [](LinkedWindow& u) { box(u, "txtPSHours")->setText("123"); }},
        // Last: its real edit moves the link to the new letter.
        {"txtAdr", nullptr, "\bC\t", {"XR?", "XR21C"}, "XR?", "XR21D;OBMIP", "D", firstRead, nullptr, false},
    };
}

// Ends an edit of the focused box the way the case says; nothing the unit did not take is sent.
void endEdit(LinkedWindow& u, const EditEndBox& b, Ending ending)
{
    QLineEdit* target = box(u, b.name);
    target->selectAll();   // what is typed takes the unit's value's place
    switch (ending) {
    case Ending::LocalRefusal:
        u.p().conn.RemoteMode = false;
        u.type("5");
        u.p().conn.RemoteMode = true;   // the unit back in remote mode
        EXPECT_EQ(u.boxes(), QStringList({notRemote}));
        break;
    case Ending::RangeRefusal:
        u.type(b.outOfRange);
        EXPECT_FALSE(u.boxes().isEmpty());   // the range box
        break;
    case Ending::Esc:
        u.type("3");
        QTest::keyClick(target, Qt::Key_Escape);
        break;
    case Ending::PassThrough:
        u.leave();   // a trip row follows the focus: it is left alone while the focus is in it
        break;
    }
}

// Runs the box's fill and gives back what the box shows then; a first read's changes to the
// unit's state are undone.
QString fillBox(LinkedWindow& u, const EditEndBox& b)
{
    b.fill(u);
    const QString shown = box(u, b.name)->text();
    caseUnit(u);
    if (b.setup)
        b.setup(u);
    return shown;
}

class EditEndsOverLink : public testing::TestWithParam<std::tuple<UnitLink, bool>> {};

// After every way an edit ends without the unit taking it, the box follows the unit again with
// the focus still in it, and leaving it sends nothing; a real edit is sent exactly once.
TEST_P(EditEndsOverLink, ARefusedOrDroppedEditShowsTheUnitsValueAndSendsNothing)
{
    const auto [link, tube] = GetParam();
    LinkedWindow u(link, QuickProfile(tube ? twtaProfile() : sspaProfile()));
    ASSERT_TRUE(u.ready());
    for (const EditEndBox& b : editEndBoxes()) {
        for (const Ending ending : {Ending::LocalRefusal, Ending::RangeRefusal, Ending::Esc, Ending::PassThrough}) {
            if ((ending == Ending::LocalRefusal && !b.remoteGuard) || (ending == Ending::RangeRefusal && !b.outOfRange))
                continue;
            SCOPED_TRACE(std::string(b.name) + ", ending " + std::to_string(static_cast<int>(ending)));
            startCase(u);
            if (b.setup)
                b.setup(u);
            if (b.fill)
                fillBox(u, b);
            if (!b.query.isEmpty())
                u.unit().editProfile([&](SimUnitProfile& profile) {
                    profile.set(b.query, b.reply);
                    profile.behaviour[b.query] = SimBehaviour{};
                });
            u.clearLogs();
            u.focus(box(u, b.name));
            endEdit(u, b, ending);
            EXPECT_TRUE(u.unit().commands().isEmpty());
            if (b.fill) {
                EXPECT_EQ(fillBox(u, b), QString(b.shown));   // the focus still in the box, but for a pass
            }
            u.clearLogs();
            u.focus(box(u, b.name));
            u.leave();
            EXPECT_TRUE(u.unit().commands().isEmpty());
        }
        SCOPED_TRACE(std::string(b.name) + ", a real edit");
        startCase(u);
        if (b.setup)
            b.setup(u);
        enter(u, b.name, b.edit);
        u.focus(box(u, b.name));
        u.leave();
        EXPECT_EQ(u.unit().commands(), b.sent);
    }
}

INSTANTIATE_TEST_SUITE_P(LinksAndFamilies, EditEndsOverLink,
                         testing::Combine(testing::Values(UnitLink::Serial, UnitLink::Tcp), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<UnitLink, bool>>& info) {
                             return std::string(UnitLinkName(std::get<0>(info.param))) +
                                    (std::get<1>(info.param) ? "Tube" : "SolidState");
                         });

TEST(LevelEntryOverTcp, ASettingEnteredDuringAPollWaitIsSentOnceAfterTheReply)
{
    LinkedWindow u(UnitLink::Tcp, QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    u.unit().editProfile([](SimUnitProfile& profile) { profile.behaviour["?!#("].delayMs = 300; });
    u.focus(box(u, "txtAtnDB"));
    QTimer::singleShot(50, [&] {
        ASSERT_TRUE(TransactionInFlight(u.p()));
        u.type("12\r");
        u.leave();
    });
    EXPECT_TRUE(u.w().poll().UpdateStatus());
    EXPECT_FALSE(u.unit().commands().contains("K12"));   // not nested in the poll
    EXPECT_TRUE(QTest::qWaitFor([&] { return u.unit().commands().contains("K12"); }, 3000));
    QTest::qWait(50);
    const QByteArrayList log = u.unit().commands();
    EXPECT_EQ(log.count("K12"), 1);
    EXPECT_EQ(log.first(), "?!#(");
    EXPECT_EQ(log.last(), "K12");
    EXPECT_EQ(box(u, "txtAtnDB")->text(), "12");
}

// Typed while the poll waits for the attenuation it is about to show: the typed text wins, and
// leaving the box sends it.
TEST(LevelEntryOverTcp, TypingDuringThePollsWaitForTheAttenuationKeepsTheTypedText)
{
    LinkedWindow u(UnitLink::Tcp, QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    startCase(u);
    QLineEdit* att = box(u, "txtAtnDB");
    att->setText("10.5");
    u.unit().editProfile([](SimUnitProfile& profile) {
        profile.set("?A", "?12.5");
        profile.behaviour["?A"].delayMs = 300;
    });
    u.focus(att);
    QTimer::singleShot(50, [&] { u.type("\b\b\b\b13"); });
    u.w().poll().ReadingsTickCount = 100;
    EXPECT_TRUE(u.w().poll().UpdateStatus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return att->text() == "13"; }, 3000)) << att->text().toStdString();
    u.w().readings().UpdateAtn();   // the next readings tick
    EXPECT_EQ(att->text(), "13");
    u.clearLogs();
    u.leave();
    EXPECT_TRUE(QTest::qWaitFor([&] { return u.unit().commands().contains("K13"); }, 3000));
    EXPECT_FALSE(u.unit().commands().contains("K12.5"));
}

}   // namespace
