// The console opened from the main window's File menu, the window connected to the simulated
// unit over the pseudo-terminal and loopback TCP: what the unit receives is what the operator
// sent, once, and nothing else.
#include "app/MenuDialogRunner.h"
#include "dialogs/frmCmdLine.h"
#include "support/LinkedMainWindow.h"
#include "ui/ConsoleCommandBox.h"
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace console_window {
namespace {

class ConsoleFromTheMenu : public testing::TestWithParam<UnitLink> {
protected:
    void SetUp() override
    {
        SimUnitProfile profile = twtaProfile();
        profile.set("K11.0", "K");
        profile.refuseAllUnknown();
        t = std::make_unique<LinkedMainWindow>(GetParam(), profile);
        ASSERT_TRUE(t->connect());
        t->w().show();
        openConsole();
    }

    // File > "Commandline", the focus in its command box, emptied.
    void openConsole()
    {
        t->w().ui.mnuCmdLine->trigger();
        console = qobject_cast<frmCmdLine*>(t->w().menuDialogs().menuDialogs.kept(MenuDialog::CmdLine));
        ASSERT_NE(console, nullptr);
        console->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return console->isActiveWindow(); }));
        clearBox();
        t->unit.clearCommands();
    }

    // Types `text` where the focus is, then Enter.
    void typeAndEnter(const QString& text)
    {
        QWidget* at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr);
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(at, c.toLatin1());
            else   // a key of no name that types the character
                QTest::sendKeyEvent(QTest::Click, at, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(at, Qt::Key_Return);
        QApplication::processEvents();
    }

    // Empties the command box as the operator would.
    void clearBox()
    {
        console->ui.cmbCmd->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(console->ui.cmbCmd, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(console->ui.cmbCmd, Qt::Key_Delete);
    }

    std::unique_ptr<LinkedMainWindow> t;
    QPointer<frmCmdLine> console;
};

// Enter sends the command; whatever moves the focus or closes the console afterwards sends
// nothing more.
TEST_P(ConsoleFromTheMenu, EnterSendsOnceAndNothingThatFollowsSendsAgain)
{
    struct Case {
        const char* name;
        std::function<void()> after;
    };
    const Case cases[] = {
        {"Tab", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }},
        {"a click in the reply list", [this] { QTest::mouseClick(console->ui.List1->viewport(), Qt::LeftButton); }},
        {"Close", [this] { QTest::mouseClick(console->ui.btnClose, Qt::LeftButton); }},
        {"a click in the main window",
         [this] {
             t->w().activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&t->w()));
             QTest::mouseClick(t->w().ui.txtAtnDB, Qt::LeftButton);
         }},
        {"the window system closing it", [this] { console->close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openConsole();
        typeAndEnter("K11.0");
        c.after();
        QTest::qWait(50);
        EXPECT_EQ(t->unit.commands(), QByteArrayList({"K11.0"}));
    }
}

// Closed while the unit takes its time to answer: the reply ends the command, and nothing
// goes out after it.
TEST_P(ConsoleFromTheMenu, ClosedDuringASlowReplyNothingIsSentAgain)
{
    t->unit.editProfile([](SimUnitProfile& profile) { profile.behaviour["K11.0"].delayMs = 300; });
    QTimer::singleShot(100, &t->w(), [this] {
        if (console)
            console->close();
    });
    typeAndEnter("K11.0");
    QTest::qWait(600);
    EXPECT_EQ(t->unit.commands(), QByteArrayList({"K11.0"}));
    EXPECT_TRUE(t->prompts.boxes.isEmpty());
}

// The box never completes what is typed from its history.
TEST_P(ConsoleFromTheMenu, APrefixOfAnEntryInTheHistoryIsSentAsTyped)
{
    const QString longCommand = "PX" + QString(2001, QLatin1Char('1'));
    typeAndEnter("K10.5");
    clearBox();
    typeAndEnter("K1");
    clearBox();
    typeAndEnter("k1");
    clearBox();
    typeAndEnter(longCommand);
    clearBox();
    typeAndEnter("PX?");
    EXPECT_EQ(t->unit.commands(), QByteArrayList({"K10.5", "K1", "k1", longCommand.toLatin1(), "PX?"}));
    EXPECT_EQ(console->ui.cmbCmd->currentText(), "PX?");
}

// A character the link cannot carry is named in a box and nothing is sent; Latin-1 goes out.
TEST_P(ConsoleFromTheMenu, ACharacterOutsideLatin1IsRefusedWithABox)
{
    typeAndEnter(QString::fromUtf8("Zé€"));
    EXPECT_TRUE(t->unit.commands().isEmpty());
    ASSERT_EQ(t->prompts.boxes.size(), 1);
    EXPECT_TRUE(t->prompts.boxes[0].text.contains(QString::fromUtf8("\"€\""))) << t->boxes().join("\n").toStdString();
    EXPECT_EQ(console->ui.cmbCmd->count(), 0);   // not kept in the history either

    clearBox();
    typeAndEnter(QString::fromUtf8("Zé"));
    EXPECT_EQ(t->unit.commands(), QByteArrayList({"Z\xE9"}));
}

INSTANTIATE_TEST_SUITE_P(Links, ConsoleFromTheMenu, testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return std::string(UnitLinkName(info.param)); });

}   // namespace
}   // namespace console_window
