#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

namespace game {
class Game;
}
namespace Ui {
class TitleWindow;
}
class QLineEdit;
class QRadioButton;
class QKeyEvent;

namespace windows {

// The start-up window: best results, version, input mode and punch keys.
// Its layout is the form TitleWindow.ui; it holds no game state of its own.
// Each window object lives for one showing: it loads when made and is
// thrown away once it has closed.
class TitleWindow final : public QWidget {
    Q_OBJECT

public:
    explicit TitleWindow(game::Game& game, QWidget* parent = nullptr);
    ~TitleWindow() override;

    // The window has closed so that a game can start.
    std::function<void()> onGo;
    // The window has closed for any other reason: Quit, Q, the close box.
    std::function<void()> onQuit;

    void Form_KeyDown(int16_t keyCode, int16_t shift);
    void cmdGo_Click();
    void cmdQuit_Click();
    void optInputMode_Click(int16_t index);
    void SelectInputMode(int32_t mode);
    void txtPunishKey_GotFocus(int16_t index);
    void txtPunishKey_LostFocus(int16_t index);
    void txtPunishKey_KeyDown(int16_t index, int16_t keyCode, int16_t shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload();
    // Sees every key before the control with the focus does; true when the
    // key has been used up.
    bool PreviewKey(QObject* target, QKeyEvent* event);
    void ShowKeyName(int index, int16_t keyCode);
    void ShowHowToTexts(int32_t mode);
    QLineEdit* PunishKeyBox(int index) const;
    QRadioButton* ModeOption(int index) const;
    int PunishKeyBoxIndex(const QObject* object) const;

    game::Game& game_;
    std::unique_ptr<Ui::TitleWindow> ui_;
    bool editingPunishKey_ = false;
    bool goRequested_ = false;
    bool unloaded_ = false;
};

}  // namespace windows
