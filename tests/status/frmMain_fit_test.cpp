// The main window as an operator sees it, at 100% and 200%: no control overlaps another,
// every label shows its whole text, and a long fault or alarm list keeps each name clear
// of its scroll bar.
#include "support/InkExtent.h"
#include "WindowFixture.h"
#include "status/IndicatorList.h"
#include "ui/IndicatorListArea.h"
#include "status/Readings.h"
#include "status/StatusPanels.h"
#include "status/SubBands.h"
#include <QCoreApplication>
#include <QResizeEvent>
#include <gtest/gtest.h>

namespace {

constexpr qreal Scales[] = {1.0, 2.0};

struct Unit {
    const char* name;
    QMap<QByteArray, QByteArray> replies;
    bool dualTwta = false, monitorDcInput = false;
};

// One unit of each layout: tube with and without cathode display, dual tube, network
// solid-state, current sense, DC input. Life "06 Months" and sub-band 3 are the longest
// values these labels show.
std::vector<Unit> units()
{
    const std::initializer_list<std::pair<QByteArray, const char*>> longValues = {
        {"QEC", "QEC06M;"}, {"PBS?", "PBS314.50"}, {"TF?", "TF27500"}};
    auto with = [&](const SimUnitProfile& profile, std::initializer_list<std::pair<QByteArray, const char*>> changes) {
        QMap<QByteArray, QByteArray> r = Scripted(profile, changes);
        for (const auto& [command, reply] : longValues)
            r[command] = reply;
        return r;
    };
    return {
        {"TWTA 6316", with(twtaProfile(), {})},
        {"TWTA 7428", with(twtaProfile(), {{"YT", "YTTWTA 672-7428-001"}, {"00", "07428-001/T7/5.40/Mar  3 2011"}})},
        {"dual-tube TWTA 4817",
         with(twtaProfile(), {{"YT", "YTTWTA 672-4817-001"}, {"00", "04817-001/T7/5.40/Mar  3 2011"}}), true},
        {"SSPA 7467", with(sspaProfile(), {})},
        {"SSPA 7261 current sense",
         with(sspaProfile(), {{"YT", "YTSSPA 672-7261-001"}, {"00", "07261-001/S4/1.50/Jun  1 2009"}})},
        {"SSPA 5942 DC input",
         with(sspaProfile(), {{"YT", "YTSSPA 672-5942-002"}, {"00", "05942-002/S3/2.57/Jun  1 2010"}}), false, true},
    };
}

// Connects to `u` and fills what the first read and the poll show beside the layout: the
// frequency, the sub-band, and lists longer than their frames.
void connectAndFill(WindowOnUnit& w, const Unit& u)
{
    w.connect(u.replies, u.dualTwta, u.monitorDcInput);
    w.w.readings().UpdateRFFrequency();
    w.w.bands().UpdateSubBands();
    w.w.panels().SetSummaryStatus(QStringLiteral("\x7f\x7f\x7f\x7f"));
    w.w.panels().SetFaultStatus(QStringLiteral("\x7f\x7f\x7f\x7f"));
    w.w.panels().SetAlarmStatus(QStringLiteral("\x7f\x7f\x7f\x7f"));
}

bool shownIn(const QWidget* w, const QWidget* window) { return !w->isHidden() && w->isVisibleTo(window); }

// Delivers the resize events a hidden window keeps until it is first shown, so that
// controls placing their parts on a resize (the arrows) have placed them.
void layOutAsShown(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->testAttribute(Qt::WA_PendingResizeEvent))
            continue;
        QResizeEvent resized(w->size(), QSize());
        QCoreApplication::sendEvent(w, &resized);
        w->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

// Named controls shown in `window` that overlap a shown sibling or reach out of their parent.
QStringList overlaps(QWidget* window)
{
    layOutAsShown(window);
    QStringList found;
    QList<const QWidget*> parents{window};
    for (const QWidget* w : window->findChildren<QWidget*>())
        parents << w;
    for (const QWidget* parent : parents) {
        QList<const QWidget*> named;
        for (const QWidget* c : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!c->objectName().isEmpty() && shownIn(c, window))
                named << c;
        for (int i = 0; i < named.size(); ++i) {
            if (!parent->rect().contains(named[i]->geometry()))
                found << named[i]->objectName() + " outside " + parent->objectName();
            for (int j = i + 1; j < named.size(); ++j)
                if (named[i]->geometry().intersects(named[j]->geometry()))
                    found << named[i]->objectName() + " over " + named[j]->objectName();
        }
    }
    return found;
}

// Shown labels of `window` whose text runs past their own edge at `dpr`.
QStringList cutLabels(QWidget* window, qreal dpr)
{
    QStringList found;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || !shownIn(l, window))
            continue;
        const qreal right = InkRight(l, dpr);
        if (right > l->contentsRect().right() + 1)
            found << QStringLiteral("%1 '%2' %3 > %4").arg(l->objectName(), l->text()).arg(right).arg(l->width());
    }
    return found;
}

