// Plays a short scripted game and saves pictures of the menu, the set-up
// window and the board in play. Run under a real X server (scripts/
// screenshots uses Xvfb) so the pictures are what a player sees.
//
//   tycora_screenshots FOLDER [TURNS]

#include "app/application.h"
#include "assets/art_catalog.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "tools/scripted_setup.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <random>

namespace {

using namespace tycora;

// The system's services with a fixed random sequence, no log and no lock,
// so the same pictures come out every time.
class ScriptServices final : public ui::RuntimeServices {
public:
    bool anotherCopyRunning() override { return false; }
    QString programFolder() const override { return QDir::tempPath(); }
    QString commandLine() const override { return {}; }
    QString dateTimeText() const override { return ui::localDateTimeText(); }
    double random() override { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }
    bool appendToFile(const QString &, const QByteArray &, QString *) override { return true; }
    void reportProblem(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    void endProcess(int) override {}

private:
    std::mt19937_64 generator_{20261206};
};

bool save(QWidget &window, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// Lets the game run until a human is to throw, or until a question stops it.
void runUntilHumanThrows(ManualClock &clock, ui::FrmMain &board)
{
    for (int i = 0; i < 2000 && !board.rollEnabled(); ++i)
        if (!clock.advanceToNextTick())
            break;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tycora_screenshots FOLDER [TURNS]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int turns = argc > 2 ? std::atoi(argv[2]) : 40;
    ui::registerEmbeddedFonts();
    QApplication::setWindowIcon(art::appIcon().icon());

    ScriptServices services;
    ui::ScriptedMessageBoxes boxes;   // every purchase question answered No
    for (int i = 0; i < 100; ++i)
        boxes.answers.push_back(i % 2 ? ui::MsgAnswer::No : ui::MsgAnswer::Yes);
    ManualClock clock;
    app::Application game(services, boxes, clock);
    // The pictures show the default choices, whatever the user last chose.
    game.setSettingsFile({});
    game.Main();

    bool ok = save(*game.frmMenu(), folder, QStringLiteral("menu"));
    game.frmMenu()->findChild<ui::CommandButton *>(QStringLiteral("cmdNewGame"))->click();
    ui::FrmPlayers &players = *game.frmPlayers();
    tools::enterPlayer(players, QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    tools::enterPlayer(players, QStringLiteral("Ben"), QStringLiteral("Car "), QStringLiteral("Blue"),
                QStringLiteral("Computer"));
    ok = save(players, folder, QStringLiteral("set-up")) && ok;
    tools::enterPlayer(players, QStringLiteral("Cleo"), QStringLiteral("Shoe"), QStringLiteral("Green"),
                QStringLiteral("Computer"));
    tools::clickButton(players, "cmdNext");

    ui::FrmMain &board = *game.frmMain();
    ok = save(board, folder, QStringLiteral("board-start")) && ok;
    while (game.engine()->handOvers() < turns) {
        runUntilHumanThrows(clock, board);
        if (!board.rollEnabled())
            break;
        board.pressRoll();
    }
    runUntilHumanThrows(clock, board);
    board.imgInfo_MouseMove(39);
    ok = save(board, folder, QStringLiteral("board-in-play")) && ok;
    board.Form_MouseMove();
    board.imgStats_MouseMove(24);
    ok = save(board, folder, QStringLiteral("board-statistics")) && ok;
    game.endGame();
    return ok ? 0 : 1;
}
