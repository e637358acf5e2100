// The command console against the simulated unit over the pseudo-terminal and loopback
// TCP: sent as typed, replies shown named, failures silent, the history rule, only Enter
// and picks send, and a command typed while another waits goes out after it.
#include "dialogs/frmCmdLine.h"
#include "link/Transaction.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitProfile.h"
#include "support/TcpTestProgram.h"
#include "ui/ConsoleCommandBox.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

QStringList items(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QStringList history(const QComboBox* box)
{
    QStringList all;
    for (int i = 0; i < box->count(); ++i)
        all << box->itemText(i);
    return all;
}

class ConsoleTest : public testing::TestWithParam<UnitLink> {
protected:
    void SetUp() override
    {
        SimUnitProfile profile = sspaProfile();
        profile.set("px?", "px?12.5");
        profile.set("LONG", "LONG" + QByteArray(235, '7'));   // shown with 11 framing characters
        profile.refuseAllUnknown();
        linked = std::make_unique<UnitLinkProgram>(GetParam(), profile, PlatformOverrides{.prompts = &prompts});
        program = linked->program;
        unit = linked->unit;
        console = std::make_unique<frmCmdLine>(*program);
        console->show();
        console->activateWindow();
        console->ui.cmbCmd->setFocus();
        QApplication::processEvents();
        unit->clearCommands();
    }

    // Types `text` into the entry and presses Enter.
    void enter(const QString& text)
    {
        console->ui.cmbCmd->setEditText(text);
        QTest::keyClick(console->ui.cmbCmd, Qt::Key_Return);
        QApplication::processEvents();
    }

    FakePrompts prompts;
    std::unique_ptr<UnitLinkProgram> linked;
    Program* program = nullptr;
    SimUnit* unit = nullptr;
    std::unique_ptr<frmCmdLine> console;
};

TEST_P(ConsoleTest, SentAsTypedAndTheReplyShownWithItsFramingNamed)
{
    enter("px?");
    EXPECT_EQ(unit->commands(), QByteArrayList({"px?"}));
    EXPECT_EQ(items(console->ui.List1), QStringList({"[ACK]Apx?12.5[ETX]"}));
    EXPECT_EQ(console->ui.cmbCmd->currentText(), "px?");   // kept for editing or resending

    enter("LONG");   // 250 characters shown: a line of 100, then one of 150
    const QStringList shown = items(console->ui.List1);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1].size(), 100);
    EXPECT_EQ(shown[2].size(), 150);
    EXPECT_TRUE(shown[2].endsWith("[ETX]"));
}

TEST_P(ConsoleTest, RefusedCommandsAddNothingAndShowNoBox)
{
    enter("NOPE");
    EXPECT_EQ(unit->commands(), QByteArrayList({"NOPE"}));
    EXPECT_EQ(console->ui.List1->count(), 0);
    EXPECT_TRUE(prompts.boxes.isEmpty());
}

TEST_P(ConsoleTest, HistoryKeepsDistinctCommandsNewestOnTop)
{
    enter("");
    EXPECT_TRUE(unit->commands().isEmpty());
    EXPECT_EQ(console->ui.cmbCmd->count(), 0);

    enter("px?");
    enter("ZZ");
    enter("px?");   // already there: neither added again nor moved
    enter("QQ");
    EXPECT_EQ(history(console->ui.cmbCmd), QStringList({"QQ", "ZZ", "px?"}));
}

TEST_P(ConsoleTest, OnlyAPickFromTheOpenListSendsAndOnlyOnce)
{
    enter("px?");
    enter("ZZ");
    unit->clearCommands();
    ConsoleCommandBox* box = console->ui.cmbCmd;

    // Browsing the closed box puts entries into the field and sends nothing.
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_PageDown);
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    QApplication::processEvents();
    EXPECT_TRUE(unit->commands().isEmpty());

    // A click on an entry of the opened list sends it, once.
    box->showPopup();
    QApplication::processEvents();
    QAbstractItemView* view = box->view();
    const QRect entry = view->visualRect(view->model()->index(1, 0));   // "px?"
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    QApplication::processEvents();
    EXPECT_EQ(unit->commands(), QByteArrayList({"px?"}));
    EXPECT_EQ(history(box), QStringList({"ZZ", "px?"}));
}

TEST_P(ConsoleTest, ACommandEnteredWhileAnotherWaitsGoesOutAfterItWithItsOwnReply)
{
    unit->editProfile([](SimUnitProfile& profile) {
        profile.set("?A", "?A10.5");
        profile.behaviour["?A"].delayMs = 150;
    });
    QTimer::singleShot(30, console.get(), [&] { enter("px?"); });
    EXPECT_TRUE(SendUnitCommand(*program, "?A"));   // the poll's command, waiting meanwhile
    for (int i = 0; i < 50 && console->ui.List1->count() == 0; ++i)
        QTest::qWait(10);
    EXPECT_EQ(unit->commands(), QByteArrayList({"?A", "px?"}));
    EXPECT_EQ(items(console->ui.List1), QStringList({"[ACK]Apx?12.5[ETX]"}));
}

// A command the unit leaves unanswered, on the scripted serial line and the fake TCP socket:
// each waits out its time-out (2 s, and 15 s over TCP) on the fake clock.
TEST(ConsoleOnFakeLinks, UnansweredCommandsAddNothingAndShowNoBox)
{
    const auto unanswered = [](TestProgram& t, qint64 waitMs) {
        frmCmdLine console(t.p());
        console.show();
        console.ui.cmbCmd->setEditText("QUIET");
        QTest::keyClick(console.ui.cmbCmd, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(t.commands, QByteArrayList({"QUIET"}));
        EXPECT_EQ(console.ui.List1->count(), 0);
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
        EXPECT_GE(t.clock.msNow() - 1000, waitMs);   // the whole wait, on the fake clock
    };
    {
        SCOPED_TRACE("serial");
        TestProgram t;
        unanswered(t, 2000);
    }
    {
        SCOPED_TRACE("TCP");
        TcpTestProgram t;
        unanswered(t, 15000);
    }
}

INSTANTIATE_TEST_SUITE_P(Links, ConsoleTest, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return std::string(UnitLinkName(info.param)); });

}   // namespace
