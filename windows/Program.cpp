#include "windows/Program.h"

#include "windows/GameWindow.h"
#include "windows/TitleWindow.h"

namespace windows {

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
    // A game ends inside its own loop, so the title window it shows, and a
    // Go there, can come while that loop is still on the stack: the next
    // game waits until it has returned instead of running inside it.
    if (gamesRunning_ > 0) {
        goPending_ = true;
        return;
    }
    if (!gameWindow_) {
        gameWindow_ = std::make_unique<GameWindow>(game_, pump_);
        gameWindow_->onGameEnded = [this] { ShowTitle(); };
    }
    ++gamesRunning_;
    do {
        goPending_ = false;
        gameWindow_->Main();
    } while (goPending_);
    --gamesRunning_;
}

}  // namespace windows
