// The main window's configuration command file: saving, replay and their File menu entries.
#include "commands/CommandContext.h"
#include "files/FilesState.h"
#include "files/CmdFileActions.h"
#include "ui/frmMainUi.h"
#include <QTimer>
#include "commands/RemoteMessage.h"
#include "commands/StatusQueries.h"
#include "files/CmdFileReplay.h"
#include "files/CmdFileSections.h"
#include "files/FileIO.h"
#include "files/FileNames.h"
#include "files/UnitFileHeader.h"
#include "link/ConnectButton.h"
#include "link/CommandWatch.h"
#include "link/ConnectionWatch.h"
#include "link/UnitTransport.h"
#include "link/SharedRoutines.h"
#include "link/Transaction.h"
#include "platform/BusyFlag.h"
#include "platform/Folders.h"
#include "platform/Progress.h"
#include "platform/Prompts.h"
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace {
const QString kLoadTitle = QStringLiteral("Load Cfg File");

void fileErrorBox(IPrompts& prompts, const char* what, const QString& path)
{
    prompts.message(QStringLiteral("The file could not be %1:\n").arg(QLatin1String(what)) + path,
                    QStringLiteral("File Error"), PromptIcon::Exclamation);
}
}   // namespace

CmdFileActions::CmdFileActions(CommandContext& p, FilesState& files, const frmMainUi& controls, QTimer& Timer1,
                               std::function<void()> clickConnect, std::function<void()> dropLostLink)
    : p(p), files_(files), window_(controls), Timer1(Timer1), clickConnect_(std::move(clickConnect)),
      dropLostLink_(std::move(dropLostLink)), ui{.txtSN = controls.txtSN, .btnConnect = controls.btnConnect}
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
    if (!writeSections(io)) {
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

bool CmdFileActions::writeSections(FileIO& io)
{
    const ConnectionWatch connection(p);
    // Queries left unanswered are a question about the link, also at the save's last query: a
    // unit that no longer answers ends the connection as failed polls do, and the file is not
    // written.
    std::optional<CommandWatch> watch;
    if (p.txn.LinkUp)
        watch.emplace(
            p, nullptr, [this] { return SsaCmds::StatusQueryAnswered(p); }, dropLostLink_);
    CmdFileContext c{p, window_, io};
    RunCmdFileSections(c, CmdFileSections(), [&](const CmdFileSection& section) {
        if (onCmdFileSection)
            onCmdFileSection(section.name);
        return !connection.ended();
    });
    if (connection.ended() || (watch && !watch->linkStillUp()))
        return false;
    return !linkFoundGone() && !connection.ended();
}

bool CmdFileActions::linkFoundGone()
{
    if (!p.txn.LinkUp || CurrentTransport(p).isOpen())
        return false;
    if (dropLostLink_)
        dropLostLink_();
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
    if (plan.commands.isEmpty() || !sendOtherModelFile(CmdFileOriginOf(lines)))
        return false;
    return replay(plan.commands);
}

bool CmdFileActions::sendOtherModelFile(const CmdFileOrigin& origin)
{
    const QString question = OtherModelQuestion(origin, p.unit.id.UnitModelCode, p.unit.id.UnitSerialNo);
    return question.isEmpty() || p.platform.prompts.message(question, kLoadTitle, PromptIcon::Question,
                                                            PromptButtons::YesNoDefaultNo) == PromptAnswer::Yes;
}

bool CmdFileActions::replay(const QList<ReplayLine>& commands)
{
    const ConnectionWatch connection(p);
    QList<ReplayLine> refused;
    ReplayStop stop{0, static_cast<int>(commands.size()), 0};
    bool cancelled = false;
    {
        const ProgressScope progress(*p.progressInUse, kLoadTitle, stop.total);
        for (const ReplayLine& line : commands) {
            cancelled = progress.cancelled();
            if (connection.ended() || cancelled)
                break;
            progress.setText(QStringLiteral("Sending line %1 of %2").arg(stop.sent + 1).arg(stop.total));
            const bool ok = SendUnitCommand(p, line.command, false);
            if (connection.ended() || linkFoundGone())
                break;   // the line during which the loss was seen counts as not sent
            ++stop.sent;
            stop.lineNumber = line.lineNumber;
            if (!ok)
                refused.append(line);
            progress.setValue(stop.sent);
            PauseMilliseconds(p.platform.clock, 1);
        }
    }
    if (connection.ended()) {
        p.platform.prompts.message(ReplayLostText(stop), kLoadTitle, PromptIcon::Exclamation);
        return false;
    }
    if (!refused.isEmpty())
        p.platform.prompts.message(RefusedLinesText(refused, stop.sent), kLoadTitle, PromptIcon::Exclamation);
    if (cancelled)
        p.platform.prompts.message(ReplayCancelledText(stop), kLoadTitle, PromptIcon::Information);
    return stop.sent > 0;
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
