// The main window's entries that open a dialog: one routine runs each entry's rules (the
// remote test, the link time-out, the poll, the steps around the dialog) from the table in
// MenuDialogs.cpp, and shows the dialog its module registered.
#include "app/Program.h"
#include "commands/RemoteMessage.h"
#include "link/ConnectionWatch.h"
#include "link/PollPause.h"
#include "platform/Prompts.h"
#include "app/MenuDialogs.h"
#include "app/frmMain.h"
#include <QAction>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <optional>

namespace {

// Runs `action` on a double click of the label it watches.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

void onDoubleClick(QLabel* label, std::function<void()> action)
{
    label->installEventFilter(new DoubleClickFilter(label, std::move(action)));
}

}   // namespace

void frmMain::connectDialogMenus()
{
    menus::RegisterMenuDialogs(menuDialogs);
    const std::pair<QAction*, MenuDialog> entries[] = {
        {ui.mnuEnetCfg, MenuDialog::EnetCfg},       {ui.mnuLLDPCfg, MenuDialog::LLDPCfg},
        {ui.mnuAmpCom, MenuDialog::AmpCom},         {ui.mnulcBucSetup, MenuDialog::lcBucSetup},
        {ui.mnuGainBal, MenuDialog::GainBal},       {ui.mnuMaxPwrLvl, MenuDialog::MaxPwrLvl},
        {ui.mnuStartupCfg, MenuDialog::StartupCfg}, {ui.mnuTempTripLevels, MenuDialog::TempTripLevels},
        {ui.mnuPowerSave, MenuDialog::PowerSave},   {ui.mnuPLog, MenuDialog::PLog},
        {ui.mnuTrendLogs, MenuDialog::TrendLogs},   {ui.mnuCalFactor, MenuDialog::CalFactor},
        {ui.mnuCmdLine, MenuDialog::CmdLine},       {ui.mnuHelpAbout, MenuDialog::HelpAbout},
    };
    for (const auto& [entry, row] : entries)
        connect(entry, &QAction::triggered, this, [this, row = row] { RunMenuDialog(row); });
    onDoubleClick(ui.lblSBandFrq, [this] { lblSBandFrq_DblClick(); });
    onDoubleClick(ui.lbllcBucDrive, [this] { lbllcBucDrive_DblClick(); });
}

void frmMain::lblSBandFrq_DblClick() { RunMenuDialog(MenuDialog::SetSubBand); }
void frmMain::lbllcBucDrive_DblClick() { RunMenuDialog(MenuDialog::lcBucSetup); }

void frmMain::RunMenuDialog(MenuDialog row)
{
    // An entry used while a command waits for its TCP reply opens once that command has ended.
    whenLinkFree([this, row] { showMenuDialog(row); });
}

void frmMain::showMenuDialog(MenuDialog row)
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
        p.EnetSettingsChanged = false;
    const quint64 connectionAtClick = p.txn.ConnectionId;
    std::optional<ScopedLinkTimeout> timeout;
    if (rule.linkTimeout2s)
        timeout.emplace(p.LinkObject, 2.0f);
    std::optional<PollPause> pause;
    if (rule.poll != PollMode::Untouched)
        pause.emplace(p, rule.poll == PollMode::On ? PollPause::Mode::On : PollPause::Mode::Restore);
    const std::unique_ptr<QWidget> window = make(p, *this);
    if (auto* dialog = qobject_cast<QDialog*>(window.get()))
        p.platform.prompts.runModal(*dialog);
    // The after-steps read only from the unit that was connected when the dialog opened.
    if (p.txn.ConnectionId == connectionAtClick)
        runAfterDialogSteps(rule.steps);
    timeout.reset();   // the link time-out back first, then the poll
    pause.reset();
}

void frmMain::runAfterDialogSteps(unsigned steps)
{
    using namespace menus;
    const ConnectionWatch connection(p);
    RunWhileConnected(connection, {
                                      [&] {
                                          if (steps & Repaint)
                                              repaint();
                                      },
                                      [&] {
                                          if ((steps & InitEnetParamsWhenChanged) && p.EnetSettingsChanged)
                                              InitEnetParams();
                                      },
                                      [&] {
                                          if (steps & menus::InitLLDP)
                                              InitLLDP();
                                      },
                                      [&] {
                                          if (steps & InitComSettings)
                                              InitCom1Settings();
                                      },
                                      [&] {
                                          if (steps & InitComSettings)
                                              InitCom2Settings();
                                      },
                                      [&] {
                                          if (steps & menus::InitLCBuc)
                                              InitLCBuc();
                                      },
                                  });
}

void frmMain::showModelessDialog(MenuDialog row)
{
    QWidget* window = menuDialogs.kept(row);
    if (!window) {
        std::unique_ptr<QWidget> made = menuDialogs.factory(row)(p, *this);
        if (!made)
            return;
        if (made->parentWidget() != this)
            made->setParent(this, made->windowFlags() | Qt::Window);
        window = made.release();   // the main window owns it from here
        menuDialogs.keep(row, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
