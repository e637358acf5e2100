// The About box: its texts, the system-information tool found in the registry or on the
// PATH and started by its path, the box when there is none, and the keys. And the two
// Help/console menu entries, which leave the poll running.
#include "dialogs/frmAbout.h"
#include "dialogs/frmCmdLine.h"
#include "support/FakeSystemInfoTool.h"
#include "ui/ConsoleCommandBox.h"
#include <QListWidget>
#include "support/MainWindowProgram.h"
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QAccessible>
#include <gtest/gtest.h>

namespace {

const QString MsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
const QString LocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
const char* Unavailable = "System Information Is Unavailable At This Time";

TEST(FrmAbout, LabelsShowTheReleaseAndTitle)
{
    FakePrompts prompts;
    FakeSystemInfoTool tool;
    frmAbout about(prompts, tool);
    EXPECT_EQ(about.ui.lblVersion->text(), "Version 1.0.328 (PN: 461-2097-113)");
    EXPECT_EQ(about.ui.lblTitle->text(), "Tubamon Utility (Tubamon)");
    EXPECT_EQ(about.ui.lblDescription->text(), "Description:  Controls and Configures Orvan High-Power Amplifiers.");
    EXPECT_FALSE(about.ui.picIcon->pixmap().isNull());   // the bundled icon
}

TEST(FrmAbout, SystemInformationToolStartedByItsPathOrTheBoxShown)
{
    const struct {
        const char* name;
        QMap<QString, QString> registry;
        QStringList files;
        QMap<QString, QString> programs;
        bool startSucceeds;
        QStringList started;   // empty: the box instead
    } cases[] = {
        {"first value, started without a file test",
         {{MsinfoKey, "C:\\Tools\\msinfo32.exe"}},
         {},
         {},
         true,
         {"C:\\Tools\\msinfo32.exe"}},
        {"first value that does not start", {{MsinfoKey, "C:\\gone.exe"}}, {}, {}, false, {"C:\\gone.exe"}},
        {"second value with the program in its folder",
         {{LocationKey, "C:\\Tools"}},
         {"C:\\Tools\\MSINFO32.EXE"},
         {},
         true,
         {"C:\\Tools\\MSINFO32.EXE"}},
        {"second value without it: the desktop tool",
         {{LocationKey, "C:\\Tools"}},
         {},
         {{"kinfocenter", "/usr/bin/kinfocenter"}},
         true,
         {"/usr/bin/kinfocenter"}},
        {"first desktop tool of the list on the PATH",
         {},
         {},
         {{"gnome-system-monitor", "/usr/bin/gnome-system-monitor"}, {"hardinfo", "/usr/bin/hardinfo"}},
         true,
         {"/usr/bin/hardinfo"}},
        {"nothing found", {}, {}, {}, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePrompts prompts;
        FakeSystemInfoTool tool;
        tool.registry = c.registry;
        tool.files = c.files;
        tool.programs = c.programs;
        tool.startSucceeds = c.startSucceeds;
        frmAbout about(prompts, tool);
        about.ui.cmdSysInfo->click();
        if (!c.started.isEmpty())
            EXPECT_EQ(tool.started, c.started);
        else
            EXPECT_TRUE(tool.started.isEmpty());
        const bool boxExpected = c.started.isEmpty() || !c.startSucceeds;
        ASSERT_EQ(prompts.boxes.size(), boxExpected ? 1 : 0);
        if (boxExpected) {
            EXPECT_EQ(prompts.boxes[0].text, Unavailable);
            EXPECT_EQ(prompts.boxes[0].title, "Tubamon");
            EXPECT_EQ(prompts.boxes[0].icon, PromptIcon::None);
        }
    }
}

TEST(FrmAbout, RegistryTextEndsAtItsFirstNul)
{
    FakeSystemInfoTool tool;
    tool.registry[MsinfoKey] = QString("C:\\a.exe") + QChar(0) + "junk";
    FakePrompts prompts;
    frmAbout about(prompts, tool);
    QString value;
    EXPECT_TRUE(about.GetKeyValue(frmAbout::RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                  "PATH", value));
    EXPECT_EQ(value, "C:\\a.exe");
    EXPECT_FALSE(about.GetKeyValue(frmAbout::RegistryRoot::LocalMachine, "SOFTWARE\\None", "PATH", value));
    EXPECT_EQ(value, "");
}

TEST(FrmAbout, AltSPressesSystemInfoAndEscCloses)
{
    FakePrompts prompts;
    FakeSystemInfoTool tool;
    frmAbout about(prompts, tool);
    about.show();
    EXPECT_EQ(about.ui.cmdSysInfo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Rejected);
}

// Every caption of `window` whole at the font's own size and at twice that.
void expectCaptionsWhole(QWidget& window)
{
    for (const qreal scale : {1.0, 2.0}) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * scale);
        window.setFont(font);
        window.adjustSize();
        window.show();
        QApplication::processEvents();
        for (QLabel* label : window.findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString() << " x" << scale;
        for (QPushButton* button : window.findChildren<QPushButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->objectName().toStdString() << " x" << scale;
        window.hide();
    }
}

TEST(FrmAbout, CaptionsWholeAtBothScales)
{
    FakePrompts prompts;
    FakeSystemInfoTool tool;
    frmAbout about(prompts, tool);
    expectCaptionsWhole(about);
    MainWindowProgram t;
    frmCmdLine console(t.p());
    expectCaptionsWhole(console);
    EXPECT_EQ(console.ui.cmbCmd->accessibleName(), "Command");
    EXPECT_EQ(console.ui.List1->accessibleName(), "Replies");
    // A window to assistive technology, and the version a value with what it stands for.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&console)->role(), QAccessible::Window);
    QAccessibleInterface* version = QAccessible::queryAccessibleInterface(about.ui.lblVersion);
    EXPECT_EQ(version->text(QAccessible::Name), about.ui.lblVersion->text());
    EXPECT_FALSE(about.ui.lblVersion->text().isEmpty());
    EXPECT_EQ(version->text(QAccessible::Description), "Program version");
    // Tab from the replies reaches "Close".
    QWidget* next = console.ui.List1->nextInFocusChain();
    while (next && (!(next->focusPolicy() & Qt::TabFocus) || console.ui.List1->isAncestorOf(next)))
        next = next->nextInFocusChain();
    EXPECT_EQ(next, console.ui.btnClose);
}

TEST(ConsoleAndAboutEntries, ShowTheirWindowsAndLeaveThePollRunning)
{
    MainWindowProgram t;
    frmMain& w = t.w();
    w.Timer1.start();

    bool pollRanWhileOpen = false;
    t.prompts.modal = [&](QDialog& dialog) {
        pollRanWhileOpen = w.Timer1.isActive();
        EXPECT_EQ(dialog.objectName(), "frmAbout");
        return int(QDialog::Accepted);
    };
    w.ui.mnuHelpAbout->trigger();
    EXPECT_EQ(t.prompts.modalRuns, 1);
    EXPECT_TRUE(pollRanWhileOpen);

    w.ui.mnuCmdLine->trigger();
    auto* console = w.findChild<frmCmdLine*>();
    ASSERT_NE(console, nullptr);
    console->AddToCommandHistory("px?");
    console->ui.List1->addItem("kept");
    w.ui.mnuCmdLine->trigger();   // the one console again, with what it held
    EXPECT_EQ(w.findChildren<frmCmdLine*>().size(), 1);
    EXPECT_EQ(console->ui.cmbCmd->count(), 1);
    EXPECT_EQ(console->ui.List1->count(), 1);
    EXPECT_TRUE(console->isVisible());
    EXPECT_TRUE(w.Timer1.isActive());
    EXPECT_EQ(console->windowTitle(), "Commandline");
    w.Timer1.stop();
}

}   // namespace
