// The set-up window's texts are looked up for translation: with a
// translator installed, its captions read as the translator has them; with
// none, as the program has always written them.

#include "shell_test_support.h"
#include "support/shell_controls.h"
#include "support/word_list.h"

#include "game/game_state.h"
#include "tests/support/recording_log.h"
#include "ui/shell/frm_players.h"
#include "toolkit/message_box.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <map>
#include <utility>

namespace tycora::ui {
namespace {

using testing::WordList;

struct Case {
    const char *context;
    const char *source;
    QString translated;
    // What the window shows where the text belongs, and what it should
    // read there.
    std::function<QString(const testing::SetUpControls &, const testing::OptionControls &)> shown;
    QString expected = translated;
};

TEST(Translation, TheSetUpWindowShowsTheTranslatorsWords)
{
    const Case cases[] = {
        {"tycora::ui::FrmPlayers", "&Add Player", QStringLiteral("&Ajouter"),
         [](const auto &c, const auto &) { return c.cmdAdd->text(); }},
        {"tycora::ui::FrmPlayers", "Player Info", QStringLiteral("Joueur"),
         [](const auto &c, const auto &) { return c.frmPlayerInfo->caption(); }},
        {"tycora::ui::FrmPlayers", "Name", QStringLiteral("Nom"),
         [](const auto &c, const auto &) { return c.lstPlayers->headerItem()->text(0); }},
        {"tycora::ui::FrmPlayers", "Playing Piece", QStringLiteral("Pion"),
         [](const auto &c, const auto &) { return c.imgcPieces->text(); }},
        {"tycora::ui::FrmPlayers", "Pick %1", QStringLiteral("Choisir %1"),
         [](const auto &c, const auto &) { return c.lblAddHint->text(); },
         QStringLiteral("Choisir a piece, a colour and a type")},
        {"tycora::ui::OptionsPanel", "Rules:", QStringLiteral("Règles :"),
         [](const auto &, const auto &o) { return o.lblRules->caption(); }},
        // A caption the engine holds, looked up where it is shown.
        {"GameOptions", "All payments goto Free Parking", QStringLiteral("Tout au Parc gratuit"),
         [](const auto &, const auto &o) { return o.chkFreeParking->text(); }},
    };
    const auto open = [](GameState &state, testing::RecordingLog &log, ScriptedMessageBoxes &boxes) {
        auto window = std::make_unique<FrmPlayers>(state, log, boxes);
        window->setupPlayerColumns();
        return window;
    };

    std::map<WordList::Key, QString> words;
    for (const Case &c : cases)
        words[{c.context, c.source}] = c.translated;
    WordList french(words);
    ASSERT_TRUE(QCoreApplication::installTranslator(&french));
    {
        GameState state;
        testing::RecordingLog log;
        ScriptedMessageBoxes boxes;
        const auto window = open(state, log, boxes);
        const testing::SetUpControls controls(*window);
        const testing::OptionControls options(*window);
        for (const Case &c : cases)
            EXPECT_EQ(c.shown(controls, options).toStdString(), c.expected.toStdString()) << c.source;
        EXPECT_EQ(controls.cmdNext->text(), QStringLiteral("Next  >>")) << "a text the translator lacks stays";
    }
    QCoreApplication::removeTranslator(&french);

    // Without the translator every text is the program's own.
    GameState state;
    testing::RecordingLog log;
    ScriptedMessageBoxes boxes;
    const auto window = open(state, log, boxes);
    const testing::SetUpControls controls(*window);
    const testing::OptionControls options(*window);
    EXPECT_EQ(controls.cmdAdd->text(), QStringLiteral("&Add Player"));
    EXPECT_EQ(controls.lblAddHint->text(), QStringLiteral("Pick a piece, a colour and a type"));
    EXPECT_EQ(options.chkFreeParking->text(), QStringLiteral("All payments goto Free Parking"));
}

} // namespace
} // namespace tycora::ui
