// One rule for players' names, whether typed, loaded or sent over the
// network: every kind of fault, at its edges.

#include "game/player_name_rule.h"
#include "game/player_setup.h"

#include <gtest/gtest.h>

#include <string>

namespace tycora {
namespace {

std::string repeated(const std::string &piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(PlayerNameRule, EveryKindOfName)
{
    const struct {
        std::string name;
        NameFault fault;
    } cases[] = {
        {"Ann", NameFault::None},
        {"Anne-Marie O'Neill", NameFault::None},
        {"a:b", NameFault::None},                      // a colon without a blank after it
        {"a->b", NameFault::None},
        {"\xF0\x9F\x98\x80 Zo\xC3\xAB", NameFault::None},   // an emoji and a letter with a diaeresis
        {"\xD7\xA9\xD7\xA8\xD7\x94", NameFault::None},      // Hebrew letters
        {repeated("\xC3\xA9", MaxNameLength), NameFault::None},  // characters are counted, not bytes
        {repeated("a", MaxNameLength + 1), NameFault::TooLong},
        {repeated("\xC3\xA9", MaxNameLength + 1), NameFault::TooLong},
        {"", NameFault::Blank},
        {"   ", NameFault::Blank},
        {"Bob\tAnn", NameFault::HiddenCharacter},
        {"Bob\x07", NameFault::HiddenCharacter},
        {"Bob\x7F", NameFault::HiddenCharacter},
        {"Bob\xC2\x85", NameFault::HiddenCharacter},         // C1 next line
        {"B\xE2\x80\x8B" "ob", NameFault::HiddenCharacter},   // zero width space
        {"Bob\xE2\x80\xAE", NameFault::HiddenCharacter},      // right-to-left override
        {"Bob\xE2\x80\xA8", NameFault::HiddenCharacter},      // line separator
        {"Bob\xEF\xBB\xBF", NameFault::HiddenCharacter},      // byte order mark
        {"Bob\xF3\xA0\x81\x81", NameFault::HiddenCharacter},  // tag letter A
        {"Bob\xFF", NameFault::HiddenCharacter},              // not UTF-8
        {"Bob\xC0\xAF", NameFault::HiddenCharacter},          // an overlong slash
        {"Bob\xED\xA0\x80", NameFault::HiddenCharacter},      // a lone surrogate
        {"Bob\xE2\x82", NameFault::HiddenCharacter},          // cut short
        {"Game Ended: Bob", NameFault::EventMark},
        {"Bob:", NameFault::EventMark},                       // a blank follows every name in a line
        {"Bob:\xC2\xA0x", NameFault::EventMark},              // a no-break space is a blank too
        {"a-->b", NameFault::EventMark},
    };
    for (const auto &c : cases)
        EXPECT_EQ(nameFault(c.name), c.fault) << c.name;
}

} // namespace
} // namespace tycora
