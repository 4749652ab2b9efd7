#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <functional>

#include "core/Game.h"
#include "fakes/GameFixture.h"
#include "files/ProfileFile.h"
#include "platform/InputCodes.h"
#include "windows/GameWindow.h"

namespace {

using Button = platform::MouseButton;

class GameWindowTest : public fakes::GameFixture {
protected:
    std::unique_ptr<windows::GameWindow> window;

    void SetUp() override {
        GameFixture::SetUp();
        window = std::make_unique<windows::GameWindow>(*game, pump);
    }
    void TearDown() override {
        window.reset();
        GameFixture::TearDown();
    }

    QLabel* Label(const char* name) { return window->findChild<QLabel*>(name); }
    QString Text(const char* label) { return Label(label)->text(); }
    QWidget* Widget(const char* name) { return window->findChild<QWidget*>(name); }
    int Bar() { return Widget("shpStress")->isHidden() ? 0 : Widget("shpStress")->width(); }
    std::string Ini(const char* section, const char* key) {
        return files::ReadProfileString(section, key, "(none)", (appFolder / "fendo.ini").string());
    }
    QWidget* PlayField() { return Widget("picMain"); }
    void MouseDown(int16_t button) { window->picMain_MouseDown(button, 0, 0, 0); }
    void Click(Qt::MouseButton button, QEvent::Type type = QEvent::MouseButtonPress,
               QPointF at = QPointF(100, 100)) {
        QMouseEvent event(type, at, PlayField()->mapToGlobal(at), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(PlayField(), &event);
    }
    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, qtKey, modifiers);
        QCoreApplication::sendEvent(PlayField(), &event);
    }
};

TEST_F(GameWindowTest, Layout_FollowsTheTwipsGrid) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("フェンド -Biography of Fendors-"));
    EXPECT_EQ(window->size(), QSize(444, 313));
    EXPECT_EQ(PlayField()->geometry(), QRect(20, 48, 404, 204));
    EXPECT_EQ(Label("lblPoints")->geometry(), QRect(184, 3, 237, 25));
    EXPECT_EQ(Label("lblFendorData")->geometry(), QRect(216, 264, 213, 21));
    EXPECT_TRUE(Label("lblPoints")->alignment().testFlag(Qt::AlignRight));
    EXPECT_TRUE(Label("lblStress")->alignment().testFlag(Qt::AlignHCenter));
    struct Font {
        const char* label;
        int pixels;
        bool bold;
        const char* family;
        const char* text;
    };
    const Font fonts[] = {
        {"lblHiScore", 11, false, "Liberation Sans", "HiSc:"},
        {"lblPoints", 19, true, "Liberation Sans", "0 pts"},
        {"lblHits", 16, true, "Liberation Sans", "Hits"},
        {"lblHPS", 13, true, "Liberation Sans", "hps"},
        {"lblStress", 16, true, "DejaVu Sans", "0"},
        {"lblFendorData", 15, true, "Fendo UI Gothic", ""},
        {"Label1", 12, false, "Fendo UI Gothic", "ストレス"},
    };
    for (const Font& f : fonts) {
        EXPECT_EQ(Text(f.label), QString::fromUtf8(f.text)) << f.label;
        const QFont font = Label(f.label)->font();
        EXPECT_EQ(font.pixelSize(), f.pixels) << f.label;
        EXPECT_EQ(font.bold(), f.bold) << f.label;
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(f.family)) << f.label;
    }
}

TEST_F(GameWindowTest, ShowScores_WritesEveryLabel) {
    StartGame();
    State().HiScore = 40000;
    State().MaxKnockOutScore = 9000;
    State().MaxHits = 75;
    for (const auto& [points, hits, shown] :
         {std::tuple{12345, 40, "12345 pts|40 Hits|6hps (hits per sec.)"},
          {-3, 5, "-3 pts|5 Hits|0hps (hits per sec.)"},
          {0, 6, "0 pts|6 Hits|1hps (hits per sec.)"}}) {
        State().Points = points;
        State().HitCount = hits;
        window->ShowScores();
        EXPECT_EQ(Text("lblPoints") + "|" + Text("lblHits") + "|" + Text("lblHPS"), shown);
    }
    EXPECT_EQ(Text("lblHiScore") + "|" + Text("lblMaxKOScore") + "|" + Text("lblMaxHits"),
              "HiSc: 40000 pts|MaxKO: 9000 pts|MaxHits: 75 hits (12 hps)");
}

