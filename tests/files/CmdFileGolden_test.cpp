// Whole configuration command files of the simulated units, over a pseudo-terminal and
// loopback TCP, against goldens written by hand; the queries a save sends; and the
// round trip of a saved file into a fresh unit of the same profile.
#include "CmdFileWindow.h"
#include "files/CmdFileReplay.h"
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The profiles that have goldens. Every profile gives the unit the loopback address the
// window connects to, so that the reconnect after a replay reaches it.
SimUnitProfile withLoopbackAddress(SimUnitProfile p)
{
    if (p.knows("PEI?"))
        p.set("PEI?", "PEI127.0.0.1");
    return p;
}

// A solid-state unit that does not answer its enable masks, its latches or its supply set value.
SimUnitProfile unansweredSspaProfile()
{
    SimUnitProfile p = sspaProfile();
    for (const char* command : {"YIF?", "YIA?", ".?P212", ".?P151", "YC?"})
        p.replies.remove(command);
    // Sub-band 3 answers its linearizer and gain balance but not its tilt: the supply
    // fallback is asked and never written as a tilt.
    p.set("PZ?3", "PZ3A020");
    p.set("Pz?3", "Pz3P040");
    p.set("PG?3", "PG0 0.5");
    p.set("YC?:3", "YC1100");
    return p;
}

// A model 7428 up-converter unit: fixed configuration word, analog scalers and digital pots,
// the pot for the overdrive alarm limit unanswered.
SimUnitProfile oduBucProfile()
{
    SimUnitProfile p = sspaProfile();
    p.set("YT", "YTSSPA 672-7428-001");
    p.set("00", "07428-001/S31077/3.10/Mar 15 2012");
    p.set("YJ?", "YJ672-7428-201");
    p.set("PBO?", "PBO291-7428-001;ORVAN;S31077;BUC003");
    for (int n = 1; n <= 10; ++n)
        p.set(QByteArray("YO") + QByteArray::number(n) + "?",
              QByteArray("YO") + QByteArray::number(n) + " " + QByteArray::number(100 + n));
    p.set("YP1?", "YP1 25");
    p.set("YP3?", "YP3 2.5");
    p.set("YP4?", "YP4 64");
    p.set("YP6?", "YP6 16");
    // Without sub-bands, with the linearizer slope option: "?Zz" and "?/".
    p.set("YM?", "YM256");
    for (const char* command : {"PBS?", "PBS1?", "PBS2?", "PBS3?"})
        p.replies.remove(command);
    return p;
}

struct GoldenCase {
    const char* golden;
    SimUnitProfile (*profile)();
    // The queries the save sends, in order.
    QByteArrayList saveQueries;
};

const QByteArrayList kBandQueries{".?P203", ".?P320", ".?P321", ".?P322"};

QByteArrayList subBandQueries(int n, bool tiltAnswered)
{
    const QByteArray s = QByteArray::number(n);
    QByteArrayList q{"PZ?" + s, "Pz?" + s, "P/?" + s, "PG?" + s, "P|?" + s};
    if (!tiltAnswered)
        q << "YC?:" + s;
    return q;
}

std::vector<GoldenCase> goldenCases()
{
    // A sub-band whose first query goes unanswered is asked nothing more.
    const QByteArrayList sspa = kBandQueries + QByteArrayList{"PZ?1"} + subBandQueries(2, true);
    return {
        {"cmdfile_twta.txt", twtaProfile, kBandQueries + QByteArrayList{"PZ?1", "PZ?2", "PZ?3", "PTW?"}},
        {"cmdfile_sspa.txt", sspaProfile, sspa + QByteArrayList{"PZ?3", "PTW?"}},
        {"cmdfile_older_sspa.txt", olderSspaProfile, kBandQueries + QByteArrayList{"?Zz", "PTW?"}},
        {"cmdfile_sspa_unanswered.txt", unansweredSspaProfile,
         sspa + subBandQueries(3, false) + QByteArrayList{"PTW?"}},
        {"cmdfile_7428.txt", oduBucProfile,
         kBandQueries + QByteArrayList{"?Zz", "?/", "PTW?", "YP1?", "YP4?", "YP5?", "YP6?", "YP3?", "PBUH?"}},
    };
}

