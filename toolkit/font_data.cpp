#include "toolkit/font_data.h"

#include <QList>
#include <QMap>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace tycora::ui::fontdata {

namespace {

// ---- reading and writing big-endian numbers --------------------------------

quint32 u32(const QByteArray &d, qsizetype at)
{
    const auto b = [&](qsizetype i) { return static_cast<quint32>(static_cast<quint8>(d[at + i])); };
    return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}
quint16 u16(const QByteArray &d, qsizetype at)
{
    return static_cast<quint16>(static_cast<quint8>(d[at]) << 8 | static_cast<quint8>(d[at + 1]));
}
qint16 s16(const QByteArray &d, qsizetype at) { return static_cast<qint16>(u16(d, at)); }

void put16(QByteArray &out, int value)
{
    out.append(static_cast<char>((value >> 8) & 0xff));
    out.append(static_cast<char>(value & 0xff));
}
void put32(QByteArray &out, quint32 value)
{
    put16(out, static_cast<int>(value >> 16));
    put16(out, static_cast<int>(value & 0xffff));
}
void set16(QByteArray &d, qsizetype at, int value)
{
    d[at] = static_cast<char>((value >> 8) & 0xff);
    d[at + 1] = static_cast<char>(value & 0xff);
}
void set32(QByteArray &d, qsizetype at, quint32 value)
{
    set16(d, at, static_cast<int>(value >> 16));
    set16(d, at + 2, static_cast<int>(value & 0xffff));
}

// ---- the table directory ---------------------------------------------------

using Tables = QMap<QByteArray, QByteArray>;   // by tag, in tag order
constexpr quint32 TrueTypeOutlines = 0x00010000;

// The tables of a TrueType font, or nothing when the data is not one.
std::optional<Tables> readTables(const QByteArray &font)
{
    if (font.size() < 12 || u32(font, 0) != TrueTypeOutlines)
        return std::nullopt;
    const int count = u16(font, 4);
    if (font.size() < 12 + 16 * count)
        return std::nullopt;
    Tables tables;
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 12 + 16 * i;
        const quint32 offset = u32(font, record + 8);
        const quint32 length = u32(font, record + 12);
        if (qsizetype(offset) + qsizetype(length) > font.size())
            return std::nullopt;
        tables.insert(font.mid(record, 4), font.mid(offset, length));
    }
    return tables;
}

quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    QByteArray padded = data;
    while (padded.size() % 4)
        padded.append('\0');
    for (qsizetype at = 0; at < padded.size(); at += 4)
        sum += u32(padded, at);
    return sum;
}

// Lays the tables out as a font file again, each on a four-byte boundary,
// with their checksums and the whole file's checksum in the head table.
QByteArray writeTables(Tables tables)
{
    const int count = static_cast<int>(tables.size());
    int power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    if (tables.contains("head") && tables["head"].size() >= 12)
        set32(tables["head"], 8, 0);

    QByteArray out;
    put32(out, TrueTypeOutlines);
    put16(out, count);
    put16(out, power * 16);
    put16(out, log2);
    put16(out, count * 16 - power * 16);
    quint32 offset = 12 + 16 * static_cast<quint32>(count);
    for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
        out.append(it.key());
        put32(out, checksum(it.value()));
        put32(out, offset);
        put32(out, static_cast<quint32>(it.value().size()));
        offset += static_cast<quint32>((it.value().size() + 3) / 4 * 4);
    }
    qsizetype headAt = -1;
    for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
        if (it.key() == "head")
            headAt = out.size();
        out.append(it.value());
        while (out.size() % 4)
            out.append('\0');
    }
    if (headAt >= 0)
        set32(out, headAt + 8, 0xB1B0AFBAu - checksum(out));
    return out;
}

// ---- simple glyphs ---------------------------------------------------------

struct Point {
    double x = 0;
    double y = 0;
    quint8 flags = 0;   // the on-curve and overlap bits as read
};

struct SimpleGlyph {
    std::vector<quint16> contourEnds;
    QByteArray instructions;
    std::vector<Point> points;
};

constexpr quint8 OnCurve = 0x01, XShort = 0x02, YShort = 0x04, Repeat = 0x08, XSameOrPositive = 0x10,
                 YSameOrPositive = 0x20, KeptBits = 0x01 | 0x40;

