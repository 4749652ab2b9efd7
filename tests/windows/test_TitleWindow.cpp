#include "windows/TitleWindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "fakes/GameFixture.h"
#include "fakes/HostileFiles.h"
#include "windows/SurfaceView.h"
#include "windows/TitleTexts.h"

namespace {

class TitleWindowTest : public fakes::GameFixture {
protected:
    std::unique_ptr<windows::TitleWindow> window;
    int goes = 0;
    int quits = 0;

    // Loads the window from whatever settings file is there and shows it.
    void Open() {
        window = std::make_unique<windows::TitleWindow>(*game);
        window->onGo = [this] { ++goes; };
        window->onQuit = [this] { ++quits; };
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void WriteIni(const std::string& text) { fakes::Write(appFolder / "fendo.ini", text); }
    template <typename Control = QWidget>
    Control* Find(const std::string& name) {
        Control* control = window->findChild<Control*>(QString::fromStdString(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Box(int index) { return Find<QLineEdit>("txtPunishKey" + std::to_string(index)); }
    QRadioButton* Option(int index) {
        return Find<QRadioButton>("optInputMode" + std::to_string(index));
    }
    QWidget* Focus() { return QApplication::focusWidget(); }
    std::string Text(const char* label) { return Find<QLabel>(label)->text().toStdString(); }
    std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

    // A key pressed the way the player presses it: to the control with the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focus(), nullptr);
        QTest::keyClick(Focus(), key, modifiers);
        // Let the focus move on after an accepted punch key.
        QCoreApplication::processEvents();
    }
    void ExpectMode(int mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        for (int index = 0; index < 3; ++index) {
            EXPECT_EQ(Option(index)->isChecked(), index == mode);
        }
        EXPECT_EQ(game->GetInputMode(), mode);
        QWidget* frame = Find("fraPunishKey");
        EXPECT_EQ(frame->isEnabled(), mode != 0);
        for (const char* control :
             {"lblPunishKey0", "lblPunishKey1", "txtPunishKey0", "txtPunishKey1"}) {
            EXPECT_EQ(Find(control)->isEnabledTo(frame), mode != 0) << control;
        }
        EXPECT_EQ(Text("lblHowToSelect"), windows::title_texts::HowToSelectText(mode));
        EXPECT_EQ(Text("lblHowToPunish"), windows::title_texts::HowToPunishText(
                                              mode, static_cast<int16_t>(game->GetPunishKeyL()),
                                              static_cast<int16_t>(game->GetPunishKeyR())));
    }
    // Yellow with black text while it is being edited, in an active window or
    // not; otherwise the colours around it, greyed when it is off.
    void ExpectColours(QLineEdit* box, bool editing) {
        QPalette expected = box->parentWidget()->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            if (editing) {
                expected.setColor(group, QPalette::Base, QColor(255, 255, 0));
                expected.setColor(group, QPalette::Text, QColor(0, 0, 0));
            }
        }
        EXPECT_EQ(box->palette(), expected);
    }
};

TEST_F(TitleWindowTest, Layout_FontsInPixelsAndTheVersionInWhiteOnGrey) {
    Open();
    struct Font {
        const char* control;
        int pixels;
        const char* family;
    };
    const Font fonts[] = {
        {"cmdGo", 12, "Fendo UI Gothic"},          {"fraPunishKey", 12, "Fendo UI Gothic"},
        {"lblHowToSelect", 12, "Fendo UI Gothic"}, {"lblVersion", 16, "Liberation Mono"},
        {"lblHi", 11, "Liberation Sans"},          {"lblHPS", 11, "Liberation Sans"},
        {"txtPunishKey0", 16, "Fendo UI Gothic"},  {"lblPunishKey1", 12, "Fendo UI Gothic"},
    };
    for (const Font& f : fonts) {
        const QFont font = Find(f.control)->font();
        EXPECT_EQ(font.pixelSize(), f.pixels) << f.control;
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(f.family)) << f.control;
    }
    const QLabel* version = Find<QLabel>("lblVersion");
    EXPECT_TRUE(version->autoFillBackground());
    EXPECT_EQ(version->palette().color(QPalette::Inactive, QPalette::WindowText),
              QColor(255, 255, 255));
    EXPECT_EQ(version->palette().color(QPalette::Active, QPalette::Window), QColor(64, 64, 64));
}

TEST_F(TitleWindowTest, FirstStart_WithoutAFile) {
    Open();
    EXPECT_EQ(window->windowTitle(), "Fendo -Biography of Fendors-");
    EXPECT_EQ(window->size(), QSize(379, 175));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(Find<QPushButton>("cmdGo")->isDefault());
    EXPECT_EQ(Text("lblVersion"), "Ver.0.3.0");
    EXPECT_EQ(Find<windows::SurfaceView>("picSplash")->Surface().Pixel(50, 70),
              fakes::kSplashColour);
    EXPECT_EQ(Focus(), Find<QPushButton>("cmdGo"));
    // A screen reader can name every control that shows something.
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    }
    Press(Qt::Key_Q);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TitleWindowTest, Load_ShowsTheFile) {
    struct Case {
        const char* ini;
        const char* shown;  // best, best knock-out, hits, hits per second, punch keys
        int mode;
    };
    const Case cases[] = {
        {"", "0 pts|0 pts|0 Hits|0 hps|←|→", 0},
        {"[Scores]\nMaxHits=5\n[Control Settings]\nInputMode=1\n", "0 pts|0 pts|5 Hits|0 hps|←|→",
         1},
        // No option for a mode the window does not know: mouse only.
        {"[Control Settings]\nInputMode=3\nPunishKeyL=34\n", "0 pts|0 pts|0 Hits|0 hps|PgDown|→",
         0},
        {"[Control Settings]\nInputMode=-1\n", "0 pts|0 pts|0 Hits|0 hps|←|→", 0},
        {"[Scores]\nHiScore=1234\nMaxKnockOutScore=-5\nMaxHits=17\n"
         "[Control Settings]\nInputMode=2\nPunishKeyL=81\nPunishKeyR=300\n",
         "1234 pts|-5 pts|17 Hits|2 hps|Q|!!", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteIni(c.ini);
        // A program started on that file.
        window.reset();
        game = NewGame();
        Open();
        EXPECT_EQ(Text("lblHiScore") + "|" + Text("lblMaxKOScore") + "|" + Text("lblMaxHits") +
                      "|" + Text("lblHPS") + "|" + Text(Box(0)) + "|" + Text(Box(1)),
                  c.shown);
        // A name longer than its box shows from its start.
        EXPECT_EQ(Box(0)->cursorPosition() + Box(1)->cursorPosition(), 0);
        ExpectMode(c.mode);
        // Tab from Go reaches the option that is on, never one that is off.
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focus(), Option(c.mode));
    }
    // A key with no name stays in force until another is chosen.
    EXPECT_EQ(game->GetPunishKeyR(), 300);
}

TEST_F(TitleWindowTest, ModeSwitching_ByWindowKeyOptionAndAccessKey) {
    Open();
    for (const auto& [key, mode] : {std::pair{Qt::Key_H, 1}, {Qt::Key_K, 2}, {Qt::Key_M, 0}}) {
        Press(key);
        ExpectMode(mode);
        EXPECT_EQ(Focus(), Option(mode));
    }
    QTest::mouseClick(Option(2), Qt::LeftButton);
    ExpectMode(2);
    // Access keys press their option a moment later, as a click does.
    Press(Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return game->GetInputMode() == 1; }));
    ExpectMode(1);
    // Arrow keys move within the option group; Tab reaches only the option that is on.
    Press(Qt::Key_Down);
    ExpectMode(2);
    for (const auto& [key, to] : {std::pair{Qt::Key_Tab, "cmdQuit"},
                                  {Qt::Key_Backtab, "optInputMode2"},
                                  {Qt::Key_Backtab, "cmdGo"},
                                  {Qt::Key_Tab, "optInputMode2"}}) {
        Press(key);
        EXPECT_EQ(Focus(), Find(to));
    }
}

