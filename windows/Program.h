#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "core/Game.h"
#include "platform/EventPump.h"

namespace windows {

class GameWindow;
class TitleWindow;

// The program's two windows in turn: the title window, made anew (and so
// loaded afresh) each time it shows, and the game window, made on first use.
class Program final : public QObject {
    Q_OBJECT

public:
    Program(game::Game& game, platform::EventPump& pump);
    ~Program() override;

    // Shows the title window.
    void Start();

    // The title window closed with no game to start: the program is over.
    std::function<void()> onQuit;

    // For tests: games whose loop is on the stack, never more than one.
    int GamesRunning() const { return gamesRunning_; }

private:
    void ShowTitle();
    void PlayGame();

    game::Game& game_;
    platform::EventPump& pump_;
    std::unique_ptr<TitleWindow> title_;
    std::unique_ptr<GameWindow> gameWindow_;
    int gamesRunning_ = 0;
    bool goPending_ = false;
};

}  // namespace windows