// Over TCP the file records the port the window connected to.
QByteArray expectedFile(const char* name, const CmdFileWindow& t)
{
    QByteArray bytes = GoldenFile(name);
    if (t.link == UnitLink::Tcp)
        bytes.replace("#Ethernet Port No.: 2000\r\n",
                      "#Ethernet Port No.: " + QByteArray::number(t.tcpSim.port()) + "\r\n");
    return bytes;
}

// On a mismatch, the file as written is left in TUBAMON_CMDFILE_DUMP (when set) to compare.
void dump(const char* name, UnitLink link, const QByteArray& bytes)
{
    const QByteArray folder = qgetenv("TUBAMON_CMDFILE_DUMP");
    if (folder.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    QFile f(QString::fromLocal8Bit(folder) + "/" + (link == UnitLink::Tcp ? "tcp_" : "pty_") + name);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QStringList commandLines(const QByteArray& file)
{
    QStringList lines = QString::fromLatin1(file).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList commands;
    for (const ReplayLine& line : PlanReplay(lines).commands)
        commands << line.command;
    return commands;
}

QStringList texts(const QByteArrayList& list)
{
    QStringList out;
    for (const QByteArray& b : list)
        out << QString::fromLatin1(b);
    return out;
}

struct EnglishLocale {
    EnglishLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~EnglishLocale() { QLocale::setDefault(QLocale::system()); }
};

class CmdFileGolden : public ::testing::TestWithParam<std::tuple<int, UnitLink>> {};
}   // namespace

TEST_P(CmdFileGolden, TheSavedFileEqualsItsGoldenAndOnlyQueriesAreSent)
{
    const EnglishLocale english;
    const GoldenCase c = goldenCases()[static_cast<size_t>(std::get<0>(GetParam()))];
    CmdFileWindow t(std::get<1>(GetParam()), withLoopbackAddress(c.profile()));
    ASSERT_TRUE(t.connect());
    t.unit.clearCommands();
    const QByteArray file = t.save(t.tmp.filePath("cfg"), "Cfg.txt");
    const QByteArray expected = expectedFile(c.golden, t);
    if (file != expected)
        dump(c.golden, t.link, file);
    EXPECT_EQ(file.toStdString(), expected.toStdString());
    EXPECT_EQ(texts(t.unit.commands()), texts(c.saveQueries));
    for (const auto& box : t.prompts.boxes)
        ADD_FAILURE() << box.title.toStdString() << ": " << box.text.toStdString();
}

TEST_P(CmdFileGolden, ASavedFileReplaysExactlyIntoAFreshUnitAndSavesAgainTheSame)
{
    const EnglishLocale english;
    const GoldenCase c = goldenCases()[static_cast<size_t>(std::get<0>(GetParam()))];
    const UnitLink link = std::get<1>(GetParam());
    QTemporaryDir folder;
    QByteArray first;
    QByteArray firstPort;
    {
        CmdFileWindow source(link, withLoopbackAddress(c.profile()));
        ASSERT_TRUE(source.connect());
        first = source.save(folder.filePath("first"), "Cfg.txt");
        firstPort = QByteArray::number(source.tcpSim.port());
    }
    const QStringList commands = commandLines(first);
    ASSERT_FALSE(commands.isEmpty());

    CmdFileWindow t(link, withLoopbackAddress(c.profile()));
    ASSERT_TRUE(t.connect());
    t.unit.clearCommands();
    t.prompts.fileAnswers << folder.filePath("first/Cfg.txt");
    t.w().mnuLoadFile_Click();
    for (const auto& box : t.prompts.boxes)
        ADD_FAILURE() << box.title.toStdString() << ": " << box.text.toStdString();
    // The replay sent the file's commands in order; the reconnect's first read follows.
    const QStringList sent = texts(t.unit.commands());
    ASSERT_GE(sent.size(), commands.size());
    EXPECT_EQ(sent.mid(0, commands.size()), commands);
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    t.w().Timer1.stop();
    // Over TCP each unit listens on its own port, which the file records.
    if (link == UnitLink::Tcp)
        first.replace("#Ethernet Port No.: " + firstPort + "\r\n",
                      "#Ethernet Port No.: " + QByteArray::number(t.tcpSim.port()) + "\r\n");
    EXPECT_EQ(t.save(folder.filePath("second"), "Cfg.txt").toStdString(), first.toStdString());
}

namespace {
std::string caseName(const ::testing::TestParamInfo<std::tuple<int, UnitLink>>& info)
{
    static const std::array<const char*, 5> names{"Twta", "Sspa", "OlderSspa", "SspaUnanswered", "Model7428"};
    return std::string(names[static_cast<size_t>(std::get<0>(info.param))]) + UnitLinkName(std::get<1>(info.param));
}
}   // namespace

INSTANTIATE_TEST_SUITE_P(Profiles, CmdFileGolden,
                         ::testing::Combine(::testing::Range(0, 5), ::testing::Values(UnitLink::Serial, UnitLink::Tcp)),
                         caseName);

namespace {
QStringList fileLines(const QByteArray& file) { return QString::fromLatin1(file).split(QStringLiteral("\r\n")); }
}   // namespace

TEST(CmdFileUnitState, TheRestoreToggleIsRecordedAsTheUnitAcknowledgedIt)
{
    const EnglishLocale english;
    CmdFileWindow t(UnitLink::Serial, twtaProfile());
    t.unit.editProfile([](SimUnitProfile& p) { p.behaviour["PBA1"].kind = SimBehaviour::Nak; });
    ASSERT_TRUE(t.connect());
    t.w().mnuAutoHVDisable_Click();   // "PBA0" acknowledged
    QStringList lines = fileLines(t.save(t.tmp.filePath("a"), "Cfg.txt"));
    EXPECT_TRUE(lines.contains("#Xmit Restore: Disabled"));
    EXPECT_TRUE(lines.contains("PBA0"));
    t.w().mnuAutoHVDisable_Click();   // "PBA1" refused: the unit stays as it was
    lines = fileLines(t.save(t.tmp.filePath("b"), "Cfg.txt"));
    EXPECT_TRUE(lines.contains("PBA0"));
    EXPECT_FALSE(lines.contains("PBA1"));
}

TEST(CmdFileUnitState, UpConverterSettingsNotAnsweredAtConnectAreRecordedOnly)
{
    const EnglishLocale english;
    SimUnitProfile profile = twtaProfile();
    profile.set("YM?", "YM1024");
    profile.set("PBCA?", "PBCA10.5");
    profile.set("PBCN?", "PBCN30");
    profile.set("PBCO?", "PBCO1.5");
    CmdFileWindow t(UnitLink::Serial, profile);   // neither "PBCS?" nor "PBCM?" answered
    ASSERT_TRUE(t.connect());
    const QStringList lines = fileLines(t.save(t.tmp.filePath("a"), "Cfg.txt"));
    const qsizetype at = lines.indexOf("#BUC Installed");
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.mid(at, 11),
              QStringList({"#BUC Installed", "#  BUC Mode: ", "#PBCM-1", "#  BUC Setpoint: -60.0 dBm", "#PBCS-60.0",
                           "#  BUC Offset: 1.5 dBm", "PBCO1.5", "#  BUC Atten: 10.5 dB", "PBCA10.5",
                           "#  BUC Max Atten: 30.0 dB", "PBCN30.0"}));
}
