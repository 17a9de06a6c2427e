#pragma once

// Changes to TrueType font data made before a face is registered.
//
// Wine's Tahoma Bold carries bold advance widths, but its outlines are the
// regular ones, and from 9 to 16 pixels a set of embedded bitmap strikes
// that look regular too. Bold captions drawn with it come out as regular
// letters spaced wider. The build therefore drops the strikes and thickens
// the outlines (tycora_make_bold_face), and the program embeds the result;
// the advance widths, the line metrics and the kerning stay as they are,
// so every caption keeps the width the layout was made for.

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

// The bold face the windows use, made from the shipped Tahoma Bold: no
// bitmap strikes, strokes thickened by TahomaBoldStroke.
inline QByteArray boldFaceFromShipped(const QByteArray &shipped)
{
    return withThickerOutlines(withoutBitmapStrikes(shipped), TahomaBoldStroke);
}

} // namespace tycora::ui::fontdata
