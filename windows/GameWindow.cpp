#include "windows/GameWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>

#include "ui_GameWindow.h"

#include "arithmetic/Rounding.h"
#include "core/Game.h"
#include "platform/qt/QtText.h"
#include "windows/PictureBox.h"
#include "windows/StatusTexts.h"
#include "windows/WindowFonts.h"

namespace windows {

using platform::Text;

GameWindow::GameWindow(game::Game& game, platform::EventPump& pump)
    : game_(game), pump_(pump), ui_(std::make_unique<Ui::GameWindow>()) {
    ui_->setupUi(this);
    window_fonts::ApplyFormPixelSizes(*this);
    PictureBox* picMain = ui_->picMain;
    picMain->SetSurface(picMainSurface_);
    picMain->onKeyDown = [this](int16_t key, int16_t shift) { picMain_KeyDown(key, shift); };
    picMain->onMouseDown = [this](int16_t button, int16_t shift, float x, float y) {
        picMain_MouseDown(button, shift, x, y);
    };
    picMain->onMouseMove = [this](int16_t button, int16_t shift, float x, float y) {
        picMain_MouseMove(button, shift, x, y);
    };
    picMain->setFocus();
}

GameWindow::~GameWindow() = default;

void GameWindow::Main() {
    // The window is reused from game to game; each game closes it once.
    unloading_ = false;
    show();
    activateWindow();
    ui_->picMain->setFocus();
    game_.InitGame(picMainSurface_, picFendor_, picPunch_, picMirror_);
    ShowScores();
    while (!game_.IsGameOver()) {
        pump_.ProcessEvents();
        game_.GameTick();
        if (game_.IsTargetGuilty()) {
            // Only hits refresh the display during a beating; meanwhile sleep.
            game_.IdleDuringBeating();
            continue;
        }
        ShowStress(game_.ClampedStress());
        ShowScores();
    }
}

void GameWindow::HandleInput(int16_t code) {
    const bool wasGuilty = game_.IsTargetGuilty();
    const bool accepted = game_.DecideInput(code);
    if (wasGuilty && accepted) {
        ShowScores();
        ShowStress(game_.ClampedStress());
        game_.GameTick();
        game_.PlayPunch("b", game::kPunishmentMs);
    }
}

void GameWindow::picMain_KeyDown(int16_t keyCode, int16_t) {
    HandleInput(keyCode);
}

void GameWindow::picMain_MouseDown(int16_t button, int16_t, float, float) {
    HandleInput(button);
}

void GameWindow::picMain_MouseMove(int16_t, int16_t, float x, float y) {
    const int32_t pixelX = arithmetic::RoundHalfEven(x);
    const int32_t pixelY = arithmetic::RoundHalfEven(y);
    ui_->lblFendorData->setText(Text(game_.SlotInfoAt(pixelX, pixelY)));
}

void GameWindow::ShowScores() {
    if (game_.IsGameOver()) {
        return;
    }
    const status_texts::Scores scores =
        status_texts::ForScores(game_.GetPoints(), game_.GetHiScore(), game_.GetMaxKnockOutScore(),
                                game_.GetMaxHits(), game_.GetHitCount());
    ui_->lblPoints->setText(Text(scores.points));
    ui_->lblHiScore->setText(Text(scores.hiScore));
    ui_->lblMaxKOScore->setText(Text(scores.maxKnockOut));
    ui_->lblMaxHits->setText(Text(scores.maxHits));
    ui_->lblHits->setText(Text(scores.hits));
    ui_->lblHPS->setText(Text(scores.hitsPerSecond));
}

void GameWindow::ShowStress(int32_t stress) {
    if (game_.IsGameOver()) {
        return;
    }
    const int width = status_texts::StressBarWidth(ui_->imgMaxStress->width(), stress);
    // The bar grows from where the form puts it.
    ui_->shpStress->resize(width, ui_->shpStress->height());
    ui_->shpStress->setVisible(width > 0);
    // In per cent of the stress that ends the game.
    ui_->lblStress->setText(QString::number(stress / (game::kStressMax / 100)));
    if (stress >= game::kStressMax) {
        close();
    }
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (!unloading_) {
        unloading_ = true;
        Form_QueryUnload();
    }
    event->accept();
}

void GameWindow::Form_QueryUnload() {
    game_.SaveSettings(game_.SettingsPath());
    game_.ShowGameOver();
    if (onGameEnded) {
        onGameEnded();
    }
}

}  // namespace windows