TEST_F(GameWindowTest, ShowStress_DrawsTheBarAndThePercentage) {
    StartGame();
    for (const auto& [stress, percent, bar] :
         {std::tuple{0, "0", 0}, {1, "0", 1}, {100, "50", 116}, {199, "99", 231}}) {
        window->ShowStress(stress);
        EXPECT_EQ(Text("lblStress"), percent);
        EXPECT_EQ(Bar(), bar);
    }
    EXPECT_FALSE(State().GameOver);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GameWindowTest, StressOfTwoHundred_EndsTheGameAndSavesTheRecords) {
    StartGame();
    window->show();
    State().Points = 77;
    State().HiScore = 50;
    bool titleShown = false;
    window->onGameEnded = [&] { titleShown = true; };
    window->ShowStress(200);
    EXPECT_EQ(Bar(), 233);
    EXPECT_TRUE(State().GameOver);
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "ゲームオーバー 77pts");
    EXPECT_TRUE(titleShown);
    EXPECT_EQ(Ini("Scores", "HiScore"), "50");
    EXPECT_EQ(Ini("Control Settings", "PunishKeyR"), "39");
    // Once over, the display stays as it was.
    window->ShowStress(10);
    EXPECT_EQ(Text("lblStress"), "100");
    window->ShowScores();
    EXPECT_EQ(Text("lblPoints"), "0 pts");
}

TEST_F(GameWindowTest, MouseMove_ShowsTheFendorUnderThePointer) {
    StartGame();
    FendorIn(4).SetName("ネイ");
    window->picMain_MouseMove(0, 0, 300.6f, 140.0f);
    EXPECT_EQ(Text("lblFendorData"), QStringLiteral("ネイ; Lv1"));
    EXPECT_EQ(State().SelectedSlot, 4);
    // 250.5 rounds to the even 250: still the first slot.
    window->picMain_MouseMove(0, 0, 250.5f, 100.0f);
    EXPECT_EQ(State().SelectedSlot, 0);
    window->picMain_MouseMove(0, 0, 10.0f, 10.0f);
    EXPECT_EQ(Text("lblFendorData"), "");
    EXPECT_EQ(State().SelectedSlot, -1);
    State().InputMode = game::kKeyboardOnly;
    window->picMain_MouseMove(0, 0, 300.0f, 140.0f);
    EXPECT_EQ(Text("lblFendorData"), "");
}

