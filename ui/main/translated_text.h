#pragma once

// A text of the windows in the person's language, for the places that build
// their texts as UTF-8 strings like the engine's: the source text is looked
// up in its context, then %1, %2... take the further texts, all at once.

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace tycora::ui {

inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

template<typename... Texts>
std::string translatedText(const char *context, const char *source, const Texts &...texts)
{
    const QString text = QCoreApplication::translate(context, source);
    if constexpr (sizeof...(texts) == 0)
        return text.toStdString();
    else
        return text.arg(fromUtf8(texts)...).toStdString();
}

} // namespace tycora::ui
