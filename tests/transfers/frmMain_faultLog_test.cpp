// The fault-log download through the main window against the simulated unit over the
// pseudo-terminal and loopback TCP: the commands and time-outs of both pagings, the file,
// the boxes, the failures of a page or the link, Cancel, the menu entries and the guards.
#include "LogWindow.h"
#include "link/PollPause.h"
#include "link/Transaction.h"
#include "support/FakeClock.h"
#include "support/MainWindowProgram.h"
#include "status/QStringPrint.h"
#include "support/UnitFrames.h"
#include <QAction>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
using Scheme = SimUnitLogs::Scheme;

SimUnitLogs::FaultLog paged(int entries, bool closingEmptyEntry = true, int reported = -1)
{
    return {Scheme::Paged, FaultEntries(entries), closingEmptyEntry, reported};
}

SimUnitLogs::FaultLog legacy(int entries, bool endLine = false, bool refusePastEnd = false)
{
    return {Scheme::Legacy, FaultEntries(entries), true, -1, endLine, refusePastEnd};
}

struct FaultCase {
    const char* name;
    SimUnitLogs::FaultLog log;
    int depth;
    QByteArrayList commands;
    int lines;    // entries in the file; -1: no file
    int wanted;   // the indicator's maximum
    QStringList boxes;
    QByteArray nak;   // a page the unit refuses
};

const QByteArray kProbe = "QF0;0";

std::vector<FaultCase> faultCases()
{
    const QByteArrayList legacyFull = QByteArrayList{kProbe, "4"} + LogPages("4", 100, 990);
    return {
        {"paged 25 of depth 100", paged(25), 100, {kProbe, kProbe, "QF0", "QF10", "QF20"}, 25, 25, {}},
        {"paged empty", paged(0), 100, {kProbe, kProbe, "QF0"}, -1, 0, {"Faultlog Download: Empty Faultlog Table"}},
        {"paged 7 without a closing entry", paged(7, false), 100, {kProbe, kProbe, "QF0"}, 7, 7, {}},
        {"paged first page beyond the count",
         paged(10, true, 5),
         100,
         {kProbe, kProbe, "QF0"},
         -1,
         5,
         {"Faultlog Download: Download Failed"}},
        {"paged 1000", paged(1000), 1000, QByteArrayList{kProbe, kProbe} + LogPages("QF", 0, 990), 1000, 1000, {}},
        {"legacy short", legacy(150), 100, {kProbe, "4"}, 100, 100, {}},
        {"legacy end line after 40", legacy(40, true), 500, {kProbe, "4", "4100", "4110"}, 41, 500, {}},
        {"legacy end line, later pages refused",
         legacy(40, true, true),
         500,
         {kProbe, "4", "4100", "4110"},
         41,
         500,
         {}},
        {"legacy 1000", legacy(1000), 1000, legacyFull, 1000, 1000, {}},
        {"paged page refused",
         paged(25),
         100,
         {kProbe, kProbe, "QF0", "QF10", "QF20"},
         -1,
         25,
         {"Faultlog Download: Download Failed"},
         "QF20"},
        {"legacy page refused",
         legacy(1000),
         1000,
         {kProbe, "4", "4100", "4110"},
         -1,
         1000,
         {"Faultlog Download: Download Failed"},
         "4110"},
        {"legacy first page refused",
         legacy(40, true),
         100,
         {kProbe, "4"},
         -1,
         100,
         {"Faultlog Download: Download Failed"},
         "4"},
    };
}

class FaultLogOverLink : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

