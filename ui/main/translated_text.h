#pragma once

// A text of the windows in the person's language, for the places that build
// their texts as UTF-8 strings like the engine's: the source text is looked
// up in its context, then arg() fills %1, %2... with the further texts, all
// at once:
//
//     translatedText("DebtText", "%1 rent for %2").arg(start, title)
//
// The context and the source are the call's only arguments, so that Qt's
// lupdate collects every one (-tr-function-alias translate+=translatedText).

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace tycora::ui {

inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

class TranslatedText {
public:
    TranslatedText(const char *context, const char *source) : text_(QCoreApplication::translate(context, source)) {}

    template<typename... Texts>
    std::string arg(const Texts &...texts) const
    {
        return text_.arg(fromUtf8(texts)...).toStdString();
    }

    // A text without blanks, as it is.
    operator std::string() const { return text_.toStdString(); }

private:
    QString text_;
};

inline TranslatedText translatedText(const char *context, const char *source) { return {context, source}; }

} // namespace tycora::ui
