// The main window's configuration command file: saving, replay and their File menu entries.
#include "commands/CommandContext.h"
#include "files/FilesState.h"
#include "files/CmdFileActions.h"
#include "ui/frmMainUi.h"
#include <QTimer>
#include "commands/RemoteMessage.h"
#include "files/CmdFileReplay.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"
#include "files/FileNames.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectButton.h"
#include "link/ConnectionWatch.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/BusyFlag.h"
#include "platform/Folders.h"
#include "platform/Progress.h"
#include "platform/Prompts.h"
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kLoadTitle = QStringLiteral("Load Cfg File");

void fileErrorBox(IPrompts& prompts, const char* what, const QString& path)
{
    prompts.message(QStringLiteral("The file could not be %1:\n").arg(QLatin1String(what)) + path,
                    QStringLiteral("File Error"), PromptIcon::Exclamation);
}
}   // namespace

CmdFileActions::CmdFileActions(CommandContext& p, FilesState& files, const frmMainUi& controls, QTimer& Timer1,
                               std::function<void()> clickConnect)
    : p(p), files_(files), window_(controls), Timer1(Timer1),
      clickConnect_(std::move(clickConnect)), ui{.txtSN = controls.txtSN, .btnConnect = controls.btnConnect}
{
}

bool CmdFileActions::SaveCmdFile(const QString& path)
{
    // Never inside another save or replay, nor inside a transaction's wait (a menu click
    // then would send between that command and its reply).
    if (path.isEmpty() || files_.CmdFileBusy || TransactionInFlight(p))
        return false;
    BusyFlag busy(files_.CmdFileBusy);
    FileIO io(&p.platform.clock);
    SetUnitHeaderProperties(io, p.unit);
    if (!io.OpenCmdFile(path, false)) {
        fileErrorBox(p.platform.prompts, "written", path);
        return false;
    }
    const ConnectionWatch connection(p);
    CmdFileContext c{p, window_, io};
    RunCmdFileSections(c, CmdFileSections(), [&](const CmdFileSection& section) {
        if (onCmdFileSection)
            onCmdFileSection(section.name);
        return !connection.ended();
    });
    if (connection.ended()) {
        io.Discard();
        p.platform.prompts.message(QStringLiteral("Connection lost; the configuration file was not saved."),
                                   QStringLiteral("Save Unit Cfg"), PromptIcon::Exclamation);
        return false;
    }
    if (!io.CloseFile()) {
        fileErrorBox(p.platform.prompts, "written", path);
        return false;
    }
    return true;
}

bool CmdFileActions::LoadCmdFile(const QString& path)
{
    if (files_.CmdFileBusy || TransactionInFlight(p))
        return false;
    BusyFlag busy(files_.CmdFileBusy);
    if (!p.conn.RemoteMode) {
        ShowNotInRemoteMsg(p.platform.prompts);
        return false;
    }
    QStringList lines;
    {
        FileIO io;
        if (!io.OpenCmdFile(path, true)) {
            if (!path.isEmpty())
                fileErrorBox(p.platform.prompts, "read", path);
            return false;
        }
        while (!io.AtEndOfFile())
            lines << io.ReadNextLine();
    }
    const ReplayPlan plan = PlanReplay(lines);
    if (plan.controlCharLine > 0) {
        p.platform.prompts.message(ControlCharText(plan.controlCharLine), kLoadTitle, PromptIcon::Exclamation);
        return false;
    }
    if (plan.commands.isEmpty())
        return false;

    const ConnectionWatch connection(p);
    QList<ReplayLine> refused;
    int sent = 0;
    int lastLine = 0;
    {
        const int total = static_cast<int>(plan.commands.size());
        const ProgressScope progress(*p.progressInUse, kLoadTitle, total);
        for (const ReplayLine& line : plan.commands) {
            if (connection.ended() || progress.cancelled())
                break;
            progress.setText(QStringLiteral("Sending line %1 of %2").arg(sent + 1).arg(total));
            const bool ok = SendUnitCommand(p, line.command, false);
            ++sent;
            if (connection.ended())
                break;   // the line during which the loss was seen counts as not sent
            lastLine = line.lineNumber;
            if (!ok)
                refused.append(line);
            progress.setValue(sent);
            PauseMilliseconds(p.platform.clock, 1);
        }
    }
    if (connection.ended()) {
        p.platform.prompts.message(ReplayLostText(lastLine), kLoadTitle, PromptIcon::Exclamation);
        return false;
    }
    if (!refused.isEmpty())
        p.platform.prompts.message(RefusedLinesText(refused, sent), kLoadTitle, PromptIcon::Exclamation);
    return sent > 0;
}

void CmdFileActions::mnuSaveAs_Click()
{
    if (files_.CmdFileBusy)
        return;
    const QString folder = files_.DialogFolder.isEmpty() ? p.platform.folders.dataFolder() : files_.DialogFolder;
    const QString proposed =
        GetFreeTxtFileName(folder + QLatin1Char('/') + SafeFileNamePart(ui.txtSN->text()) + QStringLiteral("Cfg"));
    const QString path = p.platform.prompts.saveFile(
        QStringLiteral("Save As"), folder, QString::fromLatin1(kTextFileFilter), QFileInfo(proposed).fileName());
    if (path.isEmpty())
        return;
    files_.DialogFileName = path;
    if (SaveCmdFile(path))
        ShellOpen(p.platform.shell, path);
}

void CmdFileActions::mnuLoadFile_Click()
{
    if (files_.CmdFileBusy)
        return;
    QString folder = files_.DialogFolder.isEmpty() ? p.platform.folders.dataFolder() : files_.DialogFolder;
    if (!files_.DialogFileName.isEmpty())
        folder = QFileInfo(files_.DialogFileName).absolutePath();
    const QString path =
        p.platform.prompts.openFile(QStringLiteral("Open"), folder, QString::fromLatin1(kTextFileFilter));
    if (path.isEmpty())
        return;
    files_.DialogFileName = path;
    if (!LoadCmdFile(path))
        return;
    // Read the unit again, so that the window shows the values the replay set.
    if (ui.btnConnect->text() != ConnectCaption) {
        p.hooks.clearAndDisableWindow();
        Timer1.stop();
        p.hooks.showReadyToConnect(!p.conn.UseEnet);
    }
    clickConnect_();
}
