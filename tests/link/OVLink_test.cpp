#include "link/OVLink.h"
#include "support/TestProgram.h"
#include "support/UnitFrames.h"
#include <gtest/gtest.h>

TEST(OVLink, FramesTheStatusQuery)
{
    EXPECT_EQ(OVLink::BuildFrame(2, 'A', "?!#("), QString::fromLatin1("\x02" "A?!#(\x03" "U"));
}

TEST(OVLink, CollectsAReplyAfterStrayBytes)
{
    TestProgram t;
    t.rawReplies["?!#("] = "xy" + unitframes::serialReply('A', "?ABCDEFGHIJKL");
    OVLink& link = t.p().LinkObject;
    qint16 err = -1;
    link.Clear();
    link.send(2, "?!#(");
    link.Receive(err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(link.ReplyBuffer, QString::fromLatin1(unitframes::serialReply('A', "?ABCDEFGHIJKL")));
}
