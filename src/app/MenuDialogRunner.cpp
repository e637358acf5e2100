// The main window's entries that open a dialog: one routine runs each entry's rules (the
// remote test, the link time-out, the poll, the steps around the dialog) from the table in
// MenuDialogs.cpp, and shows the dialog its module registered.
#include "app/Program.h"
#include "commands/RemoteMessage.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "platform/Prompts.h"
#include "app/MenuDialogs.h"
#include "app/MenuDialogRunner.h"
#include "ui/frmMainUi.h"
#include "app/frmMain.h"
#include "status/FeatureReads.h"
#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <optional>

MenuDialogRunner::MenuDialogRunner(Program& p, frmMain& window, FeatureReads& features)
    : p(p), window_(window), features_(features)
{
}

void MenuDialogRunner::lblSBandFrq_DblClick() { RunMenuDialog(MenuDialog::SetSubBand); }

void MenuDialogRunner::lbllcBucDrive_DblClick() { RunMenuDialog(MenuDialog::lcBucSetup); }

void MenuDialogRunner::RunMenuDialog(MenuDialog row)
{
    // An entry used while a command waits for its TCP reply opens once that command has ended.
    WhenLinkFree(p, window_, [this, row] { showMenuDialog(row); });
}

void MenuDialogRunner::showMenuDialog(MenuDialog row)
{
    using namespace menus;
    const MenuDialogRule& rule = RuleOf(row);
    const DialogFactory& make = menuDialogs.factory(row);
    if (!make)
        return;
    if (rule.modeless) {
        showModelessDialog(row);
        return;
    }
    if (rule.remoteTest && !p.conn.RemoteMode) {
        ShowNotInRemoteMsg(p.platform.prompts);
        return;
    }
    if (rule.steps & ClearEnetSettingsChanged)
        p.dialogs.EnetSettingsChanged = false;
    const quint64 connectionAtClick = p.txn.ConnectionId;
    std::optional<ScopedLinkTimeout> timeout;
    if (rule.linkTimeout2s)
        timeout.emplace(p.LinkObject, 2.0f);
    std::optional<PollPause> pause;
    if (rule.poll != PollMode::Untouched)
        pause.emplace(p, rule.poll == PollMode::On ? PollPause::Mode::On : PollPause::Mode::Restore);
    const std::unique_ptr<QWidget> window = make(p, window_);
    if (auto* dialog = qobject_cast<QDialog*>(window.get()))
        p.platform.prompts.runModal(*dialog);
    // The after-steps read only from the unit that was connected when the dialog opened.
    if (p.txn.ConnectionId == connectionAtClick)
        runAfterDialogSteps(rule.steps);
    timeout.reset();   // the link time-out back first, then the poll
    pause.reset();
}

void MenuDialogRunner::runAfterDialogSteps(unsigned steps)
{
    using namespace menus;
    const ConnectionWatch connection(p);
    RunWhileConnected(connection, {
                                      [&] {
                                          if (steps & Repaint)
                                              window_.repaint();
                                      },
                                      [&] {
                                          if ((steps & InitEnetParamsWhenChanged) && p.dialogs.EnetSettingsChanged)
                                              features_.InitEnetParams();
                                      },
                                      [&] {
                                          if (steps & menus::InitLLDP)
                                              features_.InitLLDP();
                                      },
                                      [&] {
                                          if (steps & InitComSettings)
                                              features_.InitCom1Settings();
                                      },
                                      [&] {
                                          if (steps & InitComSettings)
                                              features_.InitCom2Settings();
                                      },
                                      [&] {
                                          if (steps & menus::InitLCBuc)
                                              features_.InitLCBuc();
                                      },
                                  });
}

void MenuDialogRunner::showModelessDialog(MenuDialog row)
{
    QWidget* window = menuDialogs.kept(row);
    if (!window) {
        std::unique_ptr<QWidget> made = menuDialogs.factory(row)(p, window_);
        if (!made)
            return;
        if (made->parentWidget() != &window_)
            made->setParent(&window_, made->windowFlags() | Qt::Window);
        window = made.release();   // the main window owns it from here
        menuDialogs.keep(row, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
