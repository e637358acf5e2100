#include "ui/FitText.h"
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

TEST(FitText, AShortTextKeepsTheWindowFontAndALongOneShrinksToFit)
{
    QWidget frame;
    const int windowSize = QFontInfo(frame.font()).pixelSize();
    struct Case {
        const char* text;
        int width;
        bool shrinks;
    };
    const Case cases[] = {
        {"RF Low", 73, false},
        {"Phase Sequence", 150, false},
        {"Helix Arc Latch 2", 81, true},
    };
    for (const Case& c : cases) {
        QLabel label(QString::fromLatin1(c.text), &frame);
        label.resize(c.width, 13);
        FitTextToWidth(&label);
        const int size = QFontInfo(label.font()).pixelSize();
        if (c.shrinks)
            EXPECT_LT(size, windowSize) << c.text;
        else
            EXPECT_EQ(size, windowSize) << c.text;   // never larger than the window's own font
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), c.width) << c.text;
    }
}
