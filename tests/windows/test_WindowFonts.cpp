#include "windows/WindowFonts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "characters/FendorNames.h"
#include "characters/FendorTexts.h"
#include "core/Texts.h"
#include "fakes/GameFixture.h"
#include "platform/InputCodes.h"
#include "platform/qt/QtText.h"
#include "windows/GameWindow.h"
#include "windows/TitleTexts.h"
#include "windows/TitleWindow.h"

namespace {

using platform::Text;
using platform::VirtualKey;

// Every window test of this executable sees the fonts the program registers when it starts.
class WindowFontsEnvironment final : public ::testing::Environment {
    void SetUp() override { windows::window_fonts::RegisterSubstitutes(); }
};
const ::testing::Environment* const kWindowFonts =
    ::testing::AddGlobalTestEnvironment(new WindowFontsEnvironment);

// Every text the windows and the game's boxes can show, wherever in the source it lives.
class WindowFontsTest : public fakes::GameFixture {
protected:
    QStringList EveryText() {
        QStringList texts;
        for (const std::string_view name : characters::FendorNames) {
            texts << Text(name);
        }
        for (int code = 0; code < 256; ++code) {
            texts << Text(windows::title_texts::KeyName(static_cast<int16_t>(code)));
        }
        for (int32_t mode = 0; mode < game::kInputModeCount; ++mode) {
            texts << Text(windows::title_texts::HowToSelectText(mode))
                  << Text(windows::title_texts::HowToPunishText(mode, VirtualKey::Left,
                                                                VirtualKey::Right));
        }
        texts << Text(game::texts::kGameOver) << Text(game::texts::kDied)
              << Text(game::texts::kReplacement) << Text(game::texts::kJudgePenalty)
              << Text(characters::fendor_texts::kGraduated)
              << Text(characters::fendor_texts::kEnrolled);
        const windows::TitleWindow title(*game);
        const windows::GameWindow gameWindow(*game, pump);
        for (const QWidget* window :
             {static_cast<const QWidget*>(&title), static_cast<const QWidget*>(&gameWindow)}) {
            texts << window->windowTitle();
            for (const QWidget* control : window->findChildren<QWidget*>()) {
                texts << control->accessibleName();
                if (const auto* label = qobject_cast<const QLabel*>(control)) {
                    texts << label->text();
                } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
                    texts << button->text();
                } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
                    texts << frame->title();
                }
            }
        }
        return texts;
    }
};

TEST_F(WindowFontsTest, BundledFont_DrawsEveryTextOnItsOwn) {
    QFont font = windows::window_fonts::WindowFont();
    ASSERT_EQ(QFontInfo(font).family(), QStringLiteral("Fendo UI Gothic"));
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(font);
    for (const QString& text : EveryText()) {
        for (const char32_t character : text.toUcs4()) {
            if (character != U'\r' && character != U'\n') {
                EXPECT_TRUE(metrics.inFontUcs4(character))
                    << "U+" << std::hex << static_cast<uint32_t>(character) << " of \""
                    << text.toStdString() << "\"";
            }
        }
    }
}

TEST_F(WindowFontsTest, CheckReadable_SpeaksOnlyWhenACharacterHasNoFont) {
    struct Row {
        const char32_t* characters;
        bool readable;
    };
    // U+10FFFD is a private-use character no font here draws.
    for (const Row& row : {Row{U"ストレス撲殺", true}, Row{U"ストレス\U0010FFFD", false}}) {
        messages.shown.clear();
        char* buffer = nullptr;
        size_t size = 0;
        std::FILE* log = open_memstream(&buffer, &size);
        ASSERT_NE(log, nullptr);
        const QString characters = QString::fromUcs4(row.characters);
        EXPECT_EQ(windows::window_fonts::CheckReadable(characters, messages, log), row.readable);
        std::fclose(log);
        const std::string logged(buffer, size);
        std::free(buffer);
        if (row.readable) {
            EXPECT_TRUE(messages.shown.empty() && logged.empty()) << logged;
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1U);
        const std::string& said = messages.shown[0].text;
        EXPECT_EQ(logged, "Fendo: " + said + "\n");
        EXPECT_NE(said.find("fonts-ipafont-gothic"), std::string::npos);
        EXPECT_NE(said.find("fonts-noto-cjk"), std::string::npos);
        EXPECT_TRUE(
            std::all_of(said.begin(), said.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
            << "not plain ASCII: " << said;
    }
}

}  // namespace
