#pragma once

// The texts the engine writes for a person to read (the status line, the
// dice, questions, why a trade cannot be made) in that person's language.
// Each is written as an English template whose blanks are %1, %2...:
//
//     userText("Engine", "%1 Pays %2 %3").arg(name, pounds(amount), title)
//
// The template is looked up in its context through the translation the
// program has installed (none by default: the English stays), then arg()
// fills the blanks with its texts, all at once. Log lines, file formats and
// names used as keys never pass through here.
//
// Qt's lupdate collects the templates (context and template as the only
// arguments of the call, which is why the texts go to arg()):
//     lupdate -tr-function-alias translate+=userText ...

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tycora {

// Looks a template up in its context; returns the template itself, or an
// empty text, where it has no translation.
using TextTranslation = std::function<std::string(const char *context, const char *source)>;

// Installs the translation for the whole process (an empty one removes it).
// Games may run meanwhile, on any thread (the Hard computer's lookahead runs
// on a worker): a lookup already under way finishes with the translation it
// started with.
void setTextTranslation(TextTranslation translation);

// The template's translation in this thread's language, or nothing where
// the English stands (no translation installed, none for this template, or
// inside inEnglish).
std::optional<std::string> translatedTemplate(const char *context, const char *source);

// Fills the blanks %1..%99 (also written %L1) the way QString::arg does with
// several texts at once: the lowest-numbered blank takes the first text
// wherever it occurs, the next lowest the second, and so on; blanks left
// without a text stay as written, and a text put in is not filled again.
std::string fillBlanks(std::string_view pattern, std::initializer_list<std::string_view> texts);

// A template looked up in the person's language, its blanks still open.
class UserText {
public:
    UserText(const char *context, const char *source)
        : translated_(translatedTemplate(context, source)), source_(source)
    {
    }

    // The text with its blanks filled by `texts`, all at once.
    template<typename... Texts>
    std::string arg(const Texts &...texts) const
    {
        return fillBlanks(pattern(), {std::string_view(texts)...});
    }

    // A text without blanks, as it is.
    operator std::string() const { return std::string(pattern()); }

private:
    std::string_view pattern() const
    {
        return translated_ ? std::string_view(*translated_) : std::string_view(source_);
    }

    std::optional<std::string> translated_;
    const char *source_;
};

inline UserText userText(const char *context, const char *source) { return {context, source}; }

// While one lives, userText on this thread keeps to English: for words that
// go both to the log, always English, and to the screen.
class EnglishTexts {
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts &) = delete;
    EnglishTexts &operator=(const EnglishTexts &) = delete;
};

// What `compose` returns when every text it writes is in English.
template<typename Compose>
auto inEnglish(Compose &&compose)
{
    const EnglishTexts english;
    return compose();
}

} // namespace tycora
