#pragma once

// What a player's name may hold, wherever a name comes from: the set-up,
// a saved game, or a player joining over the network. A name must read as
// one name in every event line and on every screen.

#include <string_view>

namespace tycora {

enum class NameFault {
    None,
    Blank,            // empty, or only blanks
    TooLong,          // more than MaxNameLength characters
    HiddenCharacter,  // a control, format or line-breaking character, or bytes that are not UTF-8
    EventMark,        // ": " or "-->", which set an event line's parts apart
};

NameFault nameFault(std::string_view utf8);

// False for a name that holds the marks that set an event line apart: a
// colon before a blank (a label such as "Game Ended:  ", also when it ends
// the name, as a blank follows the name in every line) or an arrow "-->".
bool keepsOutOfEventMarks(std::string_view utf8);

// True for a control character (C0, C1), a line or paragraph separator,
// or a format character (zero-width and direction marks, the byte order
// mark, tags): none of them shows as itself in a line of text.
bool isHiddenCharacter(char32_t c);

} // namespace tycora
