#pragma once
// The scrollable part of a fault or alarm list frame. The labels it holds keep the
// frame's coordinates (a label at Top 240 stands 240 twips below the frame's top edge,
// as long as the list is not scrolled); the area clips them below the frame's caption
// and above its lower edge, and shows a vertical scroll bar when the placed rows reach
// past what the frame shows, so that no row is ever out of reach.
#include <QAbstractScrollArea>

class QLabel;

class IndicatorListArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Covers `frame` from `topTwips` down to its lower border.
    IndicatorListArea(QWidget* frame, int topTwips);

    // Moves `label` into the list, keeping its place in the frame.
    void adopt(QLabel* label);
    // Sets the scroll range from the visible labels; call after placing or hiding rows.
    void fitContent();
    // Pixels of a row starting at `left` (frame coordinates) that stay in sight also while
    // the scroll bar is shown.
    int widthInSightFrom(int left) const;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeContent();
    QWidget* content_;
    int top_;   // pixels from the frame's top to the area's top
};
