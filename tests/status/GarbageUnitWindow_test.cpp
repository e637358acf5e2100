// The whole window against a unit that answers every command with random data: the first
// read and the polls must run through, nothing the window shows may hold a frame byte, and
// the readings of the replies that hold one are shown.
#include "link/Transaction.h"
#include "support/GarbageUnit.h"
#include "app/frmMain.h"
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString firstTextWithAFrameByte(const frmMain& w)
{
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (garbage::frameByteIn(l->text()) >= 0)
            return l->objectName() + ": " + l->text();
    for (const QLineEdit* e : w.findChildren<QLineEdit*>())
        if (garbage::frameByteIn(e->text()) >= 0)
            return e->objectName() + ": " + e->text();
    for (const QComboBox* c : w.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            if (garbage::frameByteIn(c->itemText(i)) >= 0)
                return c->objectName() + ": " + c->itemText(i);
    for (const QAction* a : w.findChildren<QAction*>())
        if (garbage::frameByteIn(a->text()) >= 0)
            return a->objectName() + ": " + a->text();
    return QString();
}

// The polled reading boxes, each with the number of polls after which it showed a reading.
struct ReadingsSeen {
    QLineEdit* frmMainUi::*box;
    const char* name;
    int polls = 0;
};

}   // namespace

TEST(GarbageUnitWindow, FirstReadAndPollsShowNoFrameByte)
{
    // A reading as the boxes show one: a number, "< " before it when under range.
    static const QRegularExpression reading(QStringLiteral("^(< )?-?[0-9]+(\\.[0-9]+)?$"));
    ReadingsSeen seen[] = {{&frmMainUi::txtFdBm, "forward power"},
                           {&frmMainUi::txtRdBm, "reverse power"},
                           {&frmMainUi::txtTemp, "temperature"}};
    QRandomGenerator rng(4242);
    for (int round = 0; round < 12; ++round) {
        TestProgram t;
        garbage::answerWithGarbage(t, rng);
        frmMain w{t.p()};
        BeginConnection(t.p(), false);
        w.FirstTimeRead();
        // Most random status replies are not taken: keep the link up to reach the
        // readings and clock ticks of the answered polls too.
        for (int poll = 0; poll < 120 && t.p().txn.LinkUp; ++poll) {
            t.p().conn.PollRetriesLeft = 2;
            for (ReadingsSeen& s : seen)
                (w.ui.*s.box)->clear();
            w.Timer1_Timer();
            for (ReadingsSeen& s : seen) {
                const QString shown = (w.ui.*s.box)->text();
                if (!shown.isEmpty()) {
                    EXPECT_TRUE(reading.match(shown).hasMatch()) << s.name << ": " << shown.toStdString();
                    ++s.polls;
                }
            }
        }
        w.Timer1.stop();
        ASSERT_EQ(firstTextWithAFrameByte(w), QString()) << "round " << round;
    }
    // The replies that do hold a reading are taken: each box shows readings after some polls.
    for (const ReadingsSeen& s : seen)
        EXPECT_GT(s.polls, 0) << s.name;
}
