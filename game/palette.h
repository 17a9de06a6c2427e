#pragma once

// The game's colours as plain red, green and blue values: the six player
// colours with their names, and (with the board table) the colour of each
// colour group. The windows and the art turn them into screen colours.

#include <array>
#include <string_view>

namespace tycora {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    constexpr bool operator==(const Rgb &) const = default;
};

inline constexpr Rgb Black{0, 0, 0};

// A player colour: its name in the set-up window, a light shade for fills
// and a strong one for borders.
struct PlayerColour {
    std::string_view name;
    Rgb light;
    Rgb strong;
};

// Indexed by a player's colour number: 0 Red .. 5 Purple.
inline constexpr std::array<PlayerColour, 6> PlayerColours{{
    {"Red", {255, 192, 192}, {255, 0, 0}},
    {"Blue", {192, 192, 255}, {0, 0, 255}},
    {"Green", {128, 255, 128}, {0, 192, 0}},
    {"Yellow", {255, 255, 192}, {192, 192, 0}},
    {"Orange", {255, 224, 192}, {255, 128, 0}},
    {"Purple", {255, 192, 255}, {255, 0, 255}},
}};

// The shades of a colour number; black for any number out of range.
constexpr Rgb lightShade(long colour)
{
    return colour >= 0 && colour < long(PlayerColours.size()) ? PlayerColours[std::size_t(colour)].light : Black;
}
constexpr Rgb strongShade(long colour)
{
    return colour >= 0 && colour < long(PlayerColours.size()) ? PlayerColours[std::size_t(colour)].strong : Black;
}

// The heat map's scale from the coldest square to the hottest, in the
// players' shades: pale blue, pale yellow, orange, red.
inline constexpr std::array<Rgb, 4> HeatScale{
    {PlayerColours[1].light, PlayerColours[3].light, PlayerColours[4].strong, PlayerColours[0].strong}};

// The colour of a colour group's strip (0..7); black for any other number.
Rgb groupShade(long group);

} // namespace tycora
