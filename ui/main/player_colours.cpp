#include "ui/main/player_colours.h"

#include <array>

namespace tycora::ui {

namespace {

struct Rgb {
    int r, g, b;
};

constexpr std::array<Rgb, 6> Light{{{255, 192, 192}, {192, 192, 255}, {128, 255, 128},
                                     {255, 255, 192}, {255, 224, 192}, {255, 192, 255}}};
constexpr std::array<Rgb, 6> Strong{{{255, 0, 0}, {0, 0, 255}, {0, 192, 0},
                                      {192, 192, 0}, {255, 128, 0}, {255, 0, 255}}};
constexpr std::array<Rgb, 8> Groups{{{141, 83, 14}, {20, 222, 240}, {234, 61, 207}, {255, 156, 0},
                                      {255, 0, 0}, {255, 255, 0}, {13, 82, 34}, {16, 30, 66}}};

template<std::size_t N>
QColor lookUp(const std::array<Rgb, N> &table, long index)
{
    if (index < 0 || index >= static_cast<long>(N))
        return QColor(0, 0, 0);
    const Rgb &c = table[static_cast<std::size_t>(index)];
    return QColor(c.r, c.g, c.b);
}

} // namespace

QColor lightColour(long colour) { return lookUp(Light, colour); }
QColor strongColour(long colour) { return lookUp(Strong, colour); }
QColor GroupColour(long group) { return lookUp(Groups, group); }

} // namespace tycora::ui
