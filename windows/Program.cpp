#include "windows/Program.h"

#include "windows/GameWindow.h"
#include "windows/TitleWindow.h"

Program::Program(game::Game& game, platform::EventPump& pump) : game_(game), pump_(pump) {}

Program::~Program() = default;

void Program::Start() {
    ShowTitle();
}

void Program::ShowTitle() {
    // The old title window has long returned from its handlers: a game ran since.
    title_ = std::make_unique<TitleWindow>(game_);
    title_->onGo = [this] {
        // The game runs from the event loop, not inside the title window's click.
        QMetaObject::invokeMethod(this, &Program::PlayGame, Qt::QueuedConnection);
    };
    title_->onQuit = [this] {
        if (onQuit) {
            onQuit();
        }
    };
    title_->show();
    title_->activateWindow();
}

void Program::PlayGame() {
    if (!gameWindow_) {
        gameWindow_ = std::make_unique<GameWindow>(game_, pump_);
        gameWindow_->onGameEnded = [this] { ShowTitle(); };
    }
    gameWindow_->Main();
}
