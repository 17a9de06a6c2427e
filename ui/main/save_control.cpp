#include "ui/main/save_control.h"

#include "game/engine.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/twips.h"

#include <QAction>
#include <QShortcut>
#include <QTimer>

namespace tycora::ui {

const char *const SaveControl::SaveTip = QT_TR_NOOP("Save the game to a file (Ctrl+S)");

namespace {

// Why the game cannot be saved now; empty when it can.
QString whyNot(const Engine &engine)
{
    if (engine.settled())
        return {};
    switch (engine.phase()) {
    case Engine::Phase::Setup:
        return SaveControl::tr("No game is being played yet");
    case Engine::Phase::Deciding:
        return SaveControl::tr("A question is open: the game can be saved once it is answered");
    case Engine::Phase::RaisingMoney:
        return SaveControl::tr("A player is raising money: the game can be saved once the debt is settled");
    case Engine::Phase::Auction:
        return SaveControl::tr("An auction is under way: the game can be saved once it is over");
    default:
        return SaveControl::tr("The game is moving: it can be saved when a player is to throw");
    }
}

} // namespace

SaveControl::SaveControl(Form &window, const Engine &engine) : QObject(&window), engine_(engine)
{
    // In the free corner under the cards, left of the Game Log button; like
    // it, it never takes the keyboard from the board.
    cmdSaveGame_ = new CommandButton(SaveControl::tr("Save (Ctrl+S)"), &window);
    cmdSaveGame_->setObjectName(QStringLiteral("cmdSaveGame"));
    cmdSaveGame_->setFont(tahoma(8.25));
    cmdSaveGame_->setFocusPolicy(Qt::NoFocus);
    place(cmdSaveGame_, 11085, 10575, 1035, 270);
    connect(cmdSaveGame_, &QPushButton::clicked, this, &SaveControl::save);

    auto *saveKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &window);
    connect(saveKey, &QShortcut::activated, this, &SaveControl::save);
    auto *loadKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &window);
    connect(loadKey, &QShortcut::activated, this, [this] {
        if (load_)
            load_();
    });
    if (auto *item = window.findChild<QAction *>(QStringLiteral("mnugamesave")))
        connect(item, &QAction::triggered, this, &SaveControl::save);
    if (auto *item = window.findChild<QAction *>(QStringLiteral("mnugameload")))
        connect(item, &QAction::triggered, loadKey, &QShortcut::activated);

    // The game moves on its timers and on every answer; a glance now and
    // then keeps the button true to it.
    poll_ = new QTimer(this);
    poll_->setInterval(100);
    connect(poll_, &QTimer::timeout, this, &SaveControl::refresh);
    poll_->start();
    refresh();
}

void SaveControl::setActions(std::function<void()> save, std::function<void()> load)
{
    save_ = std::move(save);
    load_ = std::move(load);
}

void SaveControl::refresh()
{
    const QString why = whyNot(engine_);
    cmdSaveGame_->setEnabled(why.isEmpty());
    cmdSaveGame_->setToolTip(why.isEmpty() ? tr(SaveTip) : why);
}

void SaveControl::save()
{
    refresh();
    if (cmdSaveGame_->isEnabled() && save_)
        save_();
}

} // namespace tycora::ui
