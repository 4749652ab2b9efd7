#include "windows/GameWindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>

#include "core/Game.h"
#include "platform/Rounding.h"
#include "windows/WindowFonts.h"
#include "windows/PictureBox.h"
#include "windows/StatusTexts.h"

namespace {

constexpr int kClientWidth = 444;
constexpr int kClientHeight = 313;
constexpr int kStressBarLeft = 72;

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, const QString& text,
                  const QFont& font, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

GameWindow::GameWindow(game::Game& game, platform::EventPump& pump) : game_(game), pump_(pump) {
    setWindowTitle(QStringLiteral("フェンド -Biography of Fendors-"));
    setFont(WindowFonts::Make(QStringLiteral("MS UI Gothic"), 9));
    setFixedSize(kClientWidth, kClientHeight);
    BuildLayout();
}

void GameWindow::BuildLayout() {
    const QFont small = WindowFonts::Make(QStringLiteral("Arial"), 8.25);
    lblHiScore_ = MakeLabel(this, "lblHiScore", {17, 0, 173, 17}, QStringLiteral("HiSc:"), small,
                            Qt::AlignLeft);
    lblMaxKOScore_ = MakeLabel(this, "lblMaxKOScore", {4, 16, 185, 17}, QStringLiteral("MaxKO:"),
                               small, Qt::AlignLeft);
    lblMaxHits_ = MakeLabel(this, "lblMaxHits", {1, 32, 184, 17}, QStringLiteral("MaxHits:"), small,
                            Qt::AlignLeft);
    lblPoints_ = MakeLabel(this, "lblPoints", {184, 3, 237, 25}, QStringLiteral("0 pts"),
                           WindowFonts::Make(QStringLiteral("Arial"), 14.25, true), Qt::AlignRight);
    lblHits_ = MakeLabel(this, "lblHits", {184, 32, 89, 17}, QStringLiteral("Hits"),
                         WindowFonts::Make(QStringLiteral("Arial"), 12, true), Qt::AlignRight);
    lblHPS_ = MakeLabel(this, "lblHPS", {280, 32, 153, 17}, QStringLiteral("hps"),
                        WindowFonts::Make(QStringLiteral("Arial"), 9.75, true), Qt::AlignRight);

    picMain_ = new PictureBox(picMainSurface_, this);
    picMain_->setObjectName(QStringLiteral("picMain"));
    picMain_->move(20, 48);
    picMain_->onKeyDown = [this](int16_t key, int16_t shift) { picMain_KeyDown(key, shift); };
    picMain_->onMouseDown = [this](int16_t button, int16_t shift, float x, float y) {
        picMain_MouseDown(button, shift, x, y);
    };
    picMain_->onMouseMove = [this](int16_t button, int16_t shift, float x, float y) {
        picMain_MouseMove(button, shift, x, y);
    };

    lblStress_ =
        MakeLabel(this, "lblStress", {160, 264, 49, 17}, QStringLiteral("0"),
                  WindowFonts::Make(QStringLiteral("Verdana"), 12, true), Qt::AlignHCenter);
    lblFendorData_ =
        MakeLabel(this, "lblFendorData", {216, 264, 213, 21}, QString(),
                  WindowFonts::Make(QStringLiteral("MS UI Gothic"), 11.25, true), Qt::AlignHCenter);
    MakeLabel(this, "Label1", {16, 292, 53, 13}, QStringLiteral("ストレス"),
              WindowFonts::Make(QStringLiteral("ＭＳ Ｐゴシック"), 9), Qt::AlignRight);

    // The empty frame only marks the bar's full length; the red bar lies over it.
    imgMaxStress_ = new QWidget(this);
    imgMaxStress_->setObjectName(QStringLiteral("imgMaxStress"));
    imgMaxStress_->setGeometry(kStressBarLeft, 288, 233, 17);
    shpStress_ = new QFrame(this);
    shpStress_->setObjectName(QStringLiteral("shpStress"));
    shpStress_->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0); border: none;"));
    shpStress_->setGeometry(kStressBarLeft, 289, 1, 16);

    picMain_->setFocus();
}

void GameWindow::Main() {
    // The window is reused from game to game; each game closes it once.
    unloading_ = false;
    show();
    activateWindow();
    picMain_->setFocus();
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
        game_.PlayPunch("b", 6000);
    }
}

void GameWindow::picMain_KeyDown(int16_t keyCode, int16_t) {
    HandleInput(keyCode);
}

void GameWindow::picMain_MouseDown(int16_t button, int16_t, float, float) {
    HandleInput(button);
}

void GameWindow::picMain_MouseMove(int16_t, int16_t, float x, float y) {
    const int32_t pixelX = platform::RoundHalfEven(x);
    const int32_t pixelY = platform::RoundHalfEven(y);
    lblFendorData_->setText(Text(game_.SlotInfoAt(pixelX, pixelY)));
}

void GameWindow::ShowScores() {
    if (game_.IsGameOver()) {
        return;
    }
    const StatusTexts::Scores scores = StatusTexts::ForScores(
        game_.GetPoints(), game_.GetHiScore(), game_.GetMaxKnockOutScore(),
        game_.GetMaxHits(), game_.GetHitCount());
    lblPoints_->setText(Text(scores.points));
    lblHiScore_->setText(Text(scores.hiScore));
    lblMaxKOScore_->setText(Text(scores.maxKnockOut));
    lblMaxHits_->setText(Text(scores.maxHits));
    lblHits_->setText(Text(scores.hits));
    lblHPS_->setText(Text(scores.hitsPerSecond));
}

void GameWindow::ShowStress(int32_t stress) {
    if (game_.IsGameOver()) {
        return;
    }
    const int width = StatusTexts::StressBarWidth(imgMaxStress_->width(), stress);
    shpStress_->setGeometry(kStressBarLeft, 289, width, 16);
    shpStress_->setVisible(width > 0);
    lblStress_->setText(QString::number(stress / 2));
    if (stress >= 200) {
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

QLabel* GameWindow::Label(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

int GameWindow::StressBarWidth() const {
    return shpStress_->isHidden() ? 0 : shpStress_->width();
}
