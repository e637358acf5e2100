#include "link/DeferredActions.h"
#include "link/Transaction.h"
#include "support/TestProgram.h"
#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(DeferredActions, RunAtOnceWhenTheLinkIsFreeElseInOrderAfterTheTransaction)
{
    TestProgram t;
    LinkContext& p = t.p();
    QStringList ran;
    RunWhenLinkFree(p, [&] { ran << "now"; });
    EXPECT_EQ(ran, QStringList({"now"}));

    p.txn.InFlight = true;   // as during a TCP wait
    RunWhenLinkFree(p, [&] { ran << "first"; });
    RunWhenLinkFree(p, [&] { ran << "second"; });
    QCoreApplication::processEvents();
    EXPECT_EQ(ran.size(), 1);
    EXPECT_EQ(p.deferred.pending(), 2);

    p.txn.InFlight = false;
    LinkFreed(p);
    // Not yet: the code that sent the command runs on until it goes back to the event loop.
    RunWhenLinkFree(p, [&] { ran << "third"; });   // after those kept before it
    EXPECT_EQ(ran.size(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, QStringList({"now", "first", "second", "third"}));
    EXPECT_EQ(p.deferred.pending(), 0);
}

TEST(DeferredActions, AKeptActionSendsItsCommandAfterTheOneInFlight)
{
    TestProgram t;
    t.replies["K12"] = "";
    t.replies["?A"] = "?10.5";
    LinkContext& p = t.p();
    p.txn.InFlight = true;
    RunWhenLinkFree(p, [&] { EXPECT_TRUE(SendUnitCommand(p, "K12")); });
    p.txn.InFlight = false;
    EXPECT_TRUE(SendUnitCommand(p, "?A"));   // its end lets the kept action run, later
    EXPECT_EQ(t.commands, QByteArrayList({"?A"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(t.commands, QByteArrayList({"?A", "K12"}));
}

TEST(DeferredActions, ActionsOfAConnectionThatEndedAreDropped)
{
    TestProgram t;
    LinkContext& p = t.p();
    bool ran = false;
    BeginConnection(p, false);
    p.txn.InFlight = true;
    RunWhenLinkFree(p, [&] { ran = true; });
    p.txn.InFlight = false;
    EndConnection(p);
    LinkFreed(p);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
    EXPECT_EQ(p.deferred.pending(), 0);
}

TEST(DeferredActions, NothingRunsOnceTheContextIsGone)
{
    bool ran = false;
    {
        TestProgram t;
        t.p().txn.InFlight = true;
        RunWhenLinkFree(t.p(), [&] { ran = true; });
        t.p().txn.InFlight = false;
        LinkFreed(t.p());
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

}   // namespace
