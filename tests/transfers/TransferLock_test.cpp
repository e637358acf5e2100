// The transfer lock on a window of its own: refused while something else runs; while held
// nothing in the menus or the central area can be used; afterwards every entry and control
// has the state the window gave it, before or during the lock.
#include "files/FilesState.h"
#include "link/LinkContext.h"
#include "support/FakePlatform.h"
#include "transfers/TransferLock.h"
#include "transfers/TransfersState.h"
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
struct LockWindow {
    LockWindow()
    {
        file = window.menuBar()->addMenu("&File");
        plain = file->addAction("Plain");
        off = file->addAction("Off");
        off->setEnabled(false);
        toOff = file->addAction("Goes off");
        toOn = file->addAction("Comes on");
        toOn->setEnabled(false);
        hidden = file->addAction("Hidden");
        hidden->setVisible(false);
        check = file->addAction("Check");
        check->setCheckable(true);
        check->setChecked(true);
        QMenu* sub = file->addMenu("Sub");
        nested = sub->addAction("Nested");
        QObject::connect(plain, &QAction::triggered, [this] { ++triggered; });
        QObject::connect(nested, &QAction::triggered, [this] { ++triggered; });
        auto* central = new QWidget;
        button = new QPushButton("Go", central);
        buttonOff = new QPushButton("Off", central);
        QObject::connect(button, &QPushButton::clicked, [this] { ++triggered; });
        window.setCentralWidget(central);
    }

    QMainWindow window;
    QMenu* file = nullptr;
    QAction *plain, *off, *toOff, *toOn, *hidden, *check, *nested;
    QPushButton *button, *buttonOff;
    int triggered = 0;
    TransfersState state;
    FakePlatform fakes;
    LinkContext link{fakes.platform()};
    FilesState files;
};
}   // namespace

TEST(TransferLock, NothingCanBeUsedWhileHeldAndEverythingComesBackAsTheWindowSetIt)
{
    LockWindow t;
    {
        TransferLock lock(t.state, t.link, t.files, t.window);
        ASSERT_TRUE(lock.held());
        EXPECT_TRUE(t.state.TransferBusy);
        for (QAction* a : {t.plain, t.toOn, t.check, t.nested, t.file->menuAction()})
            EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
        t.plain->trigger();
        t.nested->trigger();
        t.button->click();
        EXPECT_EQ(t.triggered, 0);
        // The window changes some states meanwhile, as a dropped connection does.
        t.toOff->setEnabled(false);
        t.toOn->setEnabled(true);
        t.buttonOff->setEnabled(false);
        EXPECT_FALSE(t.toOn->isEnabled());
    }
    EXPECT_FALSE(t.state.TransferBusy);
    for (QAction* a : {t.plain, t.toOn, t.check, t.nested, t.file->menuAction()})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_FALSE(t.off->isEnabled());
    EXPECT_FALSE(t.toOff->isEnabled());
    EXPECT_FALSE(t.hidden->isVisible());
    EXPECT_TRUE(t.check->isChecked());
    EXPECT_EQ(t.plain->actionGroup(), nullptr);
    EXPECT_TRUE(t.button->isEnabled());
    EXPECT_FALSE(t.buttonOff->isEnabled());
    t.plain->trigger();
    t.button->click();
    EXPECT_EQ(t.triggered, 2);
    // The check entry still toggles on its own, outside any group.
    t.check->trigger();
    EXPECT_FALSE(t.check->isChecked());
}

TEST(TransferLock, RefusedWhileATransferAFileOrACommandRuns)
{
    LockWindow t;
    {
        TransferLock first(t.state, t.link, t.files, t.window);
        TransferLock second(t.state, t.link, t.files, t.window);
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(second.held());
    }
    EXPECT_FALSE(t.state.TransferBusy) << "the refused lock gave nothing back";
    EXPECT_TRUE(t.plain->isEnabled());
    for (bool* busy : {&t.files.CmdFileBusy, &t.link.txn.InFlight, &t.link.conn.ShuttingDown}) {
        *busy = true;
        TransferLock lock(t.state, t.link, t.files, t.window);
        EXPECT_FALSE(lock.held());
        EXPECT_TRUE(t.plain->isEnabled());
        *busy = false;
    }
}