TEST_P(FaultLogOverLink, CommandsTimeOutsFileAndBoxesOfBothPagings)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    const QString name = t.p().unit.id.UnitSerialNo + "fltlog.txt";
    ASSERT_EQ(name, "T10452fltlog.txt");
    int k = 0;
    for (const FaultCase& c : faultCases()) {
        SCOPED_TRACE(c.name);
        QFile::remove(t.dataFile(name));
        t.logs->setFaultLog(c.log);
        t.unit.editProfile([&](SimUnitProfile& profile) {
            profile.behaviour.remove("QF20");
            profile.behaviour.remove("4110");
            profile.behaviour.remove("4");
            if (!c.nak.isEmpty())
                profile.behaviour[c.nak].kind = SimBehaviour::Nak;
        });
        t.clearLogs();
        const float before = (k++ % 2) ? 3.5f : 2.0f;
        t.p().LinkObject.setMsgTimeout(before);

        const QString returned = t.w().GetFaultLog(c.depth, true);

        EXPECT_EQ(t.commands(), c.commands);
        for (int i = 0; i < t.sent.size(); ++i)
            EXPECT_FLOAT_EQ(t.sent[i].timeout, i == 0 ? before : 900.0f) << t.sent[i].command.toStdString();
        EXPECT_EQ(t.boxes(), c.boxes);
        EXPECT_EQ(t.progress.maximum, c.wanted);
        EXPECT_EQ(t.progress.ended, t.progress.begun);
        EXPECT_TRUE(std::is_sorted(t.progress.values.begin(), t.progress.values.end()));
        const QByteArray file = ReadBytes(t.dataFile(name));
        if (c.lines < 0) {
            EXPECT_EQ(returned, "");
            EXPECT_EQ(file, "<missing>");
            EXPECT_TRUE(t.shell.opened.isEmpty());
        } else {
            EXPECT_EQ(returned, name);
            const QByteArrayList lines = LogBodyLines(file);
            ASSERT_EQ(lines.size(), c.lines);
            EXPECT_EQ(lines.first(), "0001 FLT 0x0004 260314 150926");
            if (c.log.endLine)
                EXPECT_EQ(lines.last(), SimUnitLogs::EndLine);
            else
                EXPECT_EQ(lines.last(), FaultEntries(c.lines).last());
            EXPECT_EQ(t.shell.opened, QStringList{t.dataFile(name)});
            EXPECT_EQ(t.progress.values.last(), c.lines);
        }
        EXPECT_EQ(t.p().files.FaultLogQF, c.log.scheme == Scheme::Paged);
        EXPECT_EQ(t.p().transfers.FaultLogLines.size(), 1);
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), before);
        EXPECT_TRUE(t.w().Timer1.isActive());
        t.w().Timer1.stop();
    }
}

TEST_P(FaultLogOverLink, ALostLinkAtAPageEndsTheDownloadAndKeepsTheOlderFile)
{
    for (const Scheme scheme : {Scheme::Paged, Scheme::Legacy}) {
        SCOPED_TRACE(scheme == Scheme::Paged ? "paged" : "legacy");
        LogWindow t(GetParam(), twtaProfile());
        ASSERT_TRUE(t.connect());
        const QByteArray page = scheme == Scheme::Paged ? "QF10" : "4100";
        t.logs->setFaultLog(scheme == Scheme::Paged ? paged(25) : legacy(200));
        t.unit.editProfile(
            [&](SimUnitProfile& profile) { profile.behaviour[page].kind = SimBehaviour::DropConnection; });
        const QString path = t.dataFile("T10452fltlog.txt");
        const QByteArray older = "an older log\r\n";
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(older);
        }
        t.w().Timer1.start();

        EXPECT_EQ(t.w().GetFaultLog(500, true), "");

        EXPECT_EQ(t.commands().last(), page);
        EXPECT_EQ(t.unit.commands().last(), page);
        EXPECT_EQ(ReadBytes(path), older);
        EXPECT_EQ(t.boxes().count("Faultlog Download: Download Failed"), 1) << t.boxes().join("|").toStdString();
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_FALSE(t.w().Timer1.isActive());
        EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
        EXPECT_FALSE(t.p().txn.LinkUp);
        EXPECT_FALSE(t.w().ui.mnuDnldFltLog->isEnabled());
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
    }
}

