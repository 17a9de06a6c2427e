#include "names/player_names.h"

#include "game/game_state.h"

#include <algorithm>

namespace tycora {

namespace {

// Characters that show nothing by themselves: format characters (zero
// width spaces and joiners, marks of direction, the byte order mark, tags)
// and the other default-ignorable ones (variation selectors, fillers).
bool isInvisible(char32_t c)
{
    return QChar::category(c) == QChar::Other_Format || c == 0x034F || c == 0x115F || c == 0x1160 ||
           c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180F) || c == 0x3164 ||
           (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFFA0 || (c >= 0xE0100 && c <= 0xE01EF);
}

bool holdsRightToLeft(const QString &name)
{
    for (const char32_t c : name.toUcs4()) {
        const QChar::Direction d = QChar::direction(c);
        if (d == QChar::DirR || d == QChar::DirAL)
            return true;
    }
    return false;
}

} // namespace

QString nameComparisonForm(const QString &name)
{
    QList<uint> visible = name.toUcs4();
    visible.erase(std::remove_if(visible.begin(), visible.end(), [](uint c) { return isInvisible(c); }),
                  visible.end());
    const QString folded = QString::fromUcs4(reinterpret_cast<const char32_t *>(visible.constData()), visible.size())
                               .normalized(QString::NormalizationForm_KC)
                               .toCaseFolded();
    return folded.simplified();
}

bool isSameName(const QString &a, const QString &b) { return nameComparisonForm(a) == nameComparisonForm(b); }

QString isolatedName(const QString &name)
{
    if (!holdsRightToLeft(name))
        return name;
    return QChar(0x2068) + name + QChar(0x2069);
}

QString withNamesIsolated(const QString &text, const QStringList &names)
{
    QStringList rightToLeft;
    for (const QString &name : names)
        if (!name.isEmpty() && holdsRightToLeft(name))
            rightToLeft << name;
    if (rightToLeft.isEmpty())
        return text;
    // The longest name first, where one name begins another.
    std::sort(rightToLeft.begin(), rightToLeft.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    QString shown;
    for (qsizetype i = 0; i < text.size();) {
        const auto found = std::find_if(rightToLeft.cbegin(), rightToLeft.cend(),
                                        [&](const QString &name) { return QStringView(text).mid(i).startsWith(name); });
        if (found == rightToLeft.cend()) {
            shown += text.at(i++);
            continue;
        }
        shown += isolatedName(*found);
        i += found->size();
    }
    return shown;
}

QStringList playerNames(const GameState &state)
{
    // Every filled record, also one the set-up is adding (and logging)
    // before it is counted.
    QStringList names;
    for (const Player &player : state.Players)
        if (!player.Name.empty())
            names << QString::fromStdString(player.Name);
    return names;
}

} // namespace tycora
