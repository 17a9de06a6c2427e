#include "app/windowed_game.h"

#include "app/app_icon.h"

#include "app/application.h"
#include "app/display_guard.h"
#include "app/termination_signals.h"
#include "app/window_scale_start.h"
#include "app/worker_thinker.h"
#include "toolkit/fonts.h"
#include "toolkit/message_box.h"
#include "toolkit/qt_clock.h"
#include "toolkit/runtime_services.h"
#include "ui/main/engine_text_translation.h"

#include <QApplication>

namespace tycora::app {

WindowedGame::WindowedGame(int &argc, char **argv, const QString &settingsFile)
{
    // Read once: for the windows' size now, and for the set-up's choices.
    const ChoicesRead settings = readChoices(settingsFile);
    {
        // A display that is named but cannot be reached is Qt's fatal error
        // while the application is built; the guard turns it into a message.
        DisplayGuard displayGuard;
        applyWindowScale(settings.choices.windowScale, argc, argv);
        qapp_ = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setApplicationName(QStringLiteral("Tycora"));
    QApplication::setApplicationVersion(QStringLiteral(TYCORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.tycora.Tycora"));
    ui::registerEmbeddedFonts();
    // Before any game starts: the engine's texts are looked up like the
    // windows' (with no translator loaded, both stay as written).
    ui::translateEngineTexts();
    QApplication::setWindowIcon(builtAppIcon());

    services_ = std::make_unique<ui::SystemServices>(argc, argv);
    boxes_ = std::make_unique<ui::QtMessageBoxes>();
    clock_ = std::make_unique<ui::QtClock>();
    game_ = std::make_unique<Application>(*services_, *boxes_, *clock_);
    thinker_ = std::make_unique<WorkerThinker>();
    game_->setThinker(thinker_.get());
    game_->setSettingsFile(settingsFile, settings);
    // A stop signal ends the game as its window's close does, without the
    // question: the timers stop and the log gets its end line.
    stopSignals_ = std::make_unique<StopSignalRelay>([this](int) { game_->endGame(); });
}

// English again before the game, its thinker and Qt's application go, so
// that no text is looked up in an application being taken down.
WindowedGame::~WindowedGame() { ui::leaveEngineTextsInEnglish(); }

int WindowedGame::exec() { return qapp_->exec(); }

} // namespace tycora::app
