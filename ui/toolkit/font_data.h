#pragma once

// Changes to TrueType font data made before a face is registered.
//
// Wine's Tahoma Bold carries bold advance widths, but its outlines are the
// regular ones, and from 9 to 16 pixels a set of embedded bitmap strikes
// that look regular too. Bold captions drawn with it come out as regular
// letters spaced wider. The game therefore drops the strikes and thickens
// the outlines itself when it loads the face; the advance widths, the line
// metrics and the kerning stay as they are, so every caption keeps the
// width the layout was made for.

#include <QByteArray>

namespace tycora::ui::fontdata {

// How much the bold face's strokes are thickened, as a share of the em: a
// vertical stem gains this much in width, a horizontal one in height.
inline constexpr double TahomaBoldStroke = 0.06;

// The font without its embedded bitmap tables (EBDT, EBLC, EBSC), so that
// every size is drawn from the outlines. Data that is not a TrueType font
// comes back unchanged.
QByteArray withoutBitmapStrikes(const QByteArray &font);

// The font with every simple glyph's outline moved outwards so that its
// strokes grow by strength (a share of the em) to the right and upwards;
// each glyph keeps its left and bottom edges, its advance and its number
// of points. Composite glyphs are left to their thickened parts. Data that
// is not a TrueType font with outlines comes back unchanged.
QByteArray withThickerOutlines(const QByteArray &font, double strength);

} // namespace tycora::ui::fontdata
