#pragma once

// Shared drawing helpers of the art: the palette, a design canvas mapped
// onto any target rectangle, outline pens, metal gradients and text that is
// fitted into the room it has. Every picture is drawn in its own design
// units (usually its nominal size in pixels) and scaled to the target, so it
// stays sharp at any size and device pixel ratio.

#include "game/palette.h"
#include "toolkit/art.h"
#include "toolkit/colours.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace tycora::art::kit {

// ---- palette -------------------------------------------------------------

using ui::boardGreen;          // the board's ground
QColor ink();                  // near-black of outlines and print
using ui::toQColor;            // a colour of the game's palette on screen
QColor groupColour(int group); // the colour groups 0..7; black otherwise
QColor playerColour(int index);// strong colours of the six player colours
QColor lighter(const QColor &c, int percent);
QColor darker(const QColor &c, int percent);

// ---- canvas --------------------------------------------------------------

// Maps design units (0,0)-(design) onto target; the painter keeps it until
// restored by the caller.
void mapDesign(QPainter &p, const QRectF &target, QSizeF design);
// The same, keeping the design's proportions, centred in the box.
void mapFitted(QPainter &p, const QRectF &box, QSizeF design);

// A cosmetic-free pen of the given width in design units.
QPen outline(qreal width, const QColor &colour = ink());

// A brushed-metal gradient across a box, light at the top left.
QLinearGradient metal(const QRectF &box, const QColor &base);

// ---- text ----------------------------------------------------------------

enum class Face { Tahoma, Comic };

// One line of text as a path normalised to a cap height of 1, the baseline
// at y = 0 and the ink starting at x = 0.
QPainterPath capsPath(const QString &text, bool bold = true, Face face = Face::Tahoma);

// Ink width of a line at cap height 1.
qreal capsWidth(const QString &text, bool bold = true, Face face = Face::Tahoma);

struct TextFit {
    qreal capHeight = 6;           // wanted cap height in design units
    qreal lineGap = 0.45;          // space between lines, in cap heights
    qreal minCondense = 0.7;       // narrowest horizontal squeeze before shrinking
    Qt::Alignment align = Qt::AlignCenter;
    bool bold = true;
    // How much heavier than the regular face the strokes are, in cap
    // heights: signs on a board want heavy capitals. What the bold face
    // carries itself is counted in; the rest is stroked round the letters.
    qreal weight = 0.085;
    Face face = Face::Tahoma;
};

// Lays lines out in box: each line is squeezed horizontally as far as
// minCondense, then the whole block shrinks, so it never leaves the box.
// Returns the cap height used.
qreal textBlock(QPainter &p, const QRectF &box, const QStringList &lines, const TextFit &fit,
                const QBrush &fill, const QPen &stroke = Qt::NoPen);

// Breaks text into lines at blanks so that it fills box with the largest cap
// height between minCap and maxCap; gives the lines and the cap height.
struct Wrapped {
    QStringList lines;
    qreal capHeight = 0;
};
Wrapped wrapToFit(const QString &text, const QRectF &box, qreal maxCap, qreal minCap, const TextFit &fit);

// Breaks a short text (a name of a few words) into at most maxLines lines
// at blanks, trying every way of doing so, and keeps the one that can be
// printed largest in box, each line squeezed no further than
// fit.minCondense, with a cap height of at most fit.capHeight. Squeezed
// letters count as smaller ones; among equal sizes, fewer lines win, then
// the narrowest longest line. Print it with textBlock and fit.capHeight
// set to the cap height found.
Wrapped largestLines(const QString &text, const QRectF &box, const TextFit &fit, int maxLines = 3);

// ---- pictures ------------------------------------------------------------

// The one null picture given for numbers out of range.
const ui::Art &none();

bool inRange(int n, int lo, int hi);

} // namespace tycora::art::kit
