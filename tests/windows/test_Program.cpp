#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "fakes/GameFixture.h"
#include "windows/GameWindow.h"
#include "windows/Program.h"
#include "windows/TitleWindow.h"

namespace {

class ProgramTest : public fakes::GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        fakes::WriteBitmap24(appFolder / "fdata" / "default_s.bmp", 110, 140,
                             [](int, int) { return 0x00808080u; });
    }

    static void PressOn(QWidget* window, Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    static std::string Text(const TitleWindow* title, const char* label) {
        return title->findChild<QLabel*>(QString::fromLatin1(label))->text().toStdString();
    }
};

TEST_F(ProgramTest, AfterAGame_TheTitleWindowComesBackWithTheBestResultsOfTheFile) {
    Program program(*game, pump);
    int quits = 0;
    program.onQuit = [&] { ++quits; };
    program.Start();
    ASSERT_TRUE(program.Title()->isVisible());
    EXPECT_EQ(program.GameScreen(), nullptr);
    EXPECT_EQ(Text(program.Title(), "lblHiScore"), "0 pts");

    pump.At(clock.now + 500, [&] {
        // As if a beating had just set new records.
        State().HiScore = 4321;
        State().MaxKnockOutScore = 999;
        State().MaxHits = 31;
        program.GameScreen()->close();
    });
    // Once saved, the records in memory are forgotten: the title window can
    // only show them by reading the file.
    messages.onShow = [&](const auto&) {
        State().HiScore = 0;
        State().MaxKnockOutScore = 0;
        State().MaxHits = 0;
    };
    PressOn(program.Title(), Qt::Key_Return);
    EXPECT_FALSE(program.Title()->isVisible());
    // The game runs from the event loop and ends when its window closes.
    QCoreApplication::processEvents();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "ゲームオーバー 0pts");
    ASSERT_NE(program.GameScreen(), nullptr);
    EXPECT_FALSE(program.GameScreen()->isVisible());
    ASSERT_TRUE(program.Title()->isVisible());
    EXPECT_EQ(Text(program.Title(), "lblHiScore"), "4321 pts");
    EXPECT_EQ(Text(program.Title(), "lblMaxKOScore"), "999 pts");
    EXPECT_EQ(Text(program.Title(), "lblMaxHits"), "31 Hits");
    EXPECT_EQ(Text(program.Title(), "lblHPS"), "5 hps");
    EXPECT_EQ(quits, 0);

    PressOn(program.Title(), Qt::Key_Q);
    EXPECT_EQ(quits, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
