// The calibration-table transfers through the main window against the simulated unit over
// the pseudo-terminal and loopback TCP: the files of both downloads against goldens, the
// commands and time-outs, the failures and Cancel that leave no file, the uploads and their
// closing commands, the attenuator's begin/save rule, a round trip, and the menu entries.
#include "LogWindow.h"
#include "status/QStringPrint.h"
#include "support/SimUnitCalTables.h"
#include "transfers/CalTransfers.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
using Table = SimUnitCalTables::Table;
using Form = SimUnitCalTables::Form;

struct CalWindow : LogWindow {
    CalWindow(UnitLink link, SimUnitProfile profile = twtaProfile()) : LogWindow(link, std::move(profile))
    {
        unit.addFeature(cal);
    }
    // Answers the next file dialog with `name` in the temporary folder; its path.
    QString choose(const QString& name)
    {
        const QString path = tmp.filePath(name);
        prompts.fileAnswers << path;
        return path;
    }
    std::shared_ptr<SimUnitCalTables> cal = std::make_shared<SimUnitCalTables>();
};

// A level as the commands carry it: two integer digits, one decimal, "-" in front below 0.
QByteArray CalLevelBytes(int tenths)
{
    const int a = std::abs(tenths);
    return QByteArray(tenths < 0 ? "-" : "") + QByteArray::number(a / 10).rightJustified(2, '0') + '.' +
           QByteArray::number(a % 10);
}

QByteArrayList levelCommands(const QByteArray& read, int from, int to)
{
    QByteArrayList out;
    for (int t = from; t <= to; ++t)
        out << read + CalLevelBytes(t);
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The body of a table file: the lines after the header's closing rule and its empty line.
QByteArray body(const QByteArray& file)
{
    const QByteArray rule = QByteArray(60, '#') + "\r\n\r\n";
    const qsizetype at = file.indexOf(rule, 60);
    return at < 0 ? QByteArray("<no header>") : file.mid(at + rule.size());
}

class CalTablesOverLink : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

TEST_P(CalTablesOverLink, DownloadsWriteTheGoldenFilesWithTheirCommandsAndTimeOuts)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    CalWindow t(GetParam());
    ASSERT_TRUE(t.connect());
    const struct {
        const char* name;
        int menu;
        char kind;
        bool lcBuc;
        int from, to;   // the table's entries (tenths)
        QByteArrayList firstCommands;
        QByteArray lastCommand;
        int count;   // commands sent
        const char* golden;
        float timeout;
    } cases[] = {
        {"forward RF from 2.5 to 40.0",
         0,
         'F',
         false,
         25,
         400,
         {"YFC00.0", "YFC00.1"},
         "YFC40.1",
         402,
         "rfcal.txt",
         3.0f},
        {"attenuator from 0.0",
         4,
         'A',
         false,
         25,
         409,
         {"YAL", "YAC00.0", "YAC00.1"},
         "YAC41.0",
         412,
         "atncal_0.txt",
         5.0f},
        {"attenuator from -4.0",
         4,
         'A',
         true,
         -38,
         5,
         {"YAL", "YAC-04.0", "YAC-03.9"},
         "YAC00.6",
         48,
         "atncal_m4.txt",
         5.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.cal->setTable(c.kind, {CalEntries(c.from, c.to)});
        t.p().unit.config.LcBucInstalled = c.lcBuc;
        t.clearLogs();
        t.p().LinkObject.setMsgTimeout(2.5f);
        const QString path = t.choose(c.golden);

        t.w().calTables().mnuCalTables_Click(c.menu);

        const QByteArrayList sent = t.commands();
        ASSERT_EQ(sent.size(), c.count);
        EXPECT_EQ(sent.mid(0, c.firstCommands.size()), c.firstCommands);
        EXPECT_EQ(sent.last(), c.lastCommand);
        for (const SentCommand& s : t.sent)
            EXPECT_FLOAT_EQ(s.timeout, c.timeout) << s.command.toStdString();
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.5f);
        EXPECT_EQ(ReadBytes(path), GoldenBytes(c.golden));
        const char* title = c.kind == 'F' ? "Rf Cal Table Download" : "Attenuator Cal Table Download";
        EXPECT_EQ(t.boxes(), QStringList{QString(title) + ": Download Done"});
        EXPECT_EQ(t.prompts.boxes.last().icon, PromptIcon::Information);
        EXPECT_EQ(t.shell.opened, QStringList{path});
        EXPECT_EQ(t.progress.titles, QStringList{title});
        EXPECT_EQ(t.progress.maximum, c.kind == 'F' ? 769 : 601);
        EXPECT_EQ(t.w().ui.sbStatusBarPanel1->text(), "");
        EXPECT_TRUE(t.w().Timer1.isActive());
        t.w().Timer1.stop();
    }
    QLocale::setDefault(QLocale::system());
}

