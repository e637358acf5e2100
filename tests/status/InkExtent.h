#pragma once
// What a label really draws of its text, rendered at a device pixel ratio (1 for 100%,
// 2 for 200%): text that runs past the label's edge, or under a scroll bar, is cut there
// on screen, and font metrics alone do not show it at every scale.
#include <QImage>
#include <QLabel>
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
