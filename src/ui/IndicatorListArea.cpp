#include "ui/IndicatorListArea.h"
#include "ui/Twips.h"
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace {
constexpr int LowerBorderTwips = 30;   // keeps the frame's lower edge line clear
}

IndicatorListArea::IndicatorListArea(QWidget* frame, int topTwips)
    : QAbstractScrollArea(frame), content_(new QWidget(viewport())), top_(twips::ToPixels(topTwips))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Transparent, and drawn like the frame: the frame's background shows between the
    // rows, and the labels take the frame's text role (a scroll area's own is the entry
    // boxes' one).
    viewport()->setAutoFillBackground(false);
    viewport()->setBackgroundRole(QPalette::Window);
    content_->setAutoFillBackground(false);
    setGeometry(0, top_, frame->width(), frame->height() - top_ - twips::ToPixels(LowerBorderTwips));
    verticalScrollBar()->setSingleStep(twips::ToPixels(195));
    fitContent();
}

void IndicatorListArea::adopt(QLabel* label)
{
    const QRect inFrame = label->geometry();
    const bool hidden = label->isHidden();
    label->setParent(content_);
    label->setGeometry(inFrame);
    label->setHidden(hidden);
}

void IndicatorListArea::fitContent()
{
    int bottom = 0;
    for (QWidget* w : content_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            bottom = std::max(bottom, w->geometry().bottom() + 1);
    // No frame and no horizontal bar: the viewport is as high as the area, also before
    // the window is first shown and its layout runs.
    const int shown = top_ + height();   // frame pixels the viewport reaches
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(height());
    bar->setRange(0, std::max(0, bottom - shown));
    content_->resize(width(), std::max(bottom, shown));
    // Lays the viewport out and shows or hides the scroll bar now, not only once the
    // window is shown or the event loop runs.
    setViewportMargins(0, 0, 0, 0);
    placeContent();
}

int IndicatorListArea::widthInSightFrom(int left) const
{
    return std::max(0, width() - verticalScrollBar()->sizeHint().width() - left);
}

void IndicatorListArea::scrollContentsBy(int, int) { placeContent(); }

void IndicatorListArea::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    fitContent();
}

void IndicatorListArea::placeContent()
{
    // The content's origin is the frame's top left corner while the list is not scrolled.
    content_->move(-viewport()->x(), -top_ - viewport()->y() - verticalScrollBar()->value());
}
