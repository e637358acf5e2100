// Over TCP a reply's data end at its ETX: bytes between the ETX and the CR, or a frame
// byte inside the line, never reach a value of the query procedures that cut up to the
// data's end.
#include "commands/ConfigQueryTest.h"
#include "commands/Identification.h"
#include "commands/IndexedQueries.h"
#include "commands/PolledQueries.h"
#include "commands/QueryRule.h"
#include "commands/StatusQueries.h"
#include "commands/SubBandQueries.h"
#include "commands/TemperatureQueries.h"
#include "support/GarbageUnit.h"
#include "support/LinkedUnit.h"
#include "support/SimUnitProfile.h"
#include <gtest/gtest.h>

using namespace SsaCmds;

namespace {

using cfgtest::fields;

// The result, then ReplyFields 0 .. count-1 as the call left them.
QString withFields(bool result, const Program& p, int count)
{
    return (result ? QStringLiteral("T|") : QStringLiteral("F|")) + fields(p, count);
}

struct Procedure {
    const char* name;
    std::function<QString(Program&)> values;   // every value it gives, as one text
};

const std::vector<Procedure>& procedures()
{
    static const std::vector<Procedure> all = {
        {"ReadDLAtnCountText", [](Program& p) { return ReadDLAtnCountText(p); }},
        {"ReadHelixHeaterReadings", [](Program& p) { return withFields(ReadHelixHeaterReadings(p, true), p, 4); }},
        {"GetUnitIDFields", [](Program& p) { return withFields(GetUnitIDFields(p), p, 4); }},
        {"GetUnitIDVersion",
         [](Program& p) {
             GetUnitIDVersion(p, 6316);
             const UnitIdentity& id = p.unit.id;
             return QStringList{id.boxes.txtPN,      id.boxes.txtSN,  id.boxes.txtFrmRev,
                                id.boxes.txtCplDate, id.UnitSerialNo, QString::number(id.FirmwareVersion100)}
                 .join('|');
         }},
        {"ReadSubBandList", [](Program& p) { return withFields(ReadSubBandList(p), p, 8); }},
        {"ReadBandTempCoefficients", [](Program& p) { return withFields(ReadBandTempCoefficients(p, 2), p, 2); }},
        {"GetUnitPortSettings", [](Program& p) { return withFields(GetUnitPortSettings(p, 1), p, 4); }},
        {"ReadSingleStatusWord",
         [](Program& p) {
             const QString summary = ReadSingleStatusWord(p, 1);
             return summary + "|" + ReadSingleStatusWord(p, 2);
         }},
    };
    return all;
}

// The replies of both families, the tube unit's identity winning.
QMap<QByteArray, QByteArray> unitReplies()
{
    QMap<QByteArray, QByteArray> replies = sspaProfile().replies;
    replies.insert(twtaProfile().replies);
    return replies;
}

constexpr qsizetype WholeData = 1000;

// The reply line ACK "A" data ETX "x" CR for each command: data cut to `keep` characters.
QMap<QByteArray, QByteArray> linesWithByteAfterEtx(const QMap<QByteArray, QByteArray>& replies, qsizetype keep)
{
    QMap<QByteArray, QByteArray> lines;
    for (auto it = replies.cbegin(); it != replies.cend(); ++it) {
        QByteArray line = unitframes::tcpReply('A', it.value().left(keep));
        line.insert(line.size() - 1, 'x');
        lines.insert(it.key(), line);
    }
    return lines;
}

}   // namespace

TEST(TcpReplyData, EndsAtTheEtxOfTheLine)
{
    const auto data = [](const char* line) {
        const Reply r = Reply::FromTcpLine(QString::fromLatin1(line));
        return r.toEnd(3);
    };
    EXPECT_EQ(data("\x06"
                   "A?05\x03x\r"),
              "?05");
    EXPECT_EQ(data("\x06"
                   "A?05\x03\r"),
              "?05");
    EXPECT_EQ(data("\x06"
                   "A?05\r"),
              "?05");   // no ETX: the data end at the CR
    EXPECT_EQ(data("\x06"
                   "A?0\x03"
                   "5\x03\r"),
              "?0");   // nothing after the first ETX
    EXPECT_EQ(data("\x06"
                   "A?0\x02"
                   "5\x15\x06\x03\r"),
              "?0");   // nor any other frame byte
    EXPECT_EQ(data("\x06"
                   "A\x03\r"),
              "");
    const Reply r = Reply::FromTcpLine(QString::fromLatin1("\x06"
                                                           "A?0512\x03yz\r"));
    EXPECT_EQ(r.len(), 9);   // ETX and CR at Len-1 and Len, as in a serial frame
    EXPECT_EQ(*r.upToEtx(4), "0512");
}

// Each procedure gives over TCP, with a byte between every reply's ETX and CR, what it gives
// over the serial line; and with every reply's data cut short, no frame byte in any value.
TEST(TcpReplyData, ByteAfterTheEtxNeverReachesAValue)
{
    const QMap<QByteArray, QByteArray> replies = unitReplies();
    for (const Procedure& proc : procedures()) {
        TestProgram serial;
        serial.replies = replies;
        TcpTestProgram tcp;
        tcp.rawReplies = linesWithByteAfterEtx(replies, WholeData);
        EXPECT_EQ(proc.values(tcp.p()), proc.values(serial.p())) << proc.name;
        for (qsizetype keep = 0; keep <= 40; ++keep) {
            TcpTestProgram cut;
            cut.rawReplies = linesWithByteAfterEtx(replies, keep);
            const QString values = proc.values(cut.p());
            ASSERT_EQ(garbage::frameByteIn(values), -1)
                << proc.name << " keeping " << keep << ": " << values.toStdString();
        }
    }
}

TEST(TcpReplyData, RandomLinesNeverPutAFrameByteInAValue)
{
    QRandomGenerator rng(20261230);
    for (const Procedure& proc : procedures()) {
        garbage::forGarbageUnits(true, rng, 80, [&proc](Program& p) {
            const QString values = proc.values(p);
            ASSERT_EQ(garbage::frameByteIn(values), -1) << proc.name << ": " << values.toStdString();
        });
    }
}

// Over a loopback connection: a unit that puts a byte and a second ETX after the data.
TEST(TcpReplyData, LoopbackLineWithBytesAfterTheEtx)
{
    SimUnitProfile profile = sspaProfile();
    profile.set("?/", "?05\x03x");
    TcpUnitProgram s(profile);
    ASSERT_TRUE(s.connected);
    EXPECT_EQ(ReadDLAtnCountText(s.p()), "05");
}
