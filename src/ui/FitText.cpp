#include "ui/FitText.h"
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

void FitTextToWidth(QLabel* label, int minPixelSize, int availableWidth)
{
    QFont font = label->parentWidget() ? label->parentWidget()->font() : label->font();
    int available = label->width() - 2 * label->margin();
    if (availableWidth >= 0)
        available = std::min(available, availableWidth - label->margin());
    // The size the font is drawn at; its line height is larger and would enlarge the text.
    int size = QFontInfo(font).pixelSize();
    font.setPixelSize(size);
    while (size > minPixelSize && QFontMetrics(font).horizontalAdvance(label->text()) > available) {
        --size;
        font.setPixelSize(size);
    }
    label->setFont(font);
}
