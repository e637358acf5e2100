#include "transfers/TransferLock.h"
#include "files/FilesState.h"
#include "link/LinkContext.h"
#include "link/Transaction.h"
#include "transfers/TransfersState.h"
#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
void collectMenuActions(const QList<QAction*>& actions, QList<QAction*>& out)
{
    for (QAction* a : actions) {
        if (!a || a->isSeparator() || out.contains(a))
            continue;
        out << a;
        if (const QMenu* menu = a->menu<QMenu*>())
            collectMenuActions(menu->actions(), out);
    }
}
}   // namespace

TransferLock::TransferLock(TransfersState& state, const LinkContext& link, const FilesState& files, QMainWindow& window)
    : state_(state)
{
    if (state.TransferBusy || files.CmdFileBusy || TransactionInFlight(link) || link.conn.ShuttingDown)
        return;
    held_ = true;
    state_.TransferBusy = true;
    freeze(window);
}

void TransferLock::freeze(QMainWindow& window)
{
    QList<QAction*> actions;
    collectMenuActions(window.menuBar()->actions(), actions);
    collectMenuActions(window.actions(), actions);
    group_ = new QActionGroup(&window);
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction* a : actions) {
        if (QActionGroup* outer = a->actionGroup()) {
            if (outer->isEnabled()) {
                outer->setEnabled(false);
                outerGroups_.emplace_back(outer);
            }
            continue;
        }
        group_->addAction(a);
    }
    group_->setEnabled(false);
    central_ = window.centralWidget();
    if (central_) {
        centralEnabled_ = !central_->testAttribute(Qt::WA_ForceDisabled);
        central_->setEnabled(false);
    }
}

TransferLock::~TransferLock()
{
    if (!held_)
        return;
    if (central_)
        central_->setEnabled(centralEnabled_);
    if (group_) {
        group_->setEnabled(true);
        for (QAction* a : group_->actions())
            group_->removeAction(a);
        delete group_;
    }
    for (const auto& outer : outerGroups_)
        if (outer)
            outer->setEnabled(true);
    state_.TransferBusy = false;
}
