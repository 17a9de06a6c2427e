#pragma once

// The picture lists of the game, numbered from 1 and keyed as the windows
// look them up: card faces, pieces, colours, player types, mini deeds and
// mortgage cards. Built once from the art catalogue.

#include "toolkit/picture_list.h"

namespace tycora::art {

struct GamePictures {
    ui::PictureList imgsChance;      // 14 faces, keys "Chance1".."Chance14"
    ui::PictureList imgsCommunity;   // 14 faces, keys "Community1".."Community14"
    // The faces under Full rules, keys "ChanceFull1".., "CommunityFull1"..
    ui::PictureList imgsChanceFull;
    ui::PictureList imgsCommunityFull;
    ui::PictureList imgsPieces;      // "Dog ", "Car ", "Battleship", "Hat", "Shoe", "Wheelbarrow"
    ui::PictureList imgsColours;     // "Red", "Blue", "Green", "Yellow", "Orange", "Purple"
    ui::PictureList imgsType;        // "Human", "Computer"
    ui::PictureList imgsMinis;       // 1 empty card, 2..9 the colour groups
    ui::PictureList imgsMortgage;    // 1 blank card, 2..9 the colour groups

    static const GamePictures &instance();
};

} // namespace tycora::art
