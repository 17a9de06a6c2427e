#pragma once

// What a person does with their deeds under the Full rules, from the
// button row: build, sell buildings, mortgage, lift mortgages and declare
// bankruptcy. Each opens a window that lists the possibilities the game
// gives, with what each costs or fetches, and passes the person's choice on
// as a command; the window then shows what is possible next. The person is
// the one to throw, or the one raising money.

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace tycora {
class OpenMoves;
class PlayerCommands;
struct GameState;
} // namespace tycora

namespace tycora::ui {

class ChoiceDialog;
class FrmMortgage;
class MessageBoxes;

class DeedActions final : public QObject {
    Q_OBJECT
public:
    DeedActions(const GameState &state, MessageBoxes &boxes, QWidget &window);
    ~DeedActions() override;

    // Where the choices go and what is open; none while no game is played.
    void setCommands(PlayerCommands *commands, const OpenMoves *moves)
    {
        commands_ = commands;
        moves_ = moves;
    }
    // The program's mortgage window; without one a window of its own is made.
    void setMortgageWindow(FrmMortgage *window);

    void build();
    void sell();
    void mortgage();
    void unmortgage();
    // Asks first; the debt then goes to whoever is owed.
    void declareBankruptcy();

    // The engine has changed what is possible: the open windows follow, and
    // close once their person may no longer act.
    void refresh();

private:
    enum class MortgageMode { Mortgage, Lift };

    int actor() const;
    bool personMayAct(int player) const;
    ChoiceDialog &dialog(QPointer<ChoiceDialog> &slot, const char *name, const char *caption, bool building);
    FrmMortgage &mortgageWindow();
    void openMortgageWindow(MortgageMode mode);
    void fillBuild();
    void fillSell();
    void fillMortgage();
    void chooseBuilding(int square);
    void chooseSale(int square);
    void chooseDeed(int square);

    const GameState &state_;
    MessageBoxes &boxes_;
    QWidget &window_;
    PlayerCommands *commands_ = nullptr;
    const OpenMoves *moves_ = nullptr;
    QPointer<ChoiceDialog> buildDialog_;
    QPointer<ChoiceDialog> sellDialog_;
    QPointer<FrmMortgage> mortgageWindow_;
    std::unique_ptr<FrmMortgage> ownMortgageWindow_;
    MortgageMode mode_ = MortgageMode::Mortgage;
    // The person each window was opened for.
    int buildFor_ = -1;
    int sellFor_ = -1;
    int mortgageFor_ = -1;
};

} // namespace tycora::ui
