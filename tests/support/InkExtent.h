#pragma once
// What a label really draws of its text, rendered at a device pixel ratio (1 for 100%,
// 2 for 200%): text that runs past the label's edge, or under a scroll bar, is cut there
// on screen, and font metrics alone do not show it at every scale.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

// The right end of the label's text, in logical pixels from its left edge. The label is
// drawn widened, so nothing of its text is clipped; a left-aligned text starts where it did.
inline qreal InkRight(QLabel* label, qreal dpr)
{
    const QSize kept = label->size();
    label->resize(kept.width() + 400, kept.height());
    QImage image(label->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    label->resize(kept);
    int right = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = right; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                right = x + 1;
    return right / dpr;
}

// The left end of what `label` draws, in logical pixels from its left edge.
inline qreal InkLeft(QLabel* label, qreal dpr)
{
    QImage image(label->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 0)
                return x / dpr;
    return label->width();
}

constexpr qreal CaptionGap = 4;   // logical pixels a caption keeps from its value or its button's edge

// Shown buttons of `window` whose caption comes closer than CaptionGap to the button's edge
// at `dpr` (the button's frame takes 2 pixels a side).
inline QStringList CrampedButtons(QWidget* window, qreal dpr)
{
    QStringList found;
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        if (b->text().isEmpty() || b->isHidden() || !b->isVisibleTo(window))
            continue;
        QLabel text(QString(b->text()).remove(QLatin1Char('&')));
        text.setFont(b->font());
        text.resize(text.sizeHint());
        const qreal width = InkRight(&text, dpr) - InkLeft(&text, dpr);
        if (width > b->width() - 2 * CaptionGap - 4)
            found << QStringLiteral("%1 '%2' %3 in %4").arg(b->objectName(), b->text()).arg(width).arg(b->width());
    }
    return found;
}
