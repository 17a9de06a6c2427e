#include "game/user_text.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

namespace tycora {

namespace {

// Read by any thread that writes a text (a game's thinking may run off the
// windows' thread) while the program may install a translation: each
// reader holds its own reference to the function it found.
std::atomic<std::shared_ptr<const TextTranslation>> installed;

thread_local int englishDepth = 0;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Blank {
    std::size_t at = 0;
    std::size_t length = 0;
    int number = 0;
};

// The blank that starts at `at` ("%1", "%12", "%L1"), if one does.
std::optional<Blank> blankAt(std::string_view pattern, std::size_t at)
{
    std::size_t i = at + 1;
    if (i < pattern.size() && pattern[i] == 'L')
        ++i;
    if (i >= pattern.size() || !isDigit(pattern[i]))
        return std::nullopt;
    int number = pattern[i++] - '0';
    if (i < pattern.size() && isDigit(pattern[i]))
        number = number * 10 + (pattern[i++] - '0');
    return Blank{at, i - at, number};
}

} // namespace

void setTextTranslation(TextTranslation translation)
{
    installed.store(translation ? std::make_shared<const TextTranslation>(std::move(translation)) : nullptr);
}

std::optional<std::string> translatedTemplate(const char *context, const char *source)
{
    if (englishDepth > 0)
        return std::nullopt;
    const std::shared_ptr<const TextTranslation> translation = installed.load();
    if (!translation)
        return std::nullopt;
    std::string translated = (*translation)(context, source);
    if (translated.empty())
        return std::nullopt;
    return translated;
}

std::string fillBlanks(std::string_view pattern, std::initializer_list<std::string_view> texts)
{
    std::vector<Blank> blanks;
    for (std::size_t at = pattern.find('%'); at != std::string_view::npos; at = pattern.find('%', at + 1))
        if (const std::optional<Blank> blank = blankAt(pattern, at)) {
            blanks.push_back(*blank);
            at += blank->length - 1;
        }
    // The texts go to the blanks' distinct numbers, lowest first.
    std::vector<int> numbers;
    for (const Blank &b : blanks)
        numbers.push_back(b.number);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());

    std::string filled;
    std::size_t copied = 0;
    for (const Blank &b : blanks) {
        const auto rank =
            static_cast<std::size_t>(std::lower_bound(numbers.begin(), numbers.end(), b.number) - numbers.begin());
        if (rank >= texts.size())
            continue;   // stays as written
        filled.append(pattern.substr(copied, b.at - copied));
        filled.append(texts.begin()[rank]);
        copied = b.at + b.length;
    }
    filled.append(pattern.substr(copied));
    return filled;
}

EnglishTexts::EnglishTexts() { ++englishDepth; }

EnglishTexts::~EnglishTexts() { --englishDepth; }

} // namespace tycora
