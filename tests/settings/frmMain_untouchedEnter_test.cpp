// Enter in an entry box that still holds what the program wrote into it sends nothing: the
// unit has that value, and in watts the display's rounding would move it. Through the window
// connected to the simulated unit, on both families, in dBm and in watts.
#include "LinkedWindow.h"
#include "status/PowerUnits.h"
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace untouched_enter {
namespace {

const char* const entryBoxes[] = {"txtAtnDB",  "txtAtnCnt",   "txtConstLvl", "txtFhiLvl",   "txtFloLvl", "txtRhiLvl",
                                  "txtLinAmp", "txtLinPhase", "txtPSHours",  "txtXmtHours", "txtAdr"};

class UntouchedEnter : public testing::TestWithParam<bool> {};

TEST_P(UntouchedEnter, EnterOnTheTextTheProgramWroteSendsNothing)
{
    const bool tube = GetParam();
    SimUnitProfile profile = tube ? twtaProfile() : sspaProfile();
    profile.set("?HLR", "?F45.0A35.0A40.0");   // forward low 35.0 dBm: "3.2" W
    LinkedWindow u(tube ? UnitLink::Serial : UnitLink::Tcp, QuickProfile(profile));
    ASSERT_TRUE(u.ready());
    ASSERT_TRUE(u.p().conn.RemoteMode);
    for (const bool watts : {false, true}) {
        if (watts)
            u.w().powerUnits().DisplayToWatts();
        int tried = 0;
        for (const char* name : entryBoxes) {
            QLineEdit* box = u.w().findChild<QLineEdit*>(name);
            ASSERT_NE(box, nullptr) << name;
            if (!box->isVisible() || !box->isEnabled())
                continue;
            SCOPED_TRACE(testing::Message()
                         << name << " \"" << box->text().toStdString() << "\"" << (watts ? ", watts" : ", dBm"));
            ++tried;
            const QString shown = box->text();
            u.clearLogs();
            u.focus(box);
            QTest::keyClick(box, Qt::Key_End);
            u.type("\r");
            if (!shown.isEmpty())   // its last character taken back and typed again: the program's text
                u.type(QString("\b") + shown.back() + "\r");
            u.leave();
            EXPECT_TRUE(u.unit().commands().isEmpty());
            EXPECT_TRUE(u.boxes().isEmpty());
            EXPECT_EQ(box->text(), shown);
        }
        EXPECT_GE(tried, 7);
    }
    EXPECT_EQ(u.w().ui.txtFloLvl->text(), "3.2");
    EXPECT_TRUE(u.levels->settingsReceived().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Families, UntouchedEnter, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
    return std::string(info.param ? "TubeOverSerial" : "SolidStateOverTcp");
});

}   // namespace
}   // namespace untouched_enter
