#include "ui/FitText.h"
#include <QFontMetrics>
#include <QLabel>

void FitTextToWidth(QLabel* label, int minPixelSize)
{
    QFont font = label->parentWidget() ? label->parentWidget()->font() : label->font();
    const int available = label->width() - 2 * label->margin();
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    font.setPixelSize(size);
    while (size > minPixelSize && QFontMetrics(font).horizontalAdvance(label->text()) > available) {
        --size;
        font.setPixelSize(size);
    }
    label->setFont(font);
}
