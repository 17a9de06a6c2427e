#include "game/player_name_rule.h"

#include "game/player_setup.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace tycora {

namespace {

struct Range {
    char32_t first, last;
};

// The format characters (general category Cf) of Unicode 15.
constexpr std::array<Range, 21> FormatCharacters{{
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
    {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

// The characters of a UTF-8 text, or nothing when its bytes are not UTF-8
// (a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate or a value beyond U+10FFFF).
std::optional<std::u32string> decoded(std::string_view utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > utf8.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out.push_back(c);
        i += length;
    }
    return out;
}

// The space separators and the blank controls.
bool isBlank(char32_t c)
{
    return c == 0x20 || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

} // namespace

bool isHiddenCharacter(char32_t c)
{
    if (c <= 0x1F || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
        return true;
    return std::any_of(FormatCharacters.begin(), FormatCharacters.end(),
                       [c](const Range &r) { return c >= r.first && c <= r.last; });
}

bool keepsOutOfEventMarks(std::string_view utf8)
{
    if (utf8.find("-->") != std::string_view::npos)
        return false;
    // Any blank after a colon, also the one that follows the name itself.
    const std::u32string characters = decoded(utf8).value_or(std::u32string()) + U' ';
    for (std::size_t i = 0; i + 1 < characters.size(); ++i)
        if (characters[i] == U':' && isBlank(characters[i + 1]))
            return false;
    return true;
}

NameFault nameFault(std::string_view utf8)
{
    const std::optional<std::u32string> characters = decoded(utf8);
    if (!characters || std::any_of(characters->begin(), characters->end(), isHiddenCharacter))
        return NameFault::HiddenCharacter;
    if (!isUsableName(utf8))
        return NameFault::Blank;
    if (characters->size() > static_cast<std::size_t>(MaxNameLength))
        return NameFault::TooLong;
    if (!keepsOutOfEventMarks(utf8))
        return NameFault::EventMark;
    return NameFault::None;
}

} // namespace tycora
