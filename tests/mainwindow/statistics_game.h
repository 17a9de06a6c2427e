#pragma once

// A game of three computers in the window on seeded dice, for the
// statistics window's tests and its pictures.

#include "window_with_engine.h"

#include "ui/main/statistics_window.h"

#include <QCheckBox>
#include <QTableWidget>

namespace tycora::testing {

class StatisticsGame : public WindowWithEngine {
protected:
    StatisticsGame() : WindowWithEngine(5) {}

    void start(RuleSet rules)
    {
        state.Players[0].PlayerType = Computer;
        addPlayer("Cleo", "Shoe", 3, Computer);
        screen().setupPlayerPanels();
        screen().layoutPlayerPanels();
        engine = std::make_unique<Engine>(state, screen(), clock, log, dice);
        engine->setOptions({.rules = rules});
        form->setEngine(engine.get());
        screen().setRules(rules);
        engine->startGame();
        form->show();
    }
    void playUntil(long long handOvers)
    {
        for (int i = 0; i < 2'000'000 && engine->handOvers() < handOvers && engine->phase() != Engine::Phase::Over;
             ++i)
            if (!clock.advanceToNextTick())
                break;
    }
    ui::StatisticsWindow &statistics() { return form->statistics(); }
    QCheckBox *toggle(const char *name) { return control<QCheckBox>(statistics(), name); }
    QTableWidget *table(const char *name) { return control<QTableWidget>(statistics(), name); }
};

} // namespace tycora::testing
