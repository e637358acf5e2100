#pragma once
// Window geometry is designed in twips: 15 twips to one logical pixel.
#include <QRect>
#include <QWidget>

namespace twips {

constexpr int PerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
constexpr int ToPixels(int twips)
{
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}
constexpr int FromPixels(int pixels) { return pixels * PerPixel; }

inline QRect Rect(int left, int top, int width, int height)
{
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}
inline void SetGeometry(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(Rect(left, top, width, height));
}
// Moves a control inside its parent, keeping its size (the Top / Left of the original forms).
inline void Move(QWidget* w, int left, int top) { w->move(ToPixels(left), ToPixels(top)); }
inline void SetTop(QWidget* w, int top) { w->move(w->x(), ToPixels(top)); }
inline int Top(const QWidget* w) { return FromPixels(w->y()); }
inline int Left(const QWidget* w) { return FromPixels(w->x()); }
inline int Width(const QWidget* w) { return FromPixels(w->width()); }
inline int Height(const QWidget* w) { return FromPixels(w->height()); }

}   // namespace twips
