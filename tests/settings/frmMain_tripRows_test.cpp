// The RF trip rows through the window against the simulated unit, over the pseudo-terminal and
// loopback TCP: once Enter or a type chosen from the row's list has ended the row's edit, the
// row shows the unit's level and type at every read, also with the focus still in it.
#include "LinkedWindow.h"
#include "status/FeatureReads.h"
#include "status/PowerUnits.h"
#include "status/QStringPrint.h"
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Forward high and low at fault, reverse at alarm.
const QByteArray unitTrips = "?F40.0F12.0A45.0";

// The unit's trips with the level of one row (0 forward high, 1 forward low, 2 reverse) changed.
QByteArray tripsWith(int row, const QByteArray& level)
{
    QByteArray reply = unitTrips;
    return reply.replace(2 + 5 * row, 4, level);
}

struct TripRow {
    const char* name;
    QLineEdit* frmMainUi::*level;
    QComboBox* frmMainUi::*type;
    QByteArray sent;   // what 37 entered in the row sends
};

const TripRow rows[] = {
    {"forward high", &frmMainUi::txtFhiLvl, &frmMainUi::cmbFhiTripType, "MFM37.0"},
    {"forward low", &frmMainUi::txtFloLvl, &frmMainUi::cmbFloTripType, "LFM37.0"},
    {"reverse", &frmMainUi::txtRhiLvl, &frmMainUi::cmbRhiTripType, "OAM37.0"},
};

// Remote mode, dBm levels and display, band 35 to 49 dBm; the unit at `unitTrips`, taking
// `sent` or refusing it; the rows filled from the unit.
void startRow(LinkedWindow& u, const QByteArray& sent, bool refused)
{
    Program& p = u.p();
    p.conn.RemoteMode = true;
    p.unit.id.DbmLevelsSupported = true;
    p.unit.config.BandMinPower = 35.0f;
    p.unit.config.BandMaxPower = 49.0f;
    if (p.display.DisplayWatts)
        u.w().powerUnits().DisplayTodBm();
    u.leave();
    u.unit().editProfile([&](SimUnitProfile& profile) {
        profile.set("?HLR", unitTrips);
        profile.behaviour["?HLR"] = SimBehaviour{};
        profile.behaviour.remove(sent);   // the level feature takes it
        if (refused)
            profile.behaviour[sent].kind = SimBehaviour::Nak;
    });
    u.w().features().InitRFTripLevels();
    u.clearLogs();
}

class TripRowsOverLink : public testing::TestWithParam<UnitLink> {};

TEST_P(TripRowsOverLink, EnterEndsTheRowsEditAndTheRowFollowsTheUnitWithTheFocusInIt)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    for (int r = 0; r < 3; ++r) {
        const TripRow& row = rows[r];
        for (const bool refused : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (refused ? ", refused" : ", taken"));
            startRow(u, row.sent, refused);
            QLineEdit* box = u.w().ui.*row.level;
            const QString unitLevel = box->text();
            u.focus(box);
            box->selectAll();
            u.type("37\r");
            EXPECT_EQ(u.unit().commands(), QByteArrayList({row.sent, "?HLR"}));
            EXPECT_TRUE(u.boxes().isEmpty());
            ASSERT_TRUE(box->hasFocus());
            // The read-back after the level shows what the unit has.
            EXPECT_EQ(box->text(), refused ? unitLevel : QString("37.0"));
            // So does every read after it, once the unit changes the level itself.
            u.unit().editProfile([&](SimUnitProfile& profile) { profile.set("?HLR", tripsWith(r, "39.0")); });
            u.w().features().InitRFTripLevels();
            EXPECT_EQ(box->text(), "39.0");
            // The focus coming back from a message box or a popup starts no edit.
            for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
                QFocusEvent in(QEvent::FocusIn, reason);
                QApplication::sendEvent(box, &in);
            }
            u.unit().editProfile([&](SimUnitProfile& profile) { profile.set("?HLR", tripsWith(r, "38.0")); });
            u.w().features().InitRFTripLevels();
            EXPECT_EQ(box->text(), "38.0");
            // Typing again starts a new edit, which the reads leave alone.
            u.type("5");
            u.w().features().InitRFTripLevels();
            EXPECT_EQ(box->text(), "38.05");
            QTest::keyClick(box, Qt::Key_Escape);
        }
    }
}

// A type chosen from a row's list sends the row's level with it and ends the row's edit as
// Enter does: the row shows the unit's type and level again, the focus still in the list.
TEST_P(TripRowsOverLink, ATypeChosenEndsTheRowsEditWhetherTheUnitTookItOrNot)
{
    LinkedWindow u(GetParam(), QuickProfile(twtaProfile()));
    ASSERT_TRUE(u.ready());
    frmMainUi& ui = u.w().ui;
    for (const bool refused : {true, false}) {
        SCOPED_TRACE(refused ? "refused" : "taken");
        startRow(u, "MAM37.0", refused);
        u.focus(ui.txtFhiLvl);
        ui.txtFhiLvl->selectAll();
        u.type("37");
        u.focus(ui.cmbFhiTripType);
        ui.cmbFhiTripType->setCurrentIndex(2);   // alarm
        emit ui.cmbFhiTripType->activated(2);
        QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);   // the list's drop-down closed
        QApplication::sendEvent(ui.cmbFhiTripType, &back);
        EXPECT_EQ(u.unit().commands(), QByteArrayList({"MAM37.0", "?HLR"}));
        EXPECT_EQ(ui.cmbFhiTripType->currentIndex(), refused ? 1 : 2);
        EXPECT_EQ(ui.txtFhiLvl->text(), refused ? "40.0" : "37.0");
        ASSERT_TRUE(ui.cmbFhiTripType->hasFocus());
        u.unit().editProfile([](SimUnitProfile& profile) { profile.set("?HLR", tripsWith(0, "39.0")); });
        u.w().features().InitRFTripLevels();
        EXPECT_EQ(ui.txtFhiLvl->text(), "39.0");
    }
}

INSTANTIATE_TEST_SUITE_P(Links, TripRowsOverLink, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const testing::TestParamInfo<UnitLink>& info) { return UnitLinkName(info.param); });

}   // namespace
