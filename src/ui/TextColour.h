#pragma once
// Text colour of a label or caption, set through the palette so it can be read back.
#include <QColor>
#include <QPalette>
#include <QWidget>

// The role a widget draws its text with depends on where it sits (WindowText on a window
// or frame, Text on an entry area), so both calls use the widget's own foreground role.
inline void SetTextColour(QWidget* w, QRgb colour)
{
    QPalette pal = w->palette();
    pal.setColor(w->foregroundRole(), QColor(colour));
    w->setPalette(pal);
}

inline QRgb TextColour(const QWidget* w) { return w->palette().color(w->foregroundRole()).rgb(); }
