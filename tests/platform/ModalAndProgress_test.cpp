#include "platform/Progress.h"
#include "platform/QtProgress.h"
#include "support/FakeProgress.h"
#include "support/FakePrompts.h"
#include <QDialog>
#include <QProgressBar>
#include <gtest/gtest.h>

TEST(ModalSeam, TheFakeAnswersADialogFromItsScriptWithoutAnEventLoop)
{
    FakePrompts prompts;
    QDialog dialog;
    EXPECT_EQ(prompts.runModal(dialog), 0);   // no script: cancelled
    QString seen;
    prompts.modal = [&](QDialog& d) {
        seen = d.objectName();
        return 1;
    };
    dialog.setObjectName("frmTest");
    IPrompts& seam = prompts;
    EXPECT_EQ(seam.runModal(dialog), 1);
    EXPECT_EQ(seen, "frmTest");
    EXPECT_EQ(prompts.modalRuns, 2);
}

TEST(ProgressScope, ShowsAndClosesTheIndicatorOnEveryWayOut)
{
    struct Case {
        int cancelAt;
        QList<int> values;
        bool cancelledAtEnd;
    };
    const Case cases[] = {
        {-1, {1, 2, 3}, false}, {2, {1, 2, 3}, true}, {0, {}, true},   // Cancel pressed as soon as it showed
    };
    for (const Case& c : cases) {
        FakeProgress fake;
        fake.cancelAtValue = c.cancelAt;
        bool cancelled = false;
        {
            ProgressScope scope(fake, "Fault Log", 3);
            EXPECT_TRUE(fake.shown);
            for (int v : c.values) {
                if (scope.cancelled())
                    break;
                scope.setValue(v);
            }
            cancelled = scope.cancelled();
        }
        EXPECT_EQ(cancelled, c.cancelledAtEnd);
        EXPECT_FALSE(fake.shown);
        EXPECT_EQ(fake.begun, 1);
        EXPECT_EQ(fake.ended, 1);
        EXPECT_EQ(fake.maximum, 3);
    }
}

TEST(BarProgress, FillsTheDialogsOwnBarAndTakesItsCancel)
{
    QProgressBar bar;
    BarProgress progress(&bar);
    progress.begin("Trend Logs", 360);
    EXPECT_EQ(bar.maximum(), 360);
    progress.setValue(10);
    EXPECT_EQ(bar.value(), 10);
    progress.setValue(400);
    EXPECT_EQ(bar.value(), 360);
    EXPECT_FALSE(progress.cancelled());
    progress.cancel();
    EXPECT_TRUE(progress.cancelled());
    progress.begin("Trend Logs", 10);   // a new download forgets the old Cancel
    EXPECT_FALSE(progress.cancelled());
}