TEST_P(CalTablesOverLink, FirstAttenuatorLevelAndRepliesWithoutEchoOrEtx)
{
    CalWindow t(GetParam());
    ASSERT_TRUE(t.connect());
    const struct {
        const char* name;
        bool twta, lcBuc;
        qint32 model;
        QByteArray first;
    } units[] = {
        {"TWTA", true, false, 6316, "YAC00.0"},
        {"TWTA with the programmable up-converter", true, true, 6316, "YAC-04.0"},
        {"model 9214", false, true, 9214, "YAC00.0"},
        {"SSPA", false, false, 7467, "YAC-04.0"},
    };
    for (const auto& u : units) {
        SCOPED_TRACE(u.name);
        t.p().unit.id.IsTwtaUnit = u.twta;
        t.p().unit.id.UnitModelCode = u.model;
        t.p().unit.config.LcBucInstalled = u.lcBuc;
        t.clearLogs();
        const QString path = t.choose("atn.txt");
        t.w().calTables().mnuCalTables_Click(4);
        ASSERT_EQ(t.commands().size(), 602);   // "NO ENTRY" throughout: every level read
        EXPECT_EQ(t.commands()[1], u.first);
        // Only the markers, one per whole dB.
        EXPECT_EQ(body(ReadBytes(path)).count("dBm]\r\n"), 61);
        EXPECT_EQ(t.boxes(), QStringList{"Attenuator Cal Table Download: Download Done"});
    }

    // A forward RF table whose first reply has no echo (it starts the table but writes no
    // entry) and whose 0.5 reply has no ETX: on the serial line its closing brace and
    // checksum are left off, over TCP its line ends at the CR; either way the entry is whole.
    Table rf{CalEntries(0, 10)};
    rf.levels[0].form = Form::NoEcho;
    rf.levels[5].form = Form::NoEtx;
    t.cal->setTable('F', rf);
    t.clearLogs();
    const QString path = t.choose("rf.txt");
    t.w().calTables().mnuCalTables_Click(0);
    QByteArray expected = "[00.0 dBm]\r\n";
    for (int k = 1; k <= 10; ++k) {
        if (k == 10)
            expected += "[01.0 dBm]\r\n";
        expected += CalEntry(k) + "\r\n";
    }
    EXPECT_EQ(body(ReadBytes(path)), expected);
    EXPECT_EQ(t.commands().size(), 12);

    // "NO ENTRY" throughout: a file of the header only.
    t.cal->setTable('F', {});
    t.clearLogs();
    const QString empty = t.choose("empty.txt");
    t.w().calTables().mnuCalTables_Click(0);
    EXPECT_EQ(t.commands().size(), 769);
    EXPECT_EQ(body(ReadBytes(empty)), "");
    EXPECT_EQ(t.boxes(), QStringList{"Rf Cal Table Download: Download Done"});
    EXPECT_EQ(t.shell.opened, QStringList{empty});
}

