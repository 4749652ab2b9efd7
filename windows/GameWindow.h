#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/Game.h"
#include "graphics/SheetSizes.h"
#include "graphics/Surface.h"
#include "platform/EventPump.h"

namespace Ui {
class GameWindow;
}

namespace windows {

// The game window: the play field, the status labels and the stress bar.
// It holds no game state; everything goes through the game's operations.
class GameWindow final : public QWidget {
    Q_OBJECT

public:
    GameWindow(game::Game& game, platform::EventPump& pump);
    ~GameWindow() override;

    // Runs a whole game: shows the window and returns only once the game is over.
    void Main();

    void Form_QueryUnload();
    void picMain_KeyDown(int16_t keyCode, int16_t shift);
    void picMain_MouseDown(int16_t button, int16_t shift, float x, float y);
    void picMain_MouseMove(int16_t button, int16_t shift, float x, float y);
    void ShowScores();
    void ShowStress(int32_t stress);

    // Where the game goes when this window closes (the title window).
    std::function<void()> onGameEnded;

    // For the pacing benchmark, which times each frame as it reaches the screen.
    graphics::Surface& PlayFieldSurface() { return picMainSurface_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void HandleInput(int16_t code);

    game::Game& game_;
    platform::EventPump& pump_;
    bool unloading_ = false;

    graphics::Surface picMainSurface_{graphics::kPlayFieldSize};
    graphics::Surface picFendor_{graphics::kFendorSurfaceSize};
    graphics::Surface picPunch_{graphics::kPunchSheetSize};
    graphics::Surface picMirror_{graphics::kPlayFieldSize};

    std::unique_ptr<Ui::GameWindow> ui_;
};

}  // namespace windows