TEST_P(FaultLogOverLink, CancelStopsAfterThePageWithoutFileOrBox)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    t.logs->setFaultLog(paged(25));
    t.progress.cancelAtValue = 20;
    const QString path = t.dataFile("T10452fltlog.txt");
    EXPECT_EQ(t.w().GetFaultLog(100, true), "");
    EXPECT_EQ(t.commands(), QByteArrayList({kProbe, kProbe, "QF0", "QF10"}));
    EXPECT_EQ(t.progress.titles, QStringList{"Faultlog Download"});
    EXPECT_EQ(t.progress.maximum, 25);
    EXPECT_EQ(t.progress.values, QList<int>({10, 20}));
    EXPECT_EQ(t.progress.ended, 1);
    EXPECT_EQ(ReadBytes(path), "<missing>");
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_TRUE(t.w().Timer1.isActive());
    EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
}

TEST_P(FaultLogOverLink, MenuEntriesDownloadTheirDepthAndNothingElseStartsMeanwhile)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    t.logs->setFaultLog(legacy(150));
    t.p().unit.features.FullFaultLogSize = 500;
    QAction* reboot = t.w().ui.mnuReboot;
    ASSERT_TRUE(reboot->isEnabled());
    int rounds = 0;
    t.clock.onProcessEvents = [&] {
        if (rounds++ != 0)
            return;
        // Entries and controls used while the pages come in start nothing.
        reboot->trigger();
        t.w().ui.mnuDnldFltLog->trigger();
        t.w().ui.mnuSaveAs->trigger();
        t.w().ui.btnFaultReset->click();
        t.w().ui.btnConnect->click();
    };
    t.w().ui.mnuDnldFltLog->trigger();
    EXPECT_EQ(t.commands(), QByteArrayList({kProbe, "4"}));
    t.clock.onProcessEvents = {};
    t.clearLogs();
    t.w().ui.mnuFullFaultLog->trigger();
    EXPECT_EQ(t.commands(), QByteArrayList({kProbe, "4"}) + LogPages("4", 100, 150));
    EXPECT_EQ(t.shell.opened, QStringList{t.dataFile("T10452fltlog.txt")});
    EXPECT_EQ(LogBodyLines(ReadBytes(t.dataFile("T10452fltlog.txt"))).size(), 150);
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_GT(rounds, 100);
    // Everything is back as it was.
    EXPECT_TRUE(reboot->isEnabled());
    EXPECT_TRUE(t.w().ui.btnFaultReset->isEnabled());
    EXPECT_TRUE(t.w().centralWidget()->isEnabled());
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
}

TEST_P(FaultLogOverLink, ADownloadInsideARestoringPauseLeavesThePollOff)
{
    LogWindow t(GetParam(), twtaProfile());
    ASSERT_TRUE(t.connect());
    t.logs->setFaultLog(paged(3));
    t.w().Timer1.start();
    {
        const PollPause dialog(t.p(), PollPause::Mode::Restore);
        EXPECT_EQ(t.w().GetFaultLog(100, false), "T10452fltlog.txt");
        EXPECT_FALSE(t.w().Timer1.isActive());
        EXPECT_TRUE(t.shell.opened.isEmpty());
    }
    EXPECT_TRUE(t.w().Timer1.isActive());
}

TEST(FaultLogClose, ClosingTheWindowEndsTheDownloadWithoutBoxOrFile)
{
    LogWindow t(UnitLink::Tcp, twtaProfile());
    ASSERT_TRUE(t.connect());
    t.logs->setFaultLog(paged(25));
    t.clock.onProcessEvents = [&] {
        if (t.commands().size() == 3)   // during the first page
            t.w().close();
    };
    t.w().ui.mnuDnldFltLog->trigger();
    EXPECT_TRUE(t.p().conn.ShuttingDown);
    EXPECT_EQ(t.commands(), QByteArrayList({kProbe, kProbe, "QF0"}));
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_FALSE(QFile::exists(t.dataFile("T10452fltlog.txt")));
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_EQ(t.p().transfers.FaultLogLines.size(), 1);
}