TEST_P(CalTablesOverLink, AFailedOrCancelledDownloadLeavesNoFileAndTheOlderOneAsItWas)
{
    const QString rfFailed = "Rf Cal Table Download: Download Failed";
    const struct {
        const char* name;
        int menu;
        QByteArray command;   // the command given the behaviour
        SimBehaviour::Kind how;
        int cancelAt;      // the indicator's value that presses Cancel; -1 none
        QByteArray last;   // the last command sent
        QStringList boxes;
        bool dropped;
    } cases[] = {
        {"read refused at 3.0", 0, "YFC03.0", SimBehaviour::Nak, -1, "YFC03.0", {rfFailed}, false},
        {"YAL refused",
         4,
         "YAL",
         SimBehaviour::Nak,
         -1,
         "YAL",
         {"Attenuator Cal Table Download: Download Failed"},
         false},
        {"Cancel at level 30", 0, "", SimBehaviour::Answer, 30, "YFC02.9", {}, false},
        {"connection dropped at 3.0", 0, "YFC03.0", SimBehaviour::DropConnection, -1, "YFC03.0", {rfFailed}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CalWindow t(GetParam());
        ASSERT_TRUE(t.connect());
        t.cal->setTable('F', {CalEntries(25, 400)});
        t.cal->setTable('A', {CalEntries(25, 400)});
        if (!c.command.isEmpty())
            t.unit.editProfile([&](SimUnitProfile& profile) { profile.behaviour[c.command].kind = c.how; });
        t.progress.cancelAtValue = c.cancelAt;
        const QString path = t.choose("table.txt");
        const QByteArray older = "an older table\r\n";
        writeFile(path, older);
        t.w().Timer1.start();

        t.w().calTables().mnuCalTables_Click(c.menu);

        EXPECT_EQ(t.commands().last(), c.last);
        EXPECT_EQ(ReadBytes(path), older);
        EXPECT_EQ(QDir(t.tmp.path()).entryList(QDir::Files), QStringList{"table.txt"});   // nothing left aside
        QStringList boxes = t.boxes();
        if (c.command == "YAL" && GetParam() == UnitLink::Serial) {
            // The transaction's own box comes first on the serial line.
            ASSERT_FALSE(boxes.isEmpty());
            EXPECT_TRUE(boxes.takeFirst().startsWith("Communication Error: "));
        }
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_EQ(t.progress.ended, t.progress.begun);
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
        EXPECT_EQ(t.w().ui.sbStatusBarPanel1->text(), "");
        EXPECT_EQ(t.w().Timer1.isActive(), !c.dropped);
        EXPECT_EQ(t.w().ui.btnConnect->text(), c.dropped ? "Connect" : "Disconnect");
    }
}

TEST_P(CalTablesOverLink, MenuEntriesRunTheirTransferAndNothingElseStartsMeanwhile)
{
    CalWindow t(GetParam());
    ASSERT_TRUE(t.connect());
    t.cal->setTable('F', {CalEntries(0, 20)});
    QAction* reboot = t.w().ui.mnuReboot;
    int rounds = 0;
    QString status;
    t.clock.onProcessEvents = [&] {
        status = t.w().ui.sbStatusBarPanel1->text();
        if (rounds++ != 0)
            return;
        reboot->trigger();
        t.w().ui.mnuCalTables[4]->trigger();
        t.w().ui.mnuDnldFltLog->trigger();
        t.w().ui.btnFaultReset->click();
    };
    const QString path = t.choose("rf.txt");
    ASSERT_FALSE(t.w().Timer1.isActive());
    t.w().ui.mnuCalTables[0]->trigger();
    t.clock.onProcessEvents = {};
    EXPECT_EQ(t.commands(), levelCommands("YFC", 0, 21));
    EXPECT_EQ(t.shell.opened, QStringList{path});
    EXPECT_GT(rounds, 20);
    EXPECT_TRUE(t.w().Timer1.isActive());   // on after the transfer, though off before
    EXPECT_TRUE(reboot->isEnabled());
    EXPECT_TRUE(t.w().centralWidget()->isEnabled());
    EXPECT_EQ(status, "Retrieving RF Cal file...");
    EXPECT_EQ(t.w().ui.sbStatusBarPanel1->text(), "");

    // The other three entries show their own texts while they run.
    const struct {
        int entry;
        const char* text;
    } entries[] = {{1, "Sending RF Cal file..."}, {4, "Retrieving Atn Cal File..."}, {5, "Sending Atn Cal File..."}};
    t.clock.onProcessEvents = [&] { status = t.w().ui.sbStatusBarPanel1->text(); };
    for (const auto& e : entries) {
        status.clear();
        writeFile(t.choose("table.txt"), "1.0 dB Entry#0001\r\n");
        t.w().ui.mnuCalTables[e.entry]->trigger();
        EXPECT_EQ(status, e.text);
    }
}

TEST(CalTablesClose, ClosingTheWindowEndsATransferWithoutBoxFileOrAbort)
{
    for (const int menu : {0, 1}) {
        SCOPED_TRACE(menu);
        CalWindow t(UnitLink::Tcp);
        ASSERT_TRUE(t.connect());
        t.cal->setTable('F', {CalEntries(0, 100)});
        const QString path = t.choose("rf.txt");
        if (menu == 1)
            writeFile(path, "1.0 dB Entry#0001\r\n2.0 dB Entry#0002\r\n3.0 dB Entry#0003\r\n");
        t.clock.onProcessEvents = [&] {
            if (t.commands().size() == 2)
                t.w().close();
        };
        t.w().ui.mnuCalTables[menu]->trigger();
        EXPECT_TRUE(t.p().conn.ShuttingDown);
        EXPECT_EQ(t.commands(),
                  menu == 0 ? QByteArrayList({"YFC00.0", "YFC00.1"}) : QByteArrayList({"YFI", "YFF1.0 0001"}));
        EXPECT_TRUE(t.prompts.boxes.isEmpty());
        EXPECT_TRUE(t.shell.opened.isEmpty());
        if (menu == 0) {
            EXPECT_FALSE(QFile::exists(path));
        }
    }
}

namespace {
const QByteArray kHeader =
    QByteArray(60, '#') + "\r\n#\r\n#                  RF Power Cal File (Ku)\r\n" + QByteArray(60, '#') + "\r\n\r\n";
const QByteArray atnHeader =
    QByteArray(60, '#') + "\r\n#\r\n#                  Attenuator Cal File\r\n" + QByteArray(60, '#') + "\r\n\r\n";
}   // namespace

TEST_P(CalTablesOverLink, UploadsSendTheEntryLinesAndCloseWithSaveOrAbort)
{
    CalWindow t(GetParam());
    ASSERT_TRUE(t.connect());
    const QString rf = "RF Cal Table Upload: ", atn = "Atten Cal Table Upload: ";
    const QByteArray one = kHeader + "12.3 dB Entry#0A1F\r\n";
    const struct {
        const char* name;
        int menu;
        QByteArray file;   // "": no such file
        QByteArray nak;    // a command the unit refuses
        QByteArrayList commands;
        QStringList boxes;
    } cases[] = {
        {"entry, marker and lower-case entry",
         1,
         kHeader + "12.3 dB Entry#0A1F\r\n[13.0 dBm]\r\n12.3 db entry#0a1f\r\n",
         "",
         {"YFI", "YFF12.3 0A1F", "YFF12.3 0a1f", "YFS"},
         {rf + "Upload Done"}},
        {"short entry at the line's end", 1, "1.0 dB Entry#01", "", {"YFI", "YFF1.0 01", "YFS"}, {rf + "Upload Done"}},
        {"header only", 1, kHeader, "", {"YFI", "YFA"}, {rf + "Upload Failed"}},
        {"YFI refused", 1, one, "YFI", {"YFI"}, {"RF Cal Table Upload Failure: Unable To Initialize Cal Table"}},
        {"write refused",
         1,
         one + "14.0 dB Entry#0B00\r\n",
         "YFF12.3 0A1F",
         {"YFI", "YFF12.3 0A1F", "YFA"},
         {rf + "Upload Failed"}},
        {"save refused", 1, one, "YFS", {"YFI", "YFF12.3 0A1F", "YFS"}, {rf + "Upload Failed"}},
        // A file that may not be sent is read whole first: nothing at all reaches the unit.
        {"control character late in the file",
         1,
         "1.0 dB Entry#0001\r\n\r\n2.0 dB Entry#0002\r\n3.0 dB Entry#0\x01"
         "03\r\n",
         "",
         {},
         {rf + "Line 4 holds a control character; nothing was sent."}},
        {"the attenuator's file sent as the forward RF table",
         1,
         atnHeader + "[00.0 dBm]\r\n0.5 dB Entry#0005\r\n",
         "",
         {},
         {rf + "Line 3: the file is an \"Attenuator Cal File\", not an \"RF Power Cal File\"; nothing was sent."}},
        {"the forward RF file sent as the attenuator table",
         5,
         one,
         "",
         {},
         {atn + "Line 3: the file is an \"RF Power Cal File\", not an \"Attenuator Cal File\"; nothing was sent."}},
        {"a level above the table",
         1,
         "12.3 dB Entry#0A1F\r\n99999 dB Entry#0001\r\n",
         "",
         {},
         {rf + "Line 2: the level 99999 dB is outside the table's levels, 0.0 to 76.8 dB; nothing was sent."}},
        {"a level below the table",
         1,
         "-50 dB Entry#0002\r\n",
         "",
         {},
         {rf + "Line 1: the level -50 dB is outside the table's levels, 0.0 to 76.8 dB; nothing was sent."}},
        {"the table's last level",
         1,
         "76.8 dB Entry#0300\r\n",
         "",
         {"YFI", "YFF76.8 0300", "YFS"},
         {rf + "Upload Done"}},
        {"an attenuator level above its table",
         5,
         "60.1 dB Entry#0601\r\n",
         "",
         {},
         {atn + "Line 1: the level 60.1 dB is outside the table's levels, 0.0 to 60.0 dB; nothing was sent."}},
        {"forward RF file missing", 1, "", "", {}, {}},
        {"attenuator",
         5,
         atnHeader + "[00.0 dBm]\r\n0.5 dB Entry#0005\r\n",
         "",
         {"YAI", "YAF0.5 0005", "YAS"},
         {atn + "Upload Done"}},
        {"attenuator file missing",
         5,
         "",
         "",
         {"YAI", "YAA"},
         {"Atten Cal Table Upload Failure: Unable To Open Cal File"}},
        {"attenuator header only", 5, atnHeader, "", {"YAI", "YAA"}, {atn + "Upload Failed"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.unit.editProfile([&](SimUnitProfile& profile) {
            for (const QByteArray command : {"YFI", "YFS", "YFF12.3 0A1F"})
                profile.behaviour.remove(command);
            if (!c.nak.isEmpty())
                profile.behaviour[c.nak].kind = SimBehaviour::Nak;
        });
        t.clearLogs();
        const QString path = t.choose("upload.txt");
        QFile::remove(path);
        if (!c.file.isEmpty())
            writeFile(path, c.file);
        t.p().LinkObject.setMsgTimeout(2.5f);

        t.w().calTables().mnuCalTables_Click(c.menu);

        EXPECT_EQ(t.commands(), c.commands);
        for (const SentCommand& s : t.sent)
            EXPECT_FLOAT_EQ(s.timeout, c.menu == 1 ? 3.0f : 5.0f) << s.command.toStdString();
        EXPECT_EQ(t.boxes(), c.boxes);
        if (!c.boxes.isEmpty()) {
            const bool done = c.boxes.last().endsWith("Upload Done");
            EXPECT_EQ(t.prompts.boxes.last().icon, done ? PromptIcon::Information : PromptIcon::Exclamation);
        }
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.5f);
        EXPECT_EQ(t.w().ui.sbStatusBarPanel1->text(), "");
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_TRUE(t.w().Timer1.isActive());
        t.w().Timer1.stop();
    }
}

TEST_P(CalTablesOverLink, AttenuatorBeginAndSaveByFirmwareDateVersionAndModel)
{
    CalWindow t(GetParam());
    ASSERT_TRUE(t.connect());
    const struct {
        const char* name;
        bool twta;
        qint32 model, fw;
        const char* date;
        bool beginSave;
    } cases[] = {
        {"TWTA dated 2007-11-08", true, 6316, 900, "Nov  8 2007", false},
        {"TWTA dated 2007-11-09", true, 6316, 100, "Nov  9 2007", true},
        {"TWTA without a date, 545", true, 6316, 545, "", false},
        {"TWTA without a date, 546", true, 6316, 546, "", true},
        {"model 5363", false, 5363, 900, "Mar 15 2012", false},
        {"SSPA with a late date", false, 7467, 100, "Mar 15 2012", true},
        {"SSPA without a valid date", false, 7467, 900, "Feb 30 2012", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UnitIdentity& id = t.p().unit.id;
        id.IsTwtaUnit = c.twta;
        id.UnitModelCode = c.model;
        id.FirmwareVersion100 = c.fw;
        id.boxes.txtCplDate = c.date;
        t.cal->setTable('A', {{}, c.beginSave});
        t.clearLogs();
        writeFile(t.choose("atn.txt"), "0.5 dB Entry#0005\r\n");
        t.w().calTables().mnuCalTables_Click(5);
        const QByteArrayList bracketed = {"YAI", "YAF0.5 0005", "YAS"};
        EXPECT_EQ(t.commands(), c.beginSave ? bracketed : QByteArrayList{"YAF0.5 0005"});
        EXPECT_EQ(t.boxes(), QStringList{"Atten Cal Table Upload: Upload Done"});
        EXPECT_EQ(t.cal->table('A').levels.value(5).entry, "0.5 dB Entry#0005");   // stored by the unit
    }
}

TEST_P(CalTablesOverLink, CancelOrALostLinkStopsAnUploadAfterTheLine)
{
    const QByteArray file = "1.0 dB Entry#0001\r\n2.0 dB Entry#0002\r\n3.0 dB Entry#0003\r\n4.0 dB Entry#0004\r\n";
    for (const bool drop : {false, true}) {
        SCOPED_TRACE(drop ? "lost link" : "Cancel");
        CalWindow t(GetParam());
        ASSERT_TRUE(t.connect());
        if (drop)
            t.unit.editProfile(
                [](SimUnitProfile& p) { p.behaviour["YFF2.0 0002"].kind = SimBehaviour::DropConnection; });
        else
            t.progress.cancelAtValue = 2;
        writeFile(t.choose("rf.txt"), file);
        t.w().calTables().mnuCalTables_Click(1);
        const QByteArrayList sent = {"YFI", "YFF1.0 0001", "YFF2.0 0002"};
        // Cancel sends the abort and says so; a lost link sends nothing more.
        EXPECT_EQ(t.commands(), drop ? sent : sent + QByteArrayList{"YFA"});
        EXPECT_EQ(t.progress.titles, QStringList{"RF Cal Table Upload"});
        EXPECT_EQ(t.progress.maximum, 4);
        EXPECT_EQ(t.boxes(),
                  QStringList{drop ? "RF Cal Table Upload: Upload Failed" : "RF Cal Table Upload: Upload Cancelled"});
        EXPECT_TRUE(t.cal->table('F').levels.isEmpty());
        EXPECT_EQ(t.w().Timer1.isActive(), !drop);
        EXPECT_EQ(t.w().ui.btnConnect->text(), drop ? "Connect" : "Disconnect");
        EXPECT_FLOAT_EQ(t.p().LinkObject.MsgTimeout(), 2.0f);
    }
}

TEST_P(CalTablesOverLink, ATableDownloadedUploadedIntoAnotherUnitAndDownloadedAgainIsTheSame)
{
    for (const int menu : {0, 4}) {
        const char kind = menu == 0 ? 'F' : 'A';
        SCOPED_TRACE(kind);
        CalWindow from(GetParam());
        CalWindow into(GetParam());
        ASSERT_TRUE(from.connect());
        ASSERT_TRUE(into.connect());
        from.cal->setTable(kind, {CalEntries(25, 400)});
        into.cal->setTable(kind, {CalEntries(0, 3)});   // an older table, replaced by the save
        const QString first = from.choose("first.txt");
        from.w().calTables().mnuCalTables_Click(menu);
        into.prompts.fileAnswers << first;
        into.w().calTables().mnuCalTables_Click(menu + 1);
        EXPECT_EQ(into.boxes().last(), QString(menu == 0 ? "RF" : "Atten") + " Cal Table Upload: Upload Done");
        EXPECT_EQ(into.cal->writes(kind).size(), 376);
        const QString second = into.choose("second.txt");
        into.w().calTables().mnuCalTables_Click(menu);
        const QByteArray body1 = body(ReadBytes(first));
        EXPECT_EQ(body1.count("Entry#"), 376);
        EXPECT_EQ(body(ReadBytes(second)), body1);
    }
}

INSTANTIATE_TEST_SUITE_P(Links, CalTablesOverLink, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });
