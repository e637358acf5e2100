// Saving and replaying the configuration command file through the main window: the
// replay against the simulated unit over a pseudo-terminal and loopback TCP, the menus.
#include "CmdFileWindow.h"
#include "app/Program.h"
#include "files/FileIO.h"
#include "platform/Folders.h"
#include "platform/QtClock.h"
#include "platform/QtSerialControl.h"
#include "platform/QtTcpSocket.h"
#include "support/FakeProgress.h"
#include "support/FakePrompts.h"
#include "support/FakeShell.h"
#include "support/MainWindowProgram.h"
#include "support/MemorySettingsStore.h"
#include "support/SimUnitAcknowledge.h"
#include "support/SimUnitSerial.h"
#include "support/SimUnitTcp.h"
#include "app/frmMain.h"
#include "status/QStringPrint.h"
#include "files/CmdFileActions.h"
#include "link/Transaction.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The main window connected to the simulated unit, which acknowledges every setting.
struct ReplayWindow : CmdFileWindow {
    explicit ReplayWindow(UnitLink link) : CmdFileWindow(link, profile())
    {
        connect();
        EXPECT_TRUE(prompts.boxes.isEmpty());
        unit.clearCommands();
    }
    static SimUnitProfile profile()
    {
        SimUnitProfile profile = twtaProfile();
        profile.set("PEI?", "PEI127.0.0.1");   // the first read takes the unit's address as the target
        return profile;
    }
    QString file(const char* name, const QByteArray& bytes)
    {
        const QString path = tmp.filePath(name);
        WriteFileBytes(path, bytes);
        return path;
    }
    // The commands the unit received before the first that is no line of the replay
    // (the reconnect's first).
    QByteArrayList replayed(const QByteArrayList& fileLines) const
    {
        QByteArrayList sent = unit.commands();
        qsizetype n = 0;
        while (n < sent.size() && fileLines.contains(sent[n]))
            ++n;
        return sent.mid(0, n);
    }
};

const QByteArray kMixedFile = "############################################################\r\n"
                              "#               Amplifier Configuration File\r\n"
                              "#  Command File: x.txt\r\n"
                              "\r\n"
                              "#Attenuation: 5.0 dB\n"
                              " #x\r\n"
                              "   \n"
                              "#PBJ1\r\n"
                              "K5\n"
                              "PX1\r\n";
const QByteArrayList kMixedCommands = {" #x", "   ", "K5", "PX1"};

class Replay : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

TEST_P(Replay, SendsExactlyTheCommandLinesThenReconnects)
{
    ReplayWindow t(GetParam());
    const QString path = t.file("mixed.txt", kMixedFile);
    t.prompts.fileAnswers << path;
    const bool advancedBefore = t.w().ui.mnuAdvSrch->isEnabled();
    t.w().cmdFile().mnuLoadFile_Click();
    for (const auto& box : t.prompts.boxes)
        ADD_FAILURE() << box.title.toStdString() << ": " << box.text.toStdString();
    EXPECT_EQ(t.replayed(kMixedCommands), kMixedCommands);
    EXPECT_EQ(t.progress.titles, QStringList({"Load Cfg File"}));
    EXPECT_EQ(t.progress.texts.last(), "Sending line 4 of 4");
    EXPECT_EQ(t.progress.ended, 1);
    // The reconnect read the unit again and left the window connected.
    EXPECT_TRUE(t.unit.commands().contains("YT"));
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    EXPECT_TRUE(t.p().txn.LinkUp);
    if (GetParam() == UnitLink::Tcp) {
        EXPECT_EQ(t.w().ui.mnuAdvSrch->isEnabled(), advancedBefore);
    }
}

TEST_P(Replay, RefusedLinesAreAllSentNamedAndFollowedByTheReconnect)
{
    ReplayWindow t(GetParam());
    t.unit.editProfile([](SimUnitProfile& profile) {
        profile.behaviour["K5"].kind = SimBehaviour::Nak;
        profile.behaviour["   "].kind = SimBehaviour::Nak;
    });
    EXPECT_TRUE(t.w().LoadCmdFile(t.file("mixed.txt", kMixedFile)));
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "Load Cfg File");
    EXPECT_EQ(t.prompts.boxes[0].text, "The unit refused 2 of 4 commands:\nLine 7:    \nLine 9: K5");
    EXPECT_TRUE(t.unit.commands().contains("PX1"));
}

INSTANTIATE_TEST_SUITE_P(Links, Replay, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });

TEST(ReplayCases, NothingIsSentInLocalModeForCommentsOnlyOrAControlCharacter)
{
    ReplayWindow t(UnitLink::Tcp);
    const QString good = t.file("mixed.txt", kMixedFile);
    t.p().conn.RemoteMode = false;
    t.prompts.fileAnswers << good;
    t.w().cmdFile().mnuLoadFile_Click();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Not in Remote Mode");
    EXPECT_TRUE(t.unit.commands().isEmpty());   // nothing sent, no reconnect
    t.p().conn.RemoteMode = true;

    t.prompts.boxes.clear();
    EXPECT_FALSE(t.w().LoadCmdFile(t.file("comments.txt", "#a\r\n\r\n#PBJ1\r\n")));
    EXPECT_TRUE(t.prompts.boxes.isEmpty());

    t.prompts.fileAnswers << t.file("ctl.txt", "K5\r\n#ok\x03\r\nPX1\x03\r\nPX0\r\n");
    t.w().cmdFile().mnuLoadFile_Click();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "Load Cfg File");
    EXPECT_EQ(t.prompts.boxes[0].text, "Line 3 holds a control character; nothing was sent.");
    EXPECT_TRUE(t.unit.commands().isEmpty());
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
}

// A file saved with a byte-order mark replays its commands alone.
TEST(ReplayCases, AByteOrderMarkIsNeverSent)
{
    ReplayWindow t(UnitLink::Serial);
    EXPECT_TRUE(t.w().LoadCmdFile(t.file("bom.txt", "\xef\xbb\xbf" + kMixedFile)));
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    EXPECT_EQ(t.unit.commands(), kMixedCommands);
}

// A file that cannot be opened or read: one "File Error" box naming it, nothing sent and no
// reconnect.
TEST(ReplayCases, AFileThatCannotBeReadShowsOneBoxAndSendsNothing)
{
    ReplayWindow t(UnitLink::Tcp);
    const QString unreadable = t.file("unreadable.txt", "K5\r\n");
    QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
    QDir(t.tmp.path()).mkdir("folder.txt");
    QStringList paths = {t.tmp.filePath("missing.txt"), t.tmp.filePath("folder.txt")};
    if (!QFile(unreadable).open(QIODevice::ReadOnly))   // the superuser reads it all the same
        paths << unreadable;
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        t.prompts.boxes.clear();
        t.prompts.fileAnswers << path;
        t.w().cmdFile().mnuLoadFile_Click();
        ASSERT_EQ(t.prompts.boxes.size(), 1);
        EXPECT_EQ(t.prompts.boxes[0].title, "File Error");
        EXPECT_EQ(t.prompts.boxes[0].text, "The file could not be read:\n" + path);
        EXPECT_EQ(t.prompts.boxes[0].icon, PromptIcon::Exclamation);
        EXPECT_TRUE(t.unit.commands().isEmpty());
        EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
    }
}

TEST(ReplayCases, CancelStopsBeforeTheNextLineAndTheReconnectFollows)
{
    ReplayWindow t(UnitLink::Serial);
    t.progress.cancelAtValue = 2;
    t.prompts.fileAnswers << t.file("mixed.txt", kMixedFile);
    t.w().cmdFile().mnuLoadFile_Click();
    EXPECT_EQ(t.replayed(kMixedCommands), kMixedCommands.mid(0, 2));
    EXPECT_TRUE(t.unit.commands().contains("YT"));
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Disconnect");
}

TEST(ReplayCases, ADroppedConnectionStopsTheReplayWithoutReconnecting)
{
    ReplayWindow t(UnitLink::Tcp);
    t.unit.editProfile([](SimUnitProfile& profile) { profile.behaviour["K5"].kind = SimBehaviour::DropConnection; });
    t.prompts.fileAnswers << t.file("mixed.txt", kMixedFile);
    t.w().cmdFile().mnuLoadFile_Click();
    EXPECT_FALSE(t.unit.commands().contains("PX1"));
    EXPECT_FALSE(t.unit.commands().contains("YT"));
    QStringList texts;
    for (const auto& box : t.prompts.boxes)
        texts << box.text;
    EXPECT_TRUE(
        texts.contains("Connection lost after command 2 of 4 (file line 7); the remaining commands were not sent."))
        << texts.join("|").toStdString();
    EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
    EXPECT_FALSE(t.p().txn.LinkUp);
}

TEST(ReplayCases, ASecondLoadDuringAReplaySendsNothing)
{
    ReplayWindow t(UnitLink::Tcp);
    const QString other = t.file("other.txt", "ZZ1\r\n");
    bool nested = true;
    QTimer::singleShot(0, t.window.get(), [&] { nested = t.w().LoadCmdFile(other); });
    EXPECT_TRUE(t.w().LoadCmdFile(t.file("mixed.txt", kMixedFile)));
    EXPECT_FALSE(nested);
    EXPECT_EQ(t.unit.commands(), kMixedCommands);
}

// ---- saving through the menu, on the fake link ----

namespace {
struct SaveWindow : MainWindowProgram {
    SaveWindow()
    {
        w().ui.txtSN->setText("12345");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~SaveWindow() { QLocale::setDefault(QLocale::system()); }
};
}   // namespace

TEST(SaveMenu, ProposesFreeNamesInTheDataFolderAndOpensTheSavedFile)
{
    SaveWindow t;
    QDir().mkpath(t.folders.dataFolder());
    const QString first = t.folders.dataFolder() + "/12345Cfg.txt";
    t.prompts.fileAnswers << first;
    t.w().cmdFile().mnuSaveAs_Click();
    ASSERT_EQ(t.prompts.fileFolders.size(), 1);
    EXPECT_EQ(t.prompts.fileFolders[0], t.folders.dataFolder());
    EXPECT_EQ(t.prompts.fileProposed[0], "12345Cfg.txt");
    EXPECT_EQ(t.prompts.fileFilters[0], "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(t.shell.opened, QStringList({first}));
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
    const QByteArray header = ReadFileBytes(first);
    EXPECT_TRUE(header.startsWith(QByteArray(60, '#') +
                                  "\r\n#               Amplifier Configuration File\r\n#\r\n"
                                  "#  Command File: 12345Cfg.txt\r\n#  Created: 3/14/26 3:09:26 PM\r\n"))
        << header.toStdString();

    t.w().cmdFile().mnuSaveAs_Click();   // cancelled: nothing happens
    EXPECT_EQ(t.prompts.fileProposed[1], "12345Cfg1.txt");
    EXPECT_EQ(t.shell.opened.size(), 1);
    EXPECT_TRUE(t.prompts.boxes.isEmpty());
}

TEST(SaveMenu, AFileThatCannotBeWrittenShowsOneBoxAndOpensNothing)
{
    SaveWindow t;
    WriteFileBytes(t.tmp.filePath("blocker"), "x");
    const QString path = t.tmp.filePath("blocker/cfg.txt");
    t.prompts.fileAnswers << path;
    t.w().cmdFile().mnuSaveAs_Click();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].title, "File Error");
    EXPECT_TRUE(t.prompts.boxes[0].text.contains(path));
    EXPECT_TRUE(t.shell.opened.isEmpty());
}

TEST(SaveMenu, AConnectionLostDuringTheSaveKeepsTheOldFile)
{
    SaveWindow t;
    const QString path = t.tmp.filePath("cfg.txt");
    WriteFileBytes(path, "old\r\n");
    t.w().cmdFile().onCmdFileSection = [&](const char* name) {
        if (QByteArray(name) == "SaveAttenuation")
            ++t.p().txn.ConnectionId;   // the connection ends under the save
    };
    t.prompts.fileAnswers << path;
    t.w().cmdFile().mnuSaveAs_Click();
    ASSERT_EQ(t.prompts.boxes.size(), 1);
    EXPECT_EQ(t.prompts.boxes[0].text, "Connection lost; the configuration file was not saved.");
    EXPECT_EQ(ReadFileBytes(path), "old\r\n");
    EXPECT_TRUE(t.shell.opened.isEmpty());
}

// ---- the link lost at a save's query, on the real links ----

namespace {
class SaveCut : public ::testing::TestWithParam<UnitLink> {};
}   // namespace

// However the loss shows, at the first, a middle or the last of the save's queries: nothing
// is written, an existing file stays byte for byte, and the box says so.
TEST_P(SaveCut, ALinkLostAtAnyQueryWritesNothingAndKeepsTheOldFile)
{
    const struct {
        QByteArray query;
        bool oldFile;
    } cases[] = {{".?P203", true}, {"PZ?2", false}, {"PTW?", true}, {"PTW?", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query.toStdString() + (c.oldFile ? " over an old file" : ""));
        CmdFileWindow t(GetParam(), twtaProfile());
        ASSERT_TRUE(t.connect());
        t.unit.editProfile(
            [&](SimUnitProfile& profile) { profile.behaviour[c.query].kind = SimBehaviour::DropConnection; });
        t.unit.clearCommands();
        const QString path = t.tmp.filePath("cfg.txt");
        const QByteArray old = "an older configuration\r\n";
        if (c.oldFile)
            WriteFileBytes(path, old);
        t.prompts.fileAnswers << path;

        t.w().cmdFile().mnuSaveAs_Click();

        EXPECT_TRUE(t.unit.commands().contains(c.query));
        EXPECT_EQ(ReadFileBytes(path), c.oldFile ? old : QByteArray("<missing>"));
        EXPECT_EQ(QDir(t.tmp.path()).entryList({"cfg*"}, QDir::Files),
                  c.oldFile ? QStringList{"cfg.txt"} : QStringList{});
        EXPECT_TRUE(t.boxes().contains("Save Unit Cfg: Connection lost; the configuration file was not saved."))
            << t.boxes().join("|").toStdString();
        EXPECT_TRUE(t.shell.opened.isEmpty());
        EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
        EXPECT_FALSE(t.p().txn.LinkUp);
    }
}

INSTANTIATE_TEST_SUITE_P(Links, SaveCut, ::testing::Values(UnitLink::Serial, UnitLink::Tcp),
                         [](const auto& info) { return UnitLinkName(info.param); });

// ---- a file of another model, and how far a replay got ----

namespace {
// A file saved from a unit of `firmware`'s model and serial `serial`, with comments between
// its commands.
QByteArray savedFrom(const QByteArray& firmware, const QByteArray& serial, const QByteArrayList& commands)
{
    QByteArray file = QByteArray(60, '#') + "\r\n#               Amplifier Configuration File\r\n#\r\n" +
                      "#  Command File: " + serial + "Cfg.txt\r\n#  Created: 3/14/26 3:09:26 PM\r\n" +
                      "#  Firmware: " + firmware + "\r\n#  ModelCfg: \r\n#\r\n" + QByteArray(60, '#') + "\r\n\r\n" +
                      "#Serial Number: " + serial + "\r\n#YL" + serial + "\r\n";
    for (const QByteArray& command : commands)
        file += "#Setting\r\n" + command + "\r\n";
    return file;
}

QByteArrayList numbered(int count)
{
    QByteArrayList commands;
    for (int k = 1; k <= count; ++k)
        commands << "K" + QByteArray::number(k);
    return commands;
}
}   // namespace

