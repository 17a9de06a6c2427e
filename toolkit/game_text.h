#pragma once

// The game's texts as the windows show them: its UTF-8 strings, and money
// in the game's one format.

#include "game/text.h"

#include <QString>

#include <string_view>

namespace tycora::ui {

inline QString qtext(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline QString qmoney(long long amount) { return qtext(pounds(amount)); }

} // namespace tycora::ui
