#include "ui/main/piece_art.h"

#include "assets/game_pictures.h"
#include "game/game_state.h"
#include "toolkit/game_text.h"

namespace tycora::ui {

Art pieceArt(const Player &player)
{
    const PictureList &pieces = art::GamePictures::instance().imgsPieces;
    const int number = pieces.indexOf(qtext(player.Piece));
    return number > 0 ? pieces.picture(number) : Art();
}

} // namespace tycora::ui