std::optional<SimpleGlyph> readSimpleGlyph(const QByteArray &g)
{
    if (g.size() < 10)
        return std::nullopt;
    const int contours = s16(g, 0);
    if (contours < 0)
        return std::nullopt;
    SimpleGlyph glyph;
    qsizetype at = 10;
    if (g.size() < at + 2 * contours + 2)
        return std::nullopt;
    for (int c = 0; c < contours; ++c, at += 2)
        glyph.contourEnds.push_back(u16(g, at));
    const int instructionLength = u16(g, at);
    at += 2;
    if (g.size() < at + instructionLength)
        return std::nullopt;
    glyph.instructions = g.mid(at, instructionLength);
    at += instructionLength;
    const int count = contours == 0 ? 0 : glyph.contourEnds.back() + 1;
    std::vector<quint8> flags;
    while (static_cast<int>(flags.size()) < count) {
        if (at >= g.size())
            return std::nullopt;
        const quint8 f = static_cast<quint8>(g[at++]);
        flags.push_back(f);
        if (f & Repeat) {
            if (at >= g.size())
                return std::nullopt;
            for (int r = static_cast<quint8>(g[at++]); r > 0; --r)
                flags.push_back(f);
        }
    }
    flags.resize(static_cast<std::size_t>(count));
    glyph.points.resize(flags.size());
    const auto readAxis = [&](quint8 shortBit, quint8 sameBit, double Point::*axis) {
        int value = 0;
        for (std::size_t i = 0; i < flags.size(); ++i) {
            const quint8 f = flags[i];
            if (f & shortBit) {
                if (at >= g.size())
                    return false;
                const int delta = static_cast<quint8>(g[at++]);
                value += (f & sameBit) ? delta : -delta;
            } else if (!(f & sameBit)) {
                if (at + 2 > g.size())
                    return false;
                value += s16(g, at);
                at += 2;
            }
            glyph.points[i].*axis = value;
        }
        return true;
    };
    if (!readAxis(XShort, XSameOrPositive, &Point::x) || !readAxis(YShort, YSameOrPositive, &Point::y))
        return std::nullopt;
    for (std::size_t i = 0; i < flags.size(); ++i)
        glyph.points[i].flags = flags[i] & KeptBits;
    return glyph;
}

QByteArray writeSimpleGlyph(const SimpleGlyph &glyph)
{
    std::vector<int> xs, ys;
    for (const Point &p : glyph.points) {
        xs.push_back(static_cast<int>(std::lround(p.x)));
        ys.push_back(static_cast<int>(std::lround(p.y)));
    }
    QByteArray out;
    put16(out, static_cast<int>(glyph.contourEnds.size()));
    const auto [xMin, xMax] = xs.empty() ? std::pair(0, 0) : std::pair(*std::min_element(xs.begin(), xs.end()), *std::max_element(xs.begin(), xs.end()));
    const auto [yMin, yMax] = ys.empty() ? std::pair(0, 0) : std::pair(*std::min_element(ys.begin(), ys.end()), *std::max_element(ys.begin(), ys.end()));
    put16(out, xMin);
    put16(out, yMin);
    put16(out, xMax);
    put16(out, yMax);
    for (const quint16 end : glyph.contourEnds)
        put16(out, end);
    put16(out, static_cast<int>(glyph.instructions.size()));
    out.append(glyph.instructions);

    QByteArray flags, xData, yData;
    int lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < glyph.points.size(); ++i) {
        quint8 f = glyph.points[i].flags;
        const auto encode = [&f](int delta, quint8 shortBit, quint8 sameBit, QByteArray &data) {
            if (delta == 0) {
                f |= sameBit;
            } else if (delta > -256 && delta < 256) {
                f |= shortBit;
                if (delta > 0)
                    f |= sameBit;
                data.append(static_cast<char>(std::abs(delta)));
            } else {
                put16(data, delta);
            }
        };
        encode(xs[i] - lastX, XShort, XSameOrPositive, xData);
        encode(ys[i] - lastY, YShort, YSameOrPositive, yData);
        lastX = xs[i];
        lastY = ys[i];
        flags.append(static_cast<char>(f));
    }
    out.append(flags);
    out.append(xData);
    out.append(yData);
    return out;
}

// Twice the signed area of all contours: negative when the outer contours
// run clockwise, as TrueType draws them.
double orientation(const SimpleGlyph &glyph)
{
    double area = 0;
    std::size_t first = 0;
    for (const quint16 end : glyph.contourEnds) {
        for (std::size_t i = first; i <= end; ++i) {
            const Point &a = glyph.points[i];
            const Point &b = glyph.points[i == end ? first : i + 1];
            area += a.x * b.y - b.x * a.y;
        }
        first = std::size_t(end) + 1;
    }
    return area;
}

