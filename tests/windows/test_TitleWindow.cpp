#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <sstream>

#include "fakes/GameFixture.h"
#include "platform/ProfileFile.h"
#include "windows/SurfaceView.h"
#include "windows/TitleWindow.h"

namespace {

constexpr uint32_t kSplashColour = 0x00336699;
const std::string kSelectHead = "<<メインシーンでの操作>>\r\n";
const std::string kPunishHead = "<<撲殺シーンでの操作>>\r\n";

class TitleWindowTest : public fakes::GameFixture {
protected:
    std::unique_ptr<TitleWindow> window;
    int goes = 0;
    int quits = 0;

    void SetUp() override {
        GameFixture::SetUp();
        fakes::WriteBitmap24(appFolder / "fdata" / "default_s.bmp", 110, 140,
                             [](int, int) { return kSplashColour; });
    }
    void TearDown() override {
        window.reset();
        GameFixture::TearDown();
    }

    // Loads the window from whatever settings file is there and shows it.
    void Open() {
        window = std::make_unique<TitleWindow>(*game);
        window->onGo = [this] { ++goes; };
        window->onQuit = [this] { ++quits; };
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void WriteIni(const std::string& text) {
        std::ofstream(appFolder / "fendo.ini", std::ios::binary) << text;
    }
    std::string IniFile() {
        std::ifstream file(appFolder / "fendo.ini", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    template <typename Control>
    Control* Find(const char* name) {
        Control* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLabel* Label(const char* name) { return Find<QLabel>(name); }
    QLineEdit* Box(int index) {
        return Find<QLineEdit>(index == 0 ? "txtPunishKey0" : "txtPunishKey1");
    }
    QRadioButton* Option(int index) {
        const char* names[] = {"optInputMode0", "optInputMode1", "optInputMode2"};
        return Find<QRadioButton>(names[index]);
    }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    std::string Text(const QLabel* label) { return label->text().toStdString(); }
    std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

    // A key pressed the way the player presses it: to the control with the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
        // Let the focus move on after an accepted punch key.
        QCoreApplication::processEvents();
    }
    void ExpectMode(int mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        for (int index = 0; index < 3; ++index) {
            EXPECT_EQ(Option(index)->isChecked(), index == mode);
        }
        EXPECT_EQ(game->GetInputMode(), mode);
        const bool keys = mode != 0;
        EXPECT_EQ(Find<QWidget>("fraPunishKey")->isEnabled(), keys);
        EXPECT_EQ(Label("lblPunishKey1")->isEnabled(), keys);
        EXPECT_EQ(Box(0)->isEnabled(), keys);
        EXPECT_EQ(Box(1)->isEnabled(), keys);
        EXPECT_EQ(Text(Label("lblHowToSelect")),
                  kSelectHead + (mode == 2 ? "ASD\r\n  ZXC それぞれのキーで選択"
                                           : "マウスのクリックでフェンドルを選択"));
        EXPECT_EQ(
            Text(Label("lblHowToPunish")),
            kPunishHead + (mode == 0 ? "左，右クリックを交互に連打"
                                     : Text(Box(0)) + " ，" + Text(Box(1)) + " キーを交互に連打"));
    }
};

TEST_F(TitleWindowTest, FirstStart_WithoutAFile) {
    Open();
    EXPECT_EQ(window->windowTitle(), "Fendo -Biography of Fendors-");
    EXPECT_EQ(window->size(), QSize(379, 175));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(Button("cmdGo")->geometry(), QRect(120, 140, 185, 33));
    EXPECT_EQ(Box(1)->geometry(), QRect(48, 32, 33, 25));
    EXPECT_EQ(Label("lblHowToPunish")->geometry(), QRect(120, 96, 161, 41));
    EXPECT_EQ(Label("lblHi")->font().pixelSize(), 11);
    EXPECT_EQ(Label("lblVersion")->font().pixelSize(), 16);
    EXPECT_EQ(Option(1)->font().pixelSize(), 12);
    EXPECT_EQ(Box(0)->font().pixelSize(), 16);
    EXPECT_TRUE(Button("cmdGo")->isDefault());

    EXPECT_EQ(Text(Label("lblHiScore")), "0 pts");
    EXPECT_EQ(Text(Label("lblMaxKOScore")), "0 pts");
    EXPECT_EQ(Text(Label("lblMaxHits")), "0 Hits");
    EXPECT_EQ(Text(Label("lblHPS")), "0 hps");
    EXPECT_EQ(Text(Label("lblVersion")), "Ver.0.3.0");
    EXPECT_EQ(Text(Box(0)), "←");
    EXPECT_EQ(Text(Box(1)), "→");
    ExpectMode(0);
    EXPECT_EQ(Find<SurfaceView>("picSplash")->Surface().Pixel(50, 70), kSplashColour);
    EXPECT_FALSE(window->IsEditingPunishKey());
    EXPECT_EQ(QApplication::focusWidget(), Button("cmdGo"));

    // A screen reader can name every control that shows something.
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    }

    // Quitting writes the settings file whole.
    Press(Qt::Key_Q);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(IniFile(),
              "[Scores]\r\nHiScore=0\r\nMaxKnockOutScore=0\r\nMaxHits=0\r\n"
              "[Control Settings]\r\nInputMode=0\r\nPunishKeyL=37\r\nPunishKeyR=39\r\n");
}

TEST_F(TitleWindowTest, Load_ShowsTheFile) {
    struct Case {
        const char* ini;
        const char* hits;
        const char* hps;
        int mode;
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {"[Scores]\nHiScore=1234\nMaxKnockOutScore=-5\nMaxHits=17\n"
         "[Control Settings]\nInputMode=2\nPunishKeyL=81\nPunishKeyR=300\n",
         "17 Hits", "2 hps", 2, "Q", "!!"},
        {"[Scores]\nMaxHits=5\n[Control Settings]\nInputMode=1\n", "5 Hits", "0 hps", 1, "←", "→"},
        // No option for a mode the window does not know: mouse only.
        {"[Control Settings]\nInputMode=7\nPunishKeyL=101\n", "0 Hits", "0 hps", 0, "n5", "→"},
        {"[Control Settings]\nInputMode=-1\n", "0 Hits", "0 hps", 0, "←", "→"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteIni(c.ini);
        Open();
        EXPECT_EQ(Text(Label("lblMaxHits")), c.hits);
        EXPECT_EQ(Text(Label("lblHPS")), c.hps);
        EXPECT_EQ(Text(Box(0)), c.left);
        EXPECT_EQ(Text(Box(1)), c.right);
        ExpectMode(c.mode);
    }
    WriteIni(cases[0].ini);
    Open();
    EXPECT_EQ(Text(Label("lblHiScore")), "1234 pts");
    EXPECT_EQ(Text(Label("lblMaxKOScore")), "-5 pts");
    // A key with no name stays in force until another is chosen.
    EXPECT_EQ(game->GetPunishKeyR(), 300);
}

TEST_F(TitleWindowTest, ModeSwitching_ByWindowKeyOptionAndAccessKey) {
    Open();
    Press(Qt::Key_H);
    ExpectMode(1);
    EXPECT_EQ(QApplication::focusWidget(), Option(1));
    Press(Qt::Key_K);
    ExpectMode(2);
    EXPECT_EQ(QApplication::focusWidget(), Option(2));
    Press(Qt::Key_M);
    ExpectMode(0);
    QTest::mouseClick(Option(2), Qt::LeftButton);
    ExpectMode(2);
    // Access keys press their option a moment later, as a click does.
    Press(Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return game->GetInputMode() == 1; }));
    ExpectMode(1);
    // Arrow keys move within the option group.
    Press(Qt::Key_Down);
    ExpectMode(2);
    // Tab reaches only the option that is on.
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Button("cmdQuit"));
    Press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), Option(2));
    Press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), Button("cmdGo"));
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Option(2));
}

