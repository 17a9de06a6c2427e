#pragma once

// Window geometry is designed in twips: 15 twips are one pixel at 96 dots
// per inch. Qt's high-DPI scaling takes care of denser screens, so a twip
// maps to a fixed number of device-independent pixels.

#include "toolkit/colours.h"

#include <QColor>
#include <QRect>
#include <QWidget>

namespace tycora::ui {

constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int twips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Places a control by left, top, width and height in twips inside its parent.
inline void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(rectFromTwips(left, top, width, height));
}

// A place in twips, kept in a table.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline void place(QWidget *w, const TwipRect &at) { place(w, at.left, at.top, at.width, at.height); }

inline void moveTo(QWidget *w, int left, int top) { w->move(px(left), px(top)); }

inline int leftTwips(const QWidget *w) { return twips(w->x()); }
inline int topTwips(const QWidget *w) { return twips(w->y()); }
inline int widthTwips(const QWidget *w) { return twips(w->width()); }
inline int heightTwips(const QWidget *w) { return twips(w->height()); }

} // namespace tycora::ui
