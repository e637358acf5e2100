// Levels typed in watts through the window connected to the simulated unit, on both
// families: a power is taken in watts exactly when it is taken in dBm, on every trip row and
// "GoTo Power", and every range box names the row or control typed in.
#include "LinkedWindow.h"
#include "link/SharedRoutines.h"
#include "status/PollLoop.h"
#include "status/PowerUnits.h"
#include <QLineEdit>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace watts_levels {
namespace {

struct Target {
    const char* name;
    QLineEdit* frmMainUi::*box;
    char letter;         // the command's first letter
    const char* title;   // of its range boxes
};

const Target targets[] = {
    {"Fwd High", &frmMainUi::txtFhiLvl, 'M', "Range Error - Forward High RF Trip"},
    {"Fwd Low", &frmMainUi::txtFloLvl, 'L', "Range Error - Forward Low RF Trip"},
    {"Reverse", &frmMainUi::txtRhiLvl, 'O', "Range Error - Reverse RF Trip"},
    {"GoTo Power", &frmMainUi::txtConstLvl, 'E', "Range Error - GoTo Power"},
};

// What the unit made of one level: taken (its command received), or refused with the titles
// of the boxes shown.
struct Outcome {
    bool taken = false;
    QStringList titles;
};

// Types `text` into the target's box as the operator would and sends it: Enter in a trip row,
// a click on "GoTo Power" for the constant-power box.
Outcome enterLevel(LinkedWindow& u, const Target& t, const QString& text)
{
    u.clearLogs();
    QLineEdit* box = u.w().ui.*t.box;
    u.focus(box);
    box->selectAll();
    u.type(t.letter == 'E' ? text : text + "\r");
    if (t.letter == 'E')
        QTest::mouseClick(u.w().ui.btnGoToPwr, Qt::LeftButton);
    u.leave();
    Outcome o;
    const QByteArrayList sent = u.unit().commands();
    o.taken = !sent.isEmpty() && sent.first().startsWith(t.letter);
    for (const FakePrompts::Box& b : u.prompts.boxes)
        o.titles << b.title;
    return o;
}

class WattsLevels : public testing::TestWithParam<bool> {};

TEST_P(WattsLevels, APowerIsTakenInWattsExactlyWhenItIsTakenInDbm)
{
    const bool tube = GetParam();
    SimUnitProfile profile = tube ? twtaProfile() : sspaProfile();
    // A band of 25 to 55 dBm (the families ask its minimum differently); the trip rows at
    // 55, 30 and 26 dBm: 316.2, 1.0 and 0.4 W.
    profile.set(".?P66", ".P66 250");
    profile.set("PBRF?", "PBRF25.0");
    profile.set(".?P71", ".P71 550");
    profile.set("?HLR", "?F55.0A30.0A26.0");
    LinkedWindow u(tube ? UnitLink::Serial : UnitLink::Tcp, QuickProfile(profile));
    ASSERT_TRUE(u.ready());
    ASSERT_TRUE(u.p().conn.RemoteMode);
    ASSERT_EQ(u.p().unit.config.BandMinPower, 25.0f);
    ASSERT_EQ(u.p().unit.config.BandMaxPower, 55.0f);

    // The unit's own level as each trip row shows it in watts, typed again.
    u.w().powerUnits().DisplayToWatts();
    for (const Target& t : targets) {
        if (t.letter == 'E')
            continue;
        const QString shown = (u.w().ui.*t.box)->text();
        SCOPED_TRACE(testing::Message() << t.name << ", " << shown.toStdString() << " W");
        const Outcome own = enterLevel(u, t, shown + "0");
        EXPECT_TRUE(own.taken);
        EXPECT_TRUE(own.titles.isEmpty());
    }

    // The transmitter on: the constant-power box takes a level for "GoTo Power".
    QTest::mouseClick(u.w().ui.chkPS, Qt::LeftButton);
    ASSERT_TRUE(u.w().ui.txtConstLvl->isEnabled());
    ASSERT_TRUE(u.w().poll().UpdateStatus());
    // The range's ends, a level inside and one a dB beyond each end.
    for (const Target& t : targets) {
        for (const float dBm : {25.0f, 26.0f, 40.0f, 55.0f, 56.0f}) {
            SCOPED_TRACE(testing::Message() << t.name << ", " << dBm << " dBm");
            u.w().powerUnits().DisplayTodBm();
            const Outcome inDbm = enterLevel(u, t, QString::number(dBm, 'f', 1));
            u.w().powerUnits().DisplayToWatts();
            const Outcome inWatts = enterLevel(u, t, QString::number(DbmToWatts(dBm), 'f', 6));
            const bool inRange = dBm >= 26.0f && dBm <= 55.0f;
            EXPECT_EQ(inDbm.taken, inRange);
            EXPECT_EQ(inWatts.taken, inRange);
            const QStringList refused = inRange ? QStringList() : QStringList({t.title, t.title});
            EXPECT_EQ(inDbm.titles, refused);
            EXPECT_EQ(inWatts.titles, refused);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, WattsLevels, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "TubeOverSerial" : "SolidStateOverTcp");
});

}   // namespace
}   // namespace watts_levels