TEST_P(Replay, AFileOfAnotherModelIsSentOnlyAfterYes)
{
    const QByteArrayList commands = {"YM0", "K5", "PX1"};
    const struct {
        const char* name;
        QByteArray firmware;
        PromptAnswer answer;
        bool asked;
        bool sent;
    } cases[] = {
        {"another model, No", "672-6250-001", PromptAnswer::No, true, false},
        {"another model, Yes", "672-6250-001", PromptAnswer::Yes, true, true},
        {"the same model, another serial", "672-6316-001", PromptAnswer::No, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReplayWindow t(GetParam());
        const QString unitSerial = t.p().unit.id.UnitSerialNo;
        ASSERT_FALSE(unitSerial.isEmpty());
        t.prompts.answers << c.answer;
        EXPECT_EQ(t.w().LoadCmdFile(t.file("other.txt", savedFrom(c.firmware, "23101", commands))), c.sent);
        EXPECT_EQ(t.unit.commands(), c.sent ? commands : QByteArrayList{});
        if (c.asked) {
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            const auto& box = t.prompts.boxes[0];
            EXPECT_EQ(box.text, "This file was saved from model 6250, serial 23101; the connected unit is model 6316, "
                                "serial " +
                                    unitSerial + ". Send it anyway?");
            EXPECT_EQ(box.title, "Load Cfg File");
            EXPECT_EQ(box.icon, PromptIcon::Question);
            EXPECT_EQ(box.buttons, PromptButtons::YesNoDefaultNo);
        } else {
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
        }
    }
}

// A replay stopped after the tenth command of a file with comments counts in the progress'
// own numbers, and names the file line of the last command sent.
TEST_P(Replay, AReplayStoppedAtTheTenthCommandSaysHowFarItGot)
{
    const QByteArray file = savedFrom("672-6316-003", "T10452", numbered(12));
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "Cancel" : "link cut");
        ReplayWindow t(GetParam());
        if (cancel)
            t.progress.cancelAtValue = 10;
        else
            t.unit.editProfile(
                [](SimUnitProfile& profile) { profile.behaviour["K11"].kind = SimBehaviour::DropConnection; });
        t.w().LoadCmdFile(t.file("twelve.txt", file));
        // Line 14 holds the first command; each command follows its comment line.
        const QString text = cancel ? "Load Cfg File: Cancelled after command 10 of 12 (file line 32); the unit holds "
                                      "the commands sent so far."
                                    : "Load Cfg File: Connection lost after command 10 of 12 (file line 32); the "
                                      "remaining commands were not sent.";
        EXPECT_EQ(t.boxes(), QStringList{text});
        EXPECT_EQ(t.progress.texts.value(t.progress.texts.size() - 1),
                  cancel ? "Sending line 10 of 12" : "Sending line 11 of 12");
        EXPECT_FALSE(t.unit.commands().contains("K12"));
    }
}

// On the serial line a lost unit shows as time-outs: queries left unanswered at the save's
// end are a question about the link. A unit that still answers the status query is there
// (it is silent on queries it does not know) and the file is written; one that answers
// nothing is lost, and nothing is written.
TEST(SaveMenu, UnansweredQueriesAskAboutTheLinkBeforeTheFileIsClosed)
{
    for (const bool unitThere : {true, false}) {
        SCOPED_TRACE(unitThere ? "status answered" : "nothing answered");
        SaveWindow t;
        BeginConnection(t.p(), false);
        // The unit answers the save's queries up to its last, "PTW?".
        t.replies = twtaProfile().replies;
        t.replies.remove("PTW?");
        if (!unitThere)
            t.replies.remove("?!#(");
        const QString path = t.tmp.filePath("cfg.txt");
        WriteFileBytes(path, "old\r\n");
        t.prompts.fileAnswers << path;
        t.w().cmdFile().mnuSaveAs_Click();
        EXPECT_EQ(t.commands.mid(t.commands.size() - 2), QByteArrayList({"PTW?", "?!#("}));
        EXPECT_EQ(t.p().txn.LinkUp, unitThere);
        if (unitThere) {
            EXPECT_TRUE(t.prompts.boxes.isEmpty());
            EXPECT_TRUE(ReadFileBytes(path).startsWith(QByteArray(60, '#')));
            EXPECT_EQ(t.shell.opened, QStringList{path});
        } else {
            ASSERT_EQ(t.prompts.boxes.size(), 1);
            EXPECT_EQ(t.prompts.boxes[0].text, "Connection lost; the configuration file was not saved.");
            EXPECT_EQ(ReadFileBytes(path), "old\r\n");
            EXPECT_TRUE(t.shell.opened.isEmpty());
            EXPECT_EQ(t.w().ui.btnConnect->text(), "Connect");
        }
    }
}