// Moves every point outwards so that each edge beside it moves out by half
// the strength, then shifts the glyph back by that half, so that its left
// and bottom edges stay put. Corners sharper than about 150 degrees and
// very short edges limit the move, so thin details do not turn inside out.
void thicken(SimpleGlyph &glyph, double strengthX, double strengthY)
{
    const double hx = strengthX / 2, hy = strengthY / 2;
    const bool clockwise = orientation(glyph) < 0;
    std::vector<Point> moved = glyph.points;
    std::size_t first = 0;
    for (const quint16 end : glyph.contourEnds) {
        const std::size_t last = end;
        if (last >= glyph.points.size() || last < first)
            break;
        const std::size_t n = last - first + 1;
        const auto at = [&](std::size_t k) -> const Point & { return glyph.points[first + k % n]; };
        for (std::size_t k = 0; k < n; ++k) {
            const Point &p = at(k);
            // The nearest distinct neighbours on either side.
            std::size_t before = (k + n - 1) % n, after = (k + 1) % n;
            while (before != k && at(before).x == p.x && at(before).y == p.y)
                before = (before + n - 1) % n;
            while (after != k && at(after).x == p.x && at(after).y == p.y)
                after = (after + 1) % n;
            double shiftX = 0, shiftY = 0;
            if (before != k && after != k) {
                double inX = p.x - at(before).x, inY = p.y - at(before).y;
                double outX = at(after).x - p.x, outY = at(after).y - p.y;
                const double inLength = std::hypot(inX, inY), outLength = std::hypot(outX, outY);
                inX /= inLength;
                inY /= inLength;
                outX /= outLength;
                outY /= outLength;
                const double cosine = inX * outX + inY * outY;
                if (cosine > -0.9375) {
                    // Outward normals lie to the left of a clockwise walk.
                    const double side = clockwise ? 1 : -1;
                    const double normalX = -side * (inY + outY);
                    const double normalY = side * (inX + outX);
                    const double d = 1 + cosine;
                    const double sine = std::abs(inX * outY - inY * outX);
                    const double room = std::min(inLength, outLength);
                    shiftX = hx * sine <= room * d ? normalX * hx / d : normalX * room / sine;
                    shiftY = hy * sine <= room * d ? normalY * hy / d : normalY * room / sine;
                }
            }
            Point &q = moved[first + k];
            q.x = p.x + shiftX + hx;
            q.y = p.y + shiftY + hy;
        }
        first = last + 1;
    }
    glyph.points = std::move(moved);
}

} // namespace

QByteArray withoutBitmapStrikes(const QByteArray &font)
{
    std::optional<Tables> tables = readTables(font);
    if (!tables)
        return font;
    bool any = false;
    for (const char *tag : {"EBDT", "EBLC", "EBSC"})
        any = tables->remove(QByteArray(tag)) > 0 || any;
    return any ? writeTables(*std::move(tables)) : font;
}

QByteArray withThickerOutlines(const QByteArray &font, double strength)
{
    std::optional<Tables> tables = readTables(font);
    if (!tables || !tables->contains("glyf") || !tables->contains("loca") || !tables->contains("head") ||
        !tables->contains("maxp"))
        return font;
    const QByteArray &head = (*tables)["head"];
    const QByteArray &maxp = (*tables)["maxp"];
    const QByteArray &loca = (*tables)["loca"];
    const QByteArray &glyf = (*tables)["glyf"];
    if (head.size() < 54 || maxp.size() < 6)
        return font;
    const double unitsPerEm = u16(head, 18);
    const bool longOffsets = s16(head, 50) == 1;
    const int glyphs = u16(maxp, 4);
    if (loca.size() < (glyphs + 1) * (longOffsets ? 4 : 2))
        return font;
    const auto offset = [&](int i) -> qsizetype { return longOffsets ? u32(loca, 4 * i) : 2 * qsizetype(u16(loca, 2 * i)); };

    const double grow = strength * unitsPerEm;
    QByteArray newGlyf, newLoca;
    for (int i = 0; i < glyphs; ++i) {
        put32(newLoca, static_cast<quint32>(newGlyf.size()));
        const qsizetype from = offset(i), to = offset(i + 1);
        if (to <= from || to > glyf.size())
            continue;
        const QByteArray data = glyf.mid(from, to - from);
        std::optional<SimpleGlyph> glyph = readSimpleGlyph(data);
        if (glyph && !glyph->points.empty()) {
            thicken(*glyph, grow, grow);
            newGlyf.append(writeSimpleGlyph(*glyph));
        } else {
            newGlyf.append(data);
        }
        while (newGlyf.size() % 4)
            newGlyf.append('\0');
    }
    put32(newLoca, static_cast<quint32>(newGlyf.size()));
    (*tables)["glyf"] = newGlyf;
    (*tables)["loca"] = newLoca;
    set16((*tables)["head"], 50, 1);
    return writeTables(*std::move(tables));
}

} // namespace tycora::ui::fontdata