// L and R open the punch-key boxes outside mouse-only mode; a box then takes
// every key, window keys too, as a punch key if it has a name and the other
// box does not hold it, and passes the focus on.
TEST_F(TitleWindowTest, PunchKeys_CapturedOnlyOutsideMouseOnlyMode) {
    Open();
    Press(Qt::Key_L);
    Press(Qt::Key_R);
    EXPECT_EQ(Focus(), Find<QPushButton>("cmdGo"));

    Press(Qt::Key_H);
    Press(Qt::Key_R);
    EXPECT_EQ(Focus(), Box(1));
    // The key that moved the focus is not taken as a punch key.
    EXPECT_EQ(Text(Box(1)), "→");
    ExpectColours(Box(1), true);
    // Another window taking the focus does not end the editing.
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(Box(1), &windowLeft);
    ExpectColours(Box(1), true);
    Press(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(Focus(), Box(0));
    ExpectColours(Box(1), false);
    // Tab and Shift+Tab move between the boxes, which select nothing and
    // show their names from the start.
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), Box(1));
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), Box(0));
    EXPECT_FALSE(Box(0)->hasSelectedText());
    EXPECT_EQ(Box(0)->cursorPosition() + Box(1)->cursorPosition(), 0);

    for (const Qt::Key key :
         {Qt::Key_Right, Qt::Key_Space, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Semicolon}) {
        SCOPED_TRACE(key);
        Press(key);
        EXPECT_EQ(Text(Box(0)), "←");
        EXPECT_EQ(Focus(), Box(0));
    }
    // K picks a punch key instead of switching the mode, Q instead of quitting.
    Press(Qt::Key_K);
    EXPECT_EQ(game->GetInputMode(), 1);
    EXPECT_EQ(game->GetPunishKeyL(), 75);
    EXPECT_EQ(Text("lblHowToPunish"), "<<撲殺シーンでの操作>>\r\nK ，→ キーを交互に連打");
    EXPECT_EQ(Focus(), Box(1));
    Press(Qt::Key_K);
    EXPECT_EQ(Text(Box(1)), "→");
    // The key already shown is taken again, and the focus moves on to Go.
    Press(Qt::Key_Right);
    EXPECT_EQ(Focus(), Find<QPushButton>("cmdGo"));
    for (const auto& [key, modifiers, name, code] :
         {std::tuple{Qt::Key_5, Qt::KeypadModifier, "n5", 101},
          {Qt::Key_A, Qt::ShiftModifier, "A", 65},
          {Qt::Key_Q, Qt::NoModifier, "Q", 81},
          // The keypad's decimal key, also where it is a comma.
          {Qt::Key_Comma, Qt::KeypadModifier, "n,", 110},
          {Qt::Key_PageUp, Qt::NoModifier, "PgUp", 33},
          {Qt::Key_Delete, Qt::NoModifier, "Delete", 46}}) {
        Press(Qt::Key_R);
        Press(key, modifiers);
        EXPECT_EQ(Text(Box(1)), name);
        EXPECT_EQ(game->GetPunishKeyR(), code);
        EXPECT_EQ(Box(1)->cursorPosition(), 0);
    }
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(window->isVisible());
}

// Every way out saves the choices: Enter on Quit quits, the close box quits
// likewise, and Enter in a punch-key box presses Go.
TEST_F(TitleWindowTest, Leaving_ByQuitCloseBoxOrEnterKeepsTheChoices) {
    Open();
    Press(Qt::Key_H);
    Find<QPushButton>("cmdQuit")->setFocus();
    Press(Qt::Key_Enter);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(goes, 0);
    Open();
    ExpectMode(1);
    Press(Qt::Key_K);
    window->close();
    EXPECT_EQ(quits, 2);
    Open();
    ExpectMode(2);
    Press(Qt::Key_L);
    Press(Qt::Key_Z);
    Press(Qt::Key_Slash, Qt::KeypadModifier);
    // The focus went on to Go; Enter from the left box presses Go all the same.
    Press(Qt::Key_L);
    Press(Qt::Key_Return);
    // A second Go queued behind the first finds the window closed.
    window->cmdGo_Click();
    EXPECT_EQ(goes, 1);
    EXPECT_EQ(quits, 2);
    EXPECT_FALSE(window->isVisible());
    Open();
    ExpectMode(2);
    EXPECT_EQ(Text(Box(0)) + Text(Box(1)), "Zn/");
}

}  // namespace
