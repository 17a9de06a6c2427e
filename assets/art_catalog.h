#pragma once

// Every picture of the game, drawn by code and built into the program.
// Each function returns the same Art object on every call (made on first
// use, kept for the program's life), so a picture copied from one control
// to another is recognisably the same picture. Numbers outside a list's
// range give a null Art. Sizes are the pictures' own sizes in pixels.

#include "game/card_table.h"
#include "toolkit/art.h"

namespace tycora::art {

using ui::Art;

// The printed board square: corners 75 x 75; the bottom and top rows
// 60 x 75 (60 along the board edge); the left and right columns 75 x 60.
// The board stretches them a little to close the ring.
// Art is turned so that its inner edge faces the middle of the board.
const Art &boardTile(int square);

// The game's name, "Tycora", as a title: 300 x 92 (also shown at 433 x 132).
const Art &logo();

// Playing pieces 1..6 in this order: "Dog ", "Car ", "Battleship", "Hat",
// "Shoe", "Wheelbarrow"; 44 x 30, transparent around the piece.
const Art &piece(int number);

// Colour swatches 1..6: Red, Blue, Green, Yellow, Orange, Purple; 44 x 30.
const Art &colourSwatch(int number);

// Player types: 1 a person (Human), 2 a desktop computer (Computer); 40 x 50.
const Art &playerType(int number);

// The information sign (white i on a blue disc) and the statistics sign
// (white S on a red disc); 14 x 14.
const Art &infoSign();
const Art &statsSign();

// Mini title deeds of the player panels: 1 an empty pale-green card, 2..9
// solid cards in the colours of groups 0..7; 8 x 10.
const Art &miniDeed(int number);
// Station 26 x 10, Electric Company 13 x 15, Water Works 15 x 12; owned
// (coloured) or empty (greyed outline).
const Art &miniStation(bool owned);
const Art &miniElectric(bool owned);
const Art &miniWater(bool owned);

// A house and a hotel; 14 x 14.
const Art &house();
const Art &hotel();

// The word MORTGAGED in red capitals on a clear ground,
// upside down for the top side of the board; 60 x 7.
const Art &mortgageBanner(bool forTopSide);

// Mortgage window cards: 1 a blank pale-green card, 2..9 title deeds with a
// band in the colour of groups 0..7; 27 x 32.
const Art &mortgageCard(int number);

// Card faces 1..14 in deck order; 275 x 140. Chance on a salmon-pink
// ground, Community Chest on pale yellow.
const Art &chanceCard(int number);
const Art &communityCard(int number);
// The same faces as a game under Full rules shows them: every card acts,
// so no face carries the note that it has no effect.
const Art &fullRulesCard(Deck deck, int number);

// The application icon, square, good from 16 to 512 pixels.
const Art &appIcon();

} // namespace tycora::art