TEST(FaultLogFiles, EntriesFollowTheHeaderOfEachColumnEntryByteForByte)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    LogWindow t(UnitLink::Serial, twtaProfile());
    ASSERT_TRUE(t.connect());
    const QByteArrayList entries = {
        "0001 HV ON    47.5  2.1 10.5 5120 250.3 6.30 35 0 260314 150926",
        "0002 HELIX OC 47.1  2.0 10.5 5090 262.8 6.30 36 1 260314 151002",
        "0003 TMP HI   Tmp 45\xb0"
        "C             260314 151530",
    };
    const struct {
        const char* golden;
        Scheme scheme;
        bool paramLog;
        qint32 model;
        bool tube;
    } cases[] = {
        {"fltlog_paged.txt", Scheme::Paged, true, 6316, true},
        {"fltlog_legacy_plain.txt", Scheme::Legacy, false, 6316, true},
        {"fltlog_legacy_6250.txt", Scheme::Legacy, true, 6250, true},
        {"fltlog_legacy_4471.txt", Scheme::Legacy, true, 4471, true},
        {"fltlog_legacy_sspa.txt", Scheme::Legacy, true, 7467, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        t.p().unit.features.HasParamLog = c.paramLog;
        t.p().unit.id.UnitModelCode = c.model;
        t.p().unit.id.IsTwtaUnit = c.tube;
        t.logs->setFaultLog({c.scheme, entries});
        EXPECT_EQ(t.w().GetFaultLog(100, false), "T10452fltlog.txt");
        EXPECT_EQ(ReadBytes(t.dataFile("T10452fltlog.txt")), GoldenBytes(c.golden));
    }
    QLocale::setDefault(QLocale::system());
}

INSTANTIATE_TEST_SUITE_P(Links, FaultLogOverLink, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });

// ---- on the fake serial line, with the fake clock ----

namespace {
// The main window on the fake link, its unit answering from a simulated unit's logs.
struct FakeLineWindow : MainWindowProgram {
    FakeLineWindow()
    {
        SimUnitProfile profile = twtaProfile();
        profile.refuseAllUnknown();
        unit.setProfile(profile);
        unit.addFeature(logs);
        serial.responder = [this](const QByteArray& frame) -> QByteArray {
            char address = 0;
            QByteArray command;
            if (!unitframes::parseSerialRequest(frame, address, command))
                return {};
            commands.append(command);
            timeouts.append(p().LinkObject.MsgTimeout());
            const SimAnswer a = unit.answer(address, command);
            if (a.how.kind == SimBehaviour::Silent)
                return {};
            return unitframes::serialReply(a.address, a.data,
                                           a.how.kind == SimBehaviour::Nak ? unitframes::NAK : unitframes::ACK);
        };
        p().unit.id.UnitSerialNo = "T10452";
        BeginConnection(p(), false);
    }
    SimUnit unit;
    std::shared_ptr<SimUnitLogs> logs = std::make_shared<SimUnitLogs>();
    FakeShell shell;
    QList<float> timeouts;
};
}   // namespace

TEST(FaultLogFakeLine, ASilentPageWaitsOutTheLongTimeOutAndFails)
{
    FakeLineWindow t;
    t.logs->setFaultLog(legacy(300));
    t.unit.editProfile([](SimUnitProfile& profile) { profile.behaviour["4110"].kind = SimBehaviour::Silent; });
    const qint64 start = t.clock.msNow();
    EXPECT_EQ(t.w().GetFaultLog(1000, true), "");
    EXPECT_EQ(t.commands, QByteArrayList({kProbe, "4", "4100", "4110"}));
    EXPECT_EQ(t.timeouts, QList<float>({2.0f, 900.0f, 900.0f, 900.0f}));
    EXPECT_GE(t.clock.msNow() - start, 900000);
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Download Failed");
    EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
    EXPECT_FALSE(QFile::exists(t.folders.dataFolder() + "/T10452fltlog.txt"));
    EXPECT_TRUE(t.shell.opened.isEmpty());
    EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
    EXPECT_TRUE(t.w().Timer1.isActive());
}
