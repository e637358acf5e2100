#include "link/PollPause.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"
#include <gtest/gtest.h>

namespace {
// A Program whose poll timer is a flag, with the window's rule that nothing but a pause
// switches it on while a pause holds and only for a connection that is up.
struct PausedProgram : TestProgram {
    PausedProgram()
    {
        p().hooks.setPollTimer = [this](bool on) {
            if (on && p().txn.LinkUp && p().PollPauseDepth == 0)
                timerOn = true;
            else if (!on)
                timerOn = false;
        };
        p().hooks.pollTimerActive = [this] { return timerOn; };
        BeginConnection(p(), false);
    }
    bool timerOn = false;
};
}   // namespace

TEST(PollPause, StopsThePollAndPutsItBackByMode)
{
    struct Case {
        PollPause::Mode mode;
        bool before;
        bool after;
    };
    const Case cases[] = {
        {PollPause::Mode::Restore, true, true},
        {PollPause::Mode::Restore, false, false},
        {PollPause::Mode::On, true, true},
        {PollPause::Mode::On, false, true},
    };
    for (const Case& c : cases) {
        PausedProgram t;
        t.timerOn = c.before;
        {
            PollPause pause(t.p(), c.mode);
            EXPECT_FALSE(t.timerOn);
            EXPECT_EQ(t.p().PollPauseDepth, 1);
        }
        EXPECT_EQ(t.timerOn, c.after) << int(c.mode) << c.before;
        EXPECT_EQ(t.p().PollPauseDepth, 0);
    }
}

TEST(PollPause, AnInnerPauseNeverRestartsThePollWhileTheOuterHolds)
{
    for (const auto outerMode : {PollPause::Mode::Restore, PollPause::Mode::On}) {
        PausedProgram t;
        t.timerOn = false;
        {
            PollPause outer(t.p(), outerMode);
            {
                PollPause inner(t.p(), PollPause::Mode::On);
            }
            EXPECT_FALSE(t.timerOn);
            t.p().hooks.setPollTimer(true);   // nobody else switches it on meanwhile
            EXPECT_FALSE(t.timerOn);
        }
        EXPECT_EQ(t.timerOn, outerMode == PollPause::Mode::On);
    }
}

TEST(PollPause, LeavesThePollOffWhenItsConnectionEnded)
{
    struct Case {
        const char* name;
        std::function<void(Program&)> meanwhile;
    };
    const Case cases[] = {
        {"disconnected", [](Program& p) { EndConnection(p); }},
        {"reconnected",
         [](Program& p) {
             EndConnection(p);
             BeginConnection(p, true);
         }},
    };
    for (const Case& c : cases) {
        for (const auto mode : {PollPause::Mode::Restore, PollPause::Mode::On}) {
            PausedProgram t;
            t.timerOn = true;
            {
                PollPause pause(t.p(), mode);
                c.meanwhile(t.p());
            }
            EXPECT_FALSE(t.timerOn) << c.name;
        }
    }
    PausedProgram idle;   // no connection when it began: never on
    EndConnection(idle.p());
    {
        PollPause pause(idle.p(), PollPause::Mode::On);
    }
    EXPECT_FALSE(idle.timerOn);
}

TEST(PollPause, WorksWithoutAWindow)
{
    TestProgram t;   // no hooks installed
    {
        PollPause pause(t.p(), PollPause::Mode::On);
    }
    EXPECT_EQ(t.p().PollPauseDepth, 0);
}

TEST(ScopedLinkTimeout, GivesBackExactlyTheValueItFoundOnEveryWayOut)
{
    TestProgram t;
    OVLink& link = t.p().LinkObject;
    for (const float before : {2.0f, 5.0f, 0.6f, 900.0f}) {
        link.setMsgTimeout(before);
        const auto run = [&](bool early) {
            ScopedLinkTimeout hold(link, 3.0f);
            EXPECT_FLOAT_EQ(link.MsgTimeout(), 3.0f);
            if (early)
                return;
            ScopedLinkTimeout inner(link, 900.0f);
            EXPECT_FLOAT_EQ(link.MsgTimeout(), 900.0f);
        };
        run(true);
        EXPECT_EQ(link.MsgTimeout(), before);
        run(false);
        EXPECT_EQ(link.MsgTimeout(), before);
        try {
            ScopedLinkTimeout hold(link, 10.0f);
            throw 1;
        } catch (int) {
        }
        EXPECT_EQ(link.MsgTimeout(), before);
    }
}
