#pragma once

// A card about one square: its title deed or its statistics; and how the
// arrow keys walk the board from card to card.

namespace tycora::ui {

struct CardChoice {
    enum class Kind { Deed, Stats };
    Kind kind = Kind::Deed;
    int square = 0;
    bool operator==(const CardChoice &) const = default;
};

// The card of a square 0..39 of the kind wanted; a square without a title
// deed has only its statistics.
CardChoice cardFor(int square, CardChoice::Kind wanted);

// The square so many steps on (back, when negative) around the board.
int squareAfter(int square, int steps);

} // namespace tycora::ui