// Captions ("Xxx:") of `window` whose text comes closer than CaptionGap to the control to
// their right on the same row, at `dpr`.
QStringList touchingCaptions(QWidget* window, qreal dpr)
{
    QStringList found;
    for (QLabel* caption : window->findChildren<QLabel*>()) {
        if (!caption->text().endsWith(':') || !shownIn(caption, window))
            continue;
        const QRect c = caption->geometry();
        QWidget* next = nullptr;
        for (QWidget* w : caption->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect g = w->geometry();
            if (w == caption || !shownIn(w, window) || g.left() < c.left() + 1 || g.bottom() < c.top() ||
                g.top() > c.bottom())
                continue;
            if (!next || g.left() < next->x())
                next = w;
        }
        if (!next)
            continue;
        auto* value = qobject_cast<QLabel*>(next);
        if (value && value->text().isEmpty())
            continue;
        const qreal end = c.left() + InkRight(caption, dpr);
        const qreal start = next->x() + (value ? InkLeft(value, dpr) : 0);
        if (start - end < CaptionGap)
            found << QStringLiteral("%1 '%2' %3 from %4")
                         .arg(caption->objectName(), caption->text())
                         .arg(start - end)
                         .arg(next->objectName());
    }
    return found;
}

}   // namespace

TEST(WindowFit, CaptionsKeepAGapBeforeTheirValuesAndInsideTheirButtonsAtBothScales)
{
    WindowOnUnit w;
    for (const Unit& u : units()) {
        connectAndFill(w, u);
        for (qreal dpr : Scales) {
            EXPECT_EQ(touchingCaptions(w.w.ui.centralWidget, dpr).join('\n'), "") << u.name << " at " << dpr;
            EXPECT_EQ(CrampedButtons(w.w.ui.centralWidget, dpr).join('\n'), "") << u.name << " at " << dpr;
        }
    }
}

TEST(WindowFit, NoControlOverlapsAnotherDisconnectedOrOnAnyUnit)
{
    WindowOnUnit w;
    EXPECT_EQ(overlaps(w.w.ui.centralWidget).join('\n'), "") << "disconnected";
    for (const Unit& u : units()) {
        connectAndFill(w, u);
        EXPECT_EQ(overlaps(w.w.ui.centralWidget).join('\n'), "") << u.name;
    }
}

TEST(WindowFit, EveryLabelShowsItsWholeTextAtBothScales)
{
    WindowOnUnit w;
    for (qreal dpr : Scales)
        EXPECT_EQ(cutLabels(w.w.ui.centralWidget, dpr).join('\n'), "") << "disconnected at " << dpr;
    for (const Unit& u : units()) {
        connectAndFill(w, u);
        ASSERT_FALSE(w.w.ui.lblSBandFrq->isHidden()) << u.name;
        EXPECT_EQ(w.w.ui.lblSBandFrq->text(), "#3   14.50 GHz") << u.name;
        EXPECT_EQ(w.w.ui.lblRFFrqVal->text(), "27500 MHz") << u.name;
        for (qreal dpr : Scales)
            EXPECT_EQ(cutLabels(w.w.ui.centralWidget, dpr).join('\n'), "") << u.name << " at " << dpr;
    }
}

// Every name of each family at once, one to a row, so both lists run long and show their
// scroll bars: each name ends inside what the bar leaves of the list.
TEST(WindowFit, EveryListNameStaysClearOfTheScrollBarAtBothScales)
{
    for (const Unit& u : units()) {
        WindowOnUnit w;
        w.connect(u.replies, u.dualTwta, u.monitorDcInput);
        struct List {
            IndicatorListArea* area;
            std::array<std::array<QLabel*, 6>, 4> bytes;
        };
        const List lists[] = {{w.w.ui.FaultList, w.w.ui.faultBytes()}, {w.w.ui.AlarmList, w.w.ui.alarmBytes()}};
        for (const List& list : lists) {
            int row = 0;
            for (const auto& labels : list.bytes) {
                for (QLabel* l : labels) {
                    twips::Move(l, status::ListLeft, status::RowTop(row++));
                    l->show();
                }
            }
            list.area->fitContent();
            const QWidget* viewport = list.area->viewport();
            ASSERT_LT(viewport->width(), list.area->width()) << u.name << ": the scroll bar is shown";
            const int inSight = viewport->mapTo(list.area->parentWidget(), QPoint(viewport->width(), 0)).x();
            for (const auto& labels : list.bytes)
                for (QLabel* l : labels)
                    for (qreal dpr : Scales)
                        EXPECT_LE(l->mapTo(list.area->parentWidget(), QPoint(0, 0)).x() + InkRight(l, dpr), inSight)
                            << u.name << " '" << l->text().toStdString() << "' at " << dpr;
        }
    }
}