TEST_F(TitleWindowTest, PunchKeyBoxes_OnlyOutsideMouseOnlyMode) {
    Open();
    Press(Qt::Key_L);
    Press(Qt::Key_R);
    EXPECT_EQ(QApplication::focusWidget(), Button("cmdGo"));
    EXPECT_FALSE(window->IsEditingPunishKey());

    Press(Qt::Key_H);
    Press(Qt::Key_R);
    EXPECT_EQ(QApplication::focusWidget(), Box(1));
    EXPECT_TRUE(window->IsEditingPunishKey());
    // The key that moved the focus is not taken as a punch key.
    EXPECT_EQ(Text(Box(1)), "→");
    EXPECT_EQ(Box(1)->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(Box(1)->palette().color(QPalette::Text), QColor(0, 0, 0));

    Press(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Box(0));
    EXPECT_TRUE(window->IsEditingPunishKey());
    EXPECT_EQ(Box(1)->palette().color(QPalette::Base),
              QGuiApplication::palette().color(QPalette::Base));
    // The window keys belong to the box now: K does not switch the mode.
    Press(Qt::Key_K);
    EXPECT_EQ(game->GetInputMode(), 1);
    EXPECT_EQ(Text(Box(0)), "K");
    EXPECT_EQ(QApplication::focusWidget(), Box(1));
}

TEST_F(TitleWindowTest, Capture_RefusesKeysWithoutANameAndTheOtherBoxsKey) {
    WriteIni("[Control Settings]\nInputMode=2\n");
    Open();
    Press(Qt::Key_L);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> refused[] = {
        {Qt::Key_Right, Qt::NoModifier},     {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_F1, Qt::NoModifier},        {Qt::Key_Insert, Qt::NoModifier},
        {Qt::Key_Comma, Qt::KeypadModifier}, {Qt::Key_Shift, Qt::NoModifier},
        {Qt::Key_Semicolon, Qt::NoModifier},
    };
    for (const auto& [key, modifiers] : refused) {
        SCOPED_TRACE(key);
        Press(key, modifiers);
        EXPECT_EQ(Text(Box(0)), "←");
        EXPECT_EQ(game->GetPunishKeyL(), 37);
        EXPECT_EQ(QApplication::focusWidget(), Box(0));
    }
    // Q picks a punch key instead of quitting; the focus moves on to the right box.
    Press(Qt::Key_Q);
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text(Box(0)), "Q");
    EXPECT_EQ(game->GetPunishKeyL(), 81);
    EXPECT_EQ(Text(Label("lblHowToPunish")), "<<撲殺シーンでの操作>>\r\nQ ，→ キーを交互に連打");
    EXPECT_EQ(QApplication::focusWidget(), Box(1));
    Press(Qt::Key_Q);
    EXPECT_EQ(Text(Box(1)), "→");
    // The key already shown is taken again, and the focus moves on to Go.
    Press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), Button("cmdGo"));
    EXPECT_FALSE(window->IsEditingPunishKey());
    Press(Qt::Key_R);
    Press(Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(Text(Box(1)), "n5");
    EXPECT_EQ(game->GetPunishKeyR(), 101);
    Press(Qt::Key_R);
    Press(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(Text(Box(1)), "A");
    EXPECT_EQ(game->GetPunishKeyR(), 65);
}

TEST_F(TitleWindowTest, EnterFromAPunchKeyBox_StartsTheGameWithTheChoicesSaved) {
    Open();
    Press(Qt::Key_K);
    Press(Qt::Key_L);
    Press(Qt::Key_Z);
    Press(Qt::Key_Slash, Qt::KeypadModifier);
    // The focus went on to Go; Enter from the left box presses Go all the same.
    Press(Qt::Key_L);
    Press(Qt::Key_Return);
    EXPECT_EQ(goes, 1);
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(window->isVisible());
    const std::string path = (appFolder / "fendo.ini").string();
    EXPECT_EQ(ProfileFile::ReadProfileString("Control Settings", "InputMode", "", path), "2");
    EXPECT_EQ(ProfileFile::ReadProfileString("Control Settings", "PunishKeyL", "", path), "90");
    EXPECT_EQ(ProfileFile::ReadProfileString("Control Settings", "PunishKeyR", "", path), "111");
}

TEST_F(TitleWindowTest, EnterOnQuit_QuitsAndTheCloseBoxSavesLikeQuit) {
    Open();
    Press(Qt::Key_H);
    Button("cmdQuit")->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(goes, 0);
    EXPECT_EQ(ProfileFile::ReadProfileString("Control Settings", "InputMode", "",
                                             (appFolder / "fendo.ini").string()),
              "1");
    Open();
    ExpectMode(1);
    Press(Qt::Key_K);
    window->close();
    EXPECT_EQ(quits, 2);
    Open();
    ExpectMode(2);
}

}  // namespace
