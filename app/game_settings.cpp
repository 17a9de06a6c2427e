#include "app/game_settings.h"

#include <QSettings>
#include <QStandardPaths>

#include <optional>

namespace tycora::app {

namespace {

const QString FirstRoundBuyingKey = QStringLiteral("Game/FirstRoundBuying");
const QString DoubleGoSalaryKey = QStringLiteral("Game/DoubleGoSalary");
const QString FreeParkingPotKey = QStringLiteral("Game/FreeParkingPot");
const QString RulesKey = QStringLiteral("Game/Rules");
const QString PaceKey = QStringLiteral("Game/Pace");
const QString WindowScaleKey = QStringLiteral("Windows/Scale");

// Only the words this program writes count; QVariant::toBool() would take
// any other text for true.
void readFlag(const QSettings &settings, const QString &key, bool &flag)
{
    const QString text = settings.value(key).toString();
    if (text == QLatin1String("true"))
        flag = true;
    else if (text == QLatin1String("false"))
        flag = false;
}

std::optional<Pace> paceNamed(const QString &name)
{
    for (const Pace pace : AllPaces)
        if (name == QLatin1String(paceName(pace)))
            return pace;
    return std::nullopt;
}

} // namespace

QString defaultSettingsFile()
{
    // Where QSettings keeps an INI file for organisation and application
    // "Tycora" in the user's scope; worked out without opening the file.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Tycora/Tycora.ini");
}

GameChoices loadChoices(const QString &file)
{
    GameChoices choices;
    if (file.isEmpty())
        return choices;
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return choices;
    readFlag(settings, FirstRoundBuyingKey, choices.options.firstRoundBuying);
    readFlag(settings, DoubleGoSalaryKey, choices.options.doubleGoSalary);
    readFlag(settings, FreeParkingPotKey, choices.options.freeParkingPot);
    const QString rulesName = settings.value(RulesKey).toString();
    for (const RuleSet rules : AllRuleSets)
        if (rulesName == QLatin1String(ruleSetName(rules)))
            choices.options.rules = rules;
    if (const std::optional<Pace> pace = paceNamed(settings.value(PaceKey).toString()))
        choices.pace = *pace;
    // Only one of the offered sizes, written as this program writes it.
    const QString scaleText = settings.value(WindowScaleKey).toString();
    for (const int scale : ui::WindowScales)
        if (scaleText == QString::number(scale))
            choices.windowScale = scale;
    return choices;
}

bool saveChoices(const QString &file, const GameChoices &choices)
{
    if (file.isEmpty())
        return false;
    QSettings settings(file, QSettings::IniFormat);
    // Every key in the file is this program's: whatever was there, readable
    // or not, is replaced.
    settings.clear();
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    settings.setValue(FirstRoundBuyingKey, flag(choices.options.firstRoundBuying));
    settings.setValue(DoubleGoSalaryKey, flag(choices.options.doubleGoSalary));
    settings.setValue(FreeParkingPotKey, flag(choices.options.freeParkingPot));
    settings.setValue(RulesKey, QString::fromLatin1(ruleSetName(choices.options.rules)));
    settings.setValue(PaceKey, QString::fromLatin1(paceName(choices.pace)));
    // The usual size goes unwritten, so a file of default choices stays as it was.
    if (choices.windowScale != ui::DefaultWindowScale)
        settings.setValue(WindowScaleKey, QString::number(choices.windowScale));
    settings.sync();
    // A format error only says that the old contents could not be read.
    return settings.status() != QSettings::AccessError;
}

} // namespace tycora::app
