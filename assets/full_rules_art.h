#pragma once

// The pictures the Full rules add: the MORTGAGED banner turned for the left
// and right sides of the board, the marks of a mortgaged deed (on a mini
// deed and on a mortgage window card), and the mortgage window's cards of
// the stations and utilities. Like the rest of the art, each is the same
// Art object on every call.

#include "toolkit/art.h"

namespace tycora::art {

using ui::Art;

// The banner read along a side column, its letters' tops facing the middle
// of the board; 7 x 60.
const Art &mortgageBannerTurned(bool forLeftSide);

// A banner as the board shows it on a mortgaged square: laid on a white
// plaque, so that the red word reads on every colour strip (a red word on
// the red or dark blue strip alone does not); the same size as the banner.
Art bannerOnPlaque(const Art &banner);

// A mini deed of a player's panel, struck through as mortgaged; the same
// size as the mini it marks.
Art mortgagedMini(const Art &ownedMini);

// Mortgage window cards of a station and of the two utilities (Electric
// Company, Water Works); 27 x 32, like the street cards.
const Art &stationMortgageCard();
const Art &utilityMortgageCard(bool electric);

// A mortgage window card crossed in red as mortgaged.
Art mortgagedCard(const Art &card);

} // namespace tycora::art
