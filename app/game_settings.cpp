#include "app/game_settings.h"

#include "app/settings_file.h"

#include <QDir>
#include <QList>
#include <QPair>

#include <optional>

namespace tycora::app {

namespace {

// The file is an INI file, as QSettings writes it, so that files written
// by earlier versions read back: the game's choices in one section, the
// size of the windows in another.
const QByteArray Section = "Game";
const QByteArray WindowsSection = "Windows";
const QByteArray WindowScaleKey = "Scale";
const QByteArray FirstRoundBuyingKey = "FirstRoundBuying";
const QByteArray DoubleGoSalaryKey = "DoubleGoSalary";
const QByteArray FreeParkingPotKey = "FreeParkingPot";
const QByteArray RulesKey = "Rules";
const QByteArray PaceKey = "Pace";
const QByteArray LevelsKey = "Levels";

using Entries = QList<QPair<QByteArray, QByteArray>>;

// The keys and values of the section, as written; a line that is not a
// section's name or key=value is passed over, as are comments.
Entries sectionEntries(const QByteArray &text, const QByteArray &section = Section)
{
    Entries entries;
    bool inSection = false;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inSection = line == '[' + section + ']';
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inSection && equals > 0)
            entries.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return entries;
}

QByteArray valueOf(const Entries &entries, const QByteArray &key)
{
    QByteArray value;
    for (const auto &[k, v] : entries)
        if (k == key)
            value = v;   // the last one counts
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

// Only the words this program writes count.
void readFlag(const Entries &entries, const QByteArray &key, bool &flag)
{
    const QByteArray text = valueOf(entries, key);
    if (text == "true")
        flag = true;
    else if (text == "false")
        flag = false;
}

std::optional<Pace> paceNamed(const QByteArray &name)
{
    for (const Pace pace : AllPaces)
        if (name == paceName(pace))
            return pace;
    return std::nullopt;
}

// "Normal,Hard,Easy,Normal": the seats' levels in order. A seat whose
// word is not one of the levels' names, or that is missing, plays Normal.
void readLevels(const QByteArray &text, std::array<ComputerLevel, MaxPlayers> &levels)
{
    const QList<QByteArray> words = text.split(',');
    for (std::size_t seat = 0; seat < levels.size(); ++seat) {
        levels[seat] = ComputerLevel::Normal;
        if (seat >= static_cast<std::size_t>(words.size()))
            continue;
        for (std::size_t i = 0; i < ComputerLevelNames.size(); ++i)
            if (words[static_cast<qsizetype>(seat)] == QByteArray(ComputerLevelNames[i].data(), qsizetype(ComputerLevelNames[i].size())))
                levels[seat] = static_cast<ComputerLevel>(i);
    }
}

QByteArray levelsText(const std::array<ComputerLevel, MaxPlayers> &levels)
{
    QList<QByteArray> words;
    for (const ComputerLevel level : levels)
        words.append(QByteArray(levelName(level).data(), qsizetype(levelName(level).size())));
    return words.join(',');
}

} // namespace

QString defaultSettingsFile()
{
    // $XDG_CONFIG_HOME when it is an absolute path (a relative one is to be
    // ignored), otherwise ~/.config: where QSettings keeps the INI file of
    // organisation and application "Tycora" in the user's scope.
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!folder.startsWith(QLatin1Char('/'))) {
        const QString home = QDir::homePath();
        if (!home.startsWith(QLatin1Char('/')))
            return {};
        folder = home + QStringLiteral("/.config");
    }
    return folder + QStringLiteral("/Tycora/Tycora.ini");
}

GameChoices loadChoices(const QString &file, QString *problem)
{
    GameChoices choices;
    if (file.isEmpty())
        return choices;
    const std::optional<QByteArray> text = readSettingsFile(file, problem);
    if (!text)
        return choices;
    const Entries entries = sectionEntries(*text);
    readFlag(entries, FirstRoundBuyingKey, choices.options.firstRoundBuying);
    readFlag(entries, DoubleGoSalaryKey, choices.options.doubleGoSalary);
    readFlag(entries, FreeParkingPotKey, choices.options.freeParkingPot);
    const QByteArray rulesName = valueOf(entries, RulesKey);
    for (const RuleSet rules : AllRuleSets)
        if (rulesName == ruleSetName(rules))
            choices.options.rules = rules;
    if (const std::optional<Pace> pace = paceNamed(valueOf(entries, PaceKey)))
        choices.pace = *pace;
    readLevels(valueOf(entries, LevelsKey), choices.levels);
    // Only one of the offered sizes, written as this program writes it.
    const QByteArray scaleText = valueOf(sectionEntries(*text, WindowsSection), WindowScaleKey);
    for (const int scale : ui::WindowScales)
        if (scaleText == QByteArray::number(scale))
            choices.windowScale = scale;
    return choices;
}

ChoicesRead readChoices(const QString &file)
{
    ChoicesRead read;
    read.choices = loadChoices(file, &read.problem);
    return read;
}

bool saveChoices(const QString &file, const GameChoices &choices, QString *problem)
{
    if (file.isEmpty())
        return false;
    // Every key in the file is this program's: whatever was there, readable
    // or not, is replaced. The keys in QSettings' order.
    const auto flag = [](bool on) { return on ? QByteArray("true") : QByteArray("false"); };
    QByteArray text = '[' + Section + "]\n";
    Entries entries{{DoubleGoSalaryKey, flag(choices.options.doubleGoSalary)},
                    {FirstRoundBuyingKey, flag(choices.options.firstRoundBuying)},
                    {FreeParkingPotKey, flag(choices.options.freeParkingPot)}};
    // Levels other than all Normal only: a file of default choices stays as it was.
    if (choices.levels != GameChoices{}.levels)
        entries.append({LevelsKey, levelsText(choices.levels)});
    entries.append({PaceKey, paceName(choices.pace)});
    entries.append({RulesKey, ruleSetName(choices.options.rules)});
    for (const auto &[key, value] : entries)
        text += key + '=' + value + '\n';
    // The usual size goes unwritten, so a file of default choices stays as it was.
    if (choices.windowScale != ui::DefaultWindowScale)
        text += "\n[" + WindowsSection + "]\n" + WindowScaleKey + '=' + QByteArray::number(choices.windowScale) + '\n';
    return replaceSettingsFile(file, text, problem);
}

} // namespace tycora::app
