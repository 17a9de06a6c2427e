#pragma once

// The choices made before a game (the three house options, the rule set,
// the pace and each seat's computer level) and the size of the windows, kept between runs in the user's settings. A file that is
// missing, unreadable or not understood gives the defaults: the classic game
// at the classic pace.

#include "game/computer_level.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"
#include "toolkit/window_scale.h"

#include <QString>

#include <array>

namespace tycora::app {

struct GameChoices {
    GameOptions options;
    Pace pace = Pace::Classic;
    // The windows' size in percent, one of ui::WindowScales; applied when
    // the program next starts.
    int windowScale = ui::DefaultWindowScale;
    // The level offered for each seat's computer under the Full rules.
    std::array<ComputerLevel, MaxPlayers> levels{ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Normal,
                                                 ComputerLevel::Normal};

    bool operator==(const GameChoices &) const = default;
};

// $XDG_CONFIG_HOME/Tycora/Tycora.ini, or ~/.config/Tycora/Tycora.ini when
// that variable is unset or not an absolute path; empty when there is no
// home folder either, and then nothing is read or written.
QString defaultSettingsFile();

// Each choice that is missing or holds anything but one of its own words
// keeps its default; a file that cannot be read or parsed gives all
// defaults. A file that is refused (see settings_file.h) gives them too,
// with the reason in *problem.
GameChoices loadChoices(const QString &file, QString *problem = nullptr);

// What one reading of the file gave: the choices, and the reason the file
// was refused (empty when it was not).
struct ChoicesRead {
    GameChoices choices;
    QString problem;
};
ChoicesRead readChoices(const QString &file);

// False, with the reason in *problem, when the file could not be written;
// the game plays on regardless.
bool saveChoices(const QString &file, const GameChoices &choices, QString *problem = nullptr);

} // namespace tycora::app