TEST_F(GameWindowTest, Pick_DoesNotRefreshTheLabelsButEachHitDoes) {
    StartGame();
    window->ShowScores();
    MakeGuilty(1, 1, 6, 2);
    State().SelectedSlot = 1;
    State().Stress = 50;
    MouseDown(Button::Left);
    EXPECT_TRUE(State().TargetGuilty);
    EXPECT_TRUE(sound.played.empty());
    State().Points = 999;  // a selection would have shown this
    window->ShowScores();
    State().Points = 0;
    MouseDown(Button::Right);
    EXPECT_EQ(Text("lblPoints"), "144 pts");
    EXPECT_EQ(Text("lblHits"), "1 Hits");
    EXPECT_EQ(Text("lblStress"), "24");
    EXPECT_EQ(sound.played.size(), 1u);
    MouseDown(Button::Right);
    EXPECT_EQ(Text("lblHits"), "1 Hits");
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(GameWindowTest, HitDuringABurst_IsCountedInsideItWithABurstOfItsOwn) {
    StartGame();
    MakeGuilty(5, 1, 6, 1);
    State().SelectedSlot = 5;
    MouseDown(Button::Left);
    // Arrives while the first hit's burst pumps events.
    pump.Soon([this] { MouseDown(Button::Left); });
    MouseDown(Button::Right);
    EXPECT_EQ(State().HitCount, 2);
    EXPECT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(Text("lblHits"), "2 Hits");
    EXPECT_EQ(clock.sleptMs, 24);
    EXPECT_TRUE(pump.Idle());
}

TEST_F(GameWindowTest, HitAfterTheTime_IsCountedThenClosesThePunishment) {
    StartGame();
    clock.now = 100;
    MakeGuilty(0);
    State().SelectedSlot = 0;
    MouseDown(Button::Left);
    clock.now = 100 + 6500;
    MouseDown(Button::Right);
    EXPECT_FALSE(State().InPunishment);
    EXPECT_EQ(State().MaxHits, 1);
    ASSERT_GE(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Got 72 pts");
    // The burst after the close only ever repaints; it sounds nothing.
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(GameWindowTest, Events_DoubleClicksCountAsPressesAndKeysBecomeKeyCodes) {
    StartGame();
    MakeGuilty(2);
    State().SelectedSlot = 2;
    Click(Qt::LeftButton);
    ASSERT_TRUE(State().InPunishment);
    Click(Qt::RightButton);
    Click(Qt::LeftButton, QEvent::MouseButtonDblClick);
    Click(Qt::RightButton, QEvent::MouseButtonDblClick);
    EXPECT_EQ(State().HitCount, 3);
    game->EndPunishment();

    State().InputMode = game::kKeyboardOnly;
    MakeGuilty(4);
    Key(Qt::Key_X, Qt::ShiftModifier);
    EXPECT_EQ(State().SelectedSlot, 4);
    EXPECT_TRUE(State().TargetGuilty);
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    Key(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(State().HitCount, 2);
}

TEST_F(GameWindowTest, Presses_CountOnlyInsideTheDrawingAreaNotOnItsFrame) {
    StartGame();
    MakeGuilty(2);
    State().SelectedSlot = 2;
    Click(Qt::LeftButton);
    ASSERT_TRUE(State().TargetGuilty);
    // Widget coordinates: the drawing area is (2, 2) to (401, 201) inside a 2-pixel frame.
    struct Case {
        QPointF at;
        bool counts;
    };
    const Case cases[] = {
        {{0, 0}, false},       {{1.9, 100}, false}, {{100, 1}, false}, {{402, 100}, false},
        {{100, 202.5}, false}, {{403, 203}, false}, {{2, 2}, true},    {{401.9, 201.9}, true},
    };
    int expectedHits = 0;
    bool right = true;
    for (const Case& c : cases) {
        Click(right ? Qt::RightButton : Qt::LeftButton, QEvent::MouseButtonPress, c.at);
        if (c.counts) {
            ++expectedHits;
            right = !right;
        }
        EXPECT_EQ(State().HitCount, expectedHits) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(GameWindowTest, Main_RunsAGameUntilTheWindowCloses) {
    pump.At(700, [this] {
        MakeGuilty(3, 2, 6, 1);
        window->picMain_MouseMove(0, 0, 260.0f, 150.0f);
        MouseDown(Button::Left);
    });
    for (int i = 0; i < 10; ++i) {
        pump.At(800 + 10 * i, [this, i] { MouseDown(i % 2 ? Button::Left : Button::Right); });
    }
    pump.At(3000, [this] { window->close(); });
    window->Main();

    EXPECT_TRUE(State().GameOver);
    EXPECT_EQ(State().HitCount, 10);
    ASSERT_FALSE(messages.shown.empty());
    // 12 x 10 x 1 x 6 \ 2: the points of the unfinished beating are shown...
    EXPECT_EQ(messages.shown.back().text, "ゲームオーバー 360pts");
    // ...but records only come from finished ones.
    EXPECT_EQ(Ini("Scores", "HiScore"), "0");
    EXPECT_EQ(Ini("Scores", "MaxHits"), "0");
    EXPECT_TRUE(pump.Idle());
}

TEST_F(GameWindowTest, Main_ASecondGameInTheSameWindowEndsTheSameWay) {
    pump.At(100, [this] { window->close(); });
    window->Main();
    ASSERT_EQ(messages.shown.size(), 1u);
    pump.At(clock.now + 100, [this] { window->close(); });
    window->Main();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "ゲームオーバー 0pts");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GameWindowTest, Main_SettlesABeatingAndGoesBackToTheRoster) {
    pump.At(600, [this] {
        MakeGuilty(0);
        State().SelectedSlot = 0;
        MouseDown(Button::Right);
    });
    pump.At(650, [this] { MouseDown(Button::Left); });
    pump.At(660, [this] { MouseDown(Button::Right); });
    pump.At(9000, [this] { window->close(); });
    window->Main();
    ASSERT_GE(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].caption, "Got 144 pts");
    EXPECT_EQ(Ini("Scores", "MaxHits"), "2");
    EXPECT_EQ(Ini("Scores", "HiScore"), "144");
    EXPECT_EQ(Ini("Scores", "MaxKnockOutScore"), "144");
    EXPECT_EQ(State().FrameDelayMs, 455);
    EXPECT_EQ(Text("lblHits"), "0 Hits");
}

TEST_F(GameWindowTest, HitFlood_IsCountedWithoutUnboundedNestingAndSettlesOnTime) {
    // Every hit arrives while the previous hit's burst pumps events, as a
    // flood of clicks does: without a bound each one nests a level deeper.
    constexpr int kHits = 20000;
    int delivered = 0;
    int depth = 0;
    int deepest = 0;
    std::function<void()> hit = [&] {
        if (delivered == kHits) {
            return;
        }
        ++delivered;
        deepest = std::max(deepest, ++depth);
        pump.Soon(hit);
        MouseDown(delivered % 2 == 0 ? Button::Left : Button::Right);
        --depth;
    };
    pump.At(600, [&] {
        MakeGuilty(3);
        State().SelectedSlot = 3;
        MouseDown(Button::Left);
        pump.Soon(hit);
    });
    int32_t settledAt = -1;
    messages.onShow = [&](const fakes::FakeMessageBox::Shown&) {
        if (settledAt < 0) {
            settledAt = clock.now;
        }
    };
    pump.At(9000, [this] { window->close(); });
    window->Main();

    EXPECT_EQ(delivered, kHits);
    EXPECT_LE(deepest, 101);
    EXPECT_EQ(sound.played.size(), 100u);
    EXPECT_EQ(settledAt, 600 + 6001);
    ASSERT_FALSE(messages.shown.empty());
    // 1 x 2 x 6 x 20000 x 6 \ 1
    EXPECT_EQ(messages.shown[0].caption, "Got 1440000 pts");
    EXPECT_EQ(Ini("Scores", "MaxHits"), "20000");
    EXPECT_EQ(Ini("Scores", "HiScore"), "1440000");
}

}  // namespace
