#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/SettingsFolder.h"

namespace {

namespace fs = std::filesystem;

// HiScore, MaxKnockOutScore, MaxHits, InputMode, PunishKeyL, PunishKeyR.
using Six = std::array<int64_t, 6>;
constexpr Six kDefaults = {0, 0, 0, 0, 37, 39};
constexpr std::array<const char*, 6> kKeys = {"HiScore",   "MaxKnockOutScore", "MaxHits",
                                              "InputMode", "PunishKeyL",       "PunishKeyR"};
const std::string kAllSix =
    "[Scores]\r\nHiScore=11\r\nMaxKnockOutScore=22\r\nMaxHits=33\r\n"
    "[Control Settings]\r\nInputMode=1\r\nPunishKeyL=65\r\nPunishKeyR=66\r\n";
constexpr Six kAllSixValues = {11, 22, 33, 1, 65, 66};

class SettingsFile : public fakes::SettingsFolder {
protected:
    static auto Fields(game::Game& of) {
        game::GameState& g = of.State();
        return std::tie(g.HiScore, g.MaxKnockOutScore, g.MaxHits, g.InputMode, g.PunishKeyL,
                        g.PunishKeyR);
    }
    static Six Held(game::Game& of) {
        return std::apply([](auto... field) { return Six{field...}; }, Fields(of));
    }
    // What a program started now loads.
    Six Loaded() {
        game = NewGame();
        game->LoadSettings(path_);
        return Held(*game);
    }
    void SetSix(const Six& values) { Fields(*game) = std::tuple_cat(values); }
};

// Each text stands as the value of one key; the five others hold good values
// that must load whatever the odd one holds.
TEST_F(SettingsFile, LoadTakesEachKeysDefaultForAValueThatIsNotAPlainFittingInteger) {
    // clang-format off
    const std::vector<std::tuple<int, const char*, int64_t>> cases = {  // key, text, loaded
        {4, "32768", 37}, {4, "32767", 32767}, {4, "-32768", -32768}, {5, "-32769", 39},
        {0, "2147483648", 0}, {0, "2147483647", 2147483647}, {0, "-2147483648", -2147483648LL},
        {0, "-2147483649", 0}, {0, "99999999999999999999999999", 0}, {0, "-5", -5}, {0, "+5", 5},
        {1, "+12", 12}, {1, "--1", 0}, {1, "+-2", 0}, {4, "-+2", 37}, {1, "-", 0}, {1, "+", 0},
        {2, "", 0}, {2, "   ", 0}, {2, " \t 12 \t", 12}, {2, "\" \t89\"", 89}, {2, "007", 7},
        {3, "2abc", 0}, {3, "1 2", 0}, {3, "0x1", 0}, {3, "1.0", 0},
        {3, "\xEF\xBC\x92", 0},  // a full-width 2
        {4, "65;left", 37}, {5, "\"\"", 39},
    };
    // clang-format on
    for (const auto& [index, text, loaded] : cases) {
        SCOPED_TRACE(std::string(kKeys[index]) + "=" + text);
        std::string file = kAllSix;
        const std::string key = std::string(kKeys[index]) + "=";
        const std::size_t at = file.find(key) + key.size();
        file.replace(at, file.find('\r', at) - at, text);
        WriteRaw(file);
        Six expected = kAllSixValues;
        expected[index] = loaded;
        EXPECT_EQ(Loaded(), expected);
    }
}

// Whatever stands at the settings path, loading returns with what can be
// read and the defaults for the rest. (Which of these a save may replace is
// the platform's to decide and is tested there.)
TEST_F(SettingsFile, LoadGivesWhatCanBeReadWhateverStandsThere) {
    struct Damage {
        std::string name;
        std::function<void(const fs::path& ini)> make;
        Six loaded;
    };
    // All six keys, then blank lines up to the longest settings file and `extra` bytes more.
    const auto padded = [](std::size_t extra) {
        return kAllSix + std::string(1048576 - kAllSix.size() + extra, '\n');
    };
    const auto raw = [](std::string bytes) {
        return [bytes](const fs::path& ini) { fakes::Write(ini, bytes); };
    };
    std::vector<Damage> cases = {
        {"no file", [](const fs::path&) {}, kDefaults},
        {"empty file", raw(""), kDefaults},
        {"garbage", raw(std::string("\x00\xff\x01[\r\n=\n\xfe", 9)), kDefaults},
        {"garbage around one good key",
         raw(std::string("\x7f\x00junk\n[Scores]\nMaxHits=4\n\x01\x02=", 25)),
         {0, 0, 4, 0, 37, 39}},
        {"lines ending in a lone CR",
         raw("[Scores]\rHiScore=11\rMaxKnockOutScore=22\rMaxHits=33\r[Control Settings]\r"
             "InputMode=1\rPunishKeyL=65\rPunishKeyR=66"),
         kAllSixValues},
        {"UTF-16", raw(fakes::Utf16(kAllSix)), kAllSixValues},
        {"not UTF-16 after its mark", raw(fakes::Utf16(kAllSix) + "x"), kDefaults},
        {"as long as a settings file may be", raw(padded(0)), kAllSixValues},
        {"a byte longer", raw(padded(1)), kDefaults},
        {"200 MB sparse file",
         [](const fs::path& ini) { fakes::WriteSparse(ini, kAllSix, 200u << 20); }, kDefaults},
    };
    for (const fakes::NotAFile& kind : fakes::kNotAFile) {
        cases.push_back({kind.name, kind.make, kDefaults});
    }
    const fakes::HangGuard guard;
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        c.make(path_);
        EXPECT_EQ(Loaded(), c.loaded);
    }
}

// A save keeps every line it does not own and writes plain decimals; a first
// save writes the six keys in order with Windows line ends. A save that would
// make the file too long to read back leaves it as it is; either way the
// session keeps what it saved for the title window's next load.
TEST_F(SettingsFile, SaveWritesTheSixKeysAndKeepsEveryOtherLine) {
    struct SaveCase {
        std::optional<std::string> before;
        Six saved;
        std::string after;
        Six stored;  // what a program started afterwards loads
    };
    const auto with = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    // `head`, then a comment line of filler up to `size` bytes.
    const auto sized = [](const std::string& head, std::size_t size) {
        return head + ";" + std::string(size - head.size() - 3, 'x') + "\r\n";
    };
    const std::string all1100 = with(kAllSix, "HiScore=11", "HiScore=1100");
    const Six saved1100 = {1100, 22, 33, 1, 65, 66};
    const std::string onlyHiScore = "[Scores]\r\nHiScore=11\r\n";
    const std::string fullMode2 = sized(with(kAllSix, "InputMode=1", "InputMode=2"), 1048575);
    const std::vector<SaveCase> cases = {
        {std::nullopt,
         {1234, 567, 89, 0, 37, 39},
         "[Scores]\r\nHiScore=1234\r\nMaxKnockOutScore=567\r\nMaxHits=89\r\n"
         "[Control Settings]\r\nInputMode=0\r\nPunishKeyL=37\r\nPunishKeyR=39\r\n",
         {1234, 567, 89, 0, 37, 39}},
        {"; mine\r\n[Window]\r\nLeft=3\r\n[Scores]\r\nHiScore = -9\r\nComment=keep me\r\n\r\n"
         "[Control Settings]\r\ninputmode=2\r\n",
         {-5, 2147483647, 0, 2, -32768, 32767},
         "; mine\r\n[Window]\r\nLeft=3\r\n[Scores]\r\nHiScore=-5\r\nComment=keep me\r\n"
         "MaxKnockOutScore=2147483647\r\nMaxHits=0\r\n\r\n[Control Settings]\r\ninputmode=2\r\n"
         "PunishKeyL=-32768\r\nPunishKeyR=32767\r\n",
         {-5, 2147483647, 0, 2, -32768, 32767}},
        {"[Scores]\rHiScore=1000\r",
         {1234, 5, 6, 1, 65, 66},
         "[Scores]\rHiScore=1234\rMaxKnockOutScore=5\rMaxHits=6\r"
         "[Control Settings]\rInputMode=1\rPunishKeyL=65\rPunishKeyR=66\r",
         {1234, 5, 6, 1, 65, 66}},
        {fakes::Utf16(kAllSix, true), saved1100, fakes::Utf16(all1100, true), saved1100},
        // The save adds two bytes.
        {sized(kAllSix, 1048574), saved1100, sized(all1100, 1048576), saved1100},
        {sized(kAllSix, 1048575), saved1100, sized(kAllSix, 1048575), kAllSixValues},
        // Nor does a save that failed take back this copy's control settings.
        {fullMode2, saved1100, fullMode2, {11, 22, 33, 2, 65, 66}},
        {sized(onlyHiScore, 1048516),
         saved1100,
         sized(onlyHiScore, 1048516),
         {11, 0, 0, 0, 37, 39}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const SaveCase& c = cases[i];
        fs::remove(path_);
        if (c.before) {
            WriteRaw(*c.before);
        }
        game = NewGame();
        game->LoadSettings(path_);
        SetSix(c.saved);
        game->SaveSettings(path_);
        EXPECT_EQ(ReadRaw(), c.after);
        EXPECT_EQ(fakes::Snapshot(folder_).size(), 1u);
        game->LoadSettings(path_);
        EXPECT_EQ(Held(*game), c.saved);
        EXPECT_EQ(Loaded(), c.stored);
    }
}

// Two copies of the game share one file. B, started first, quits after A has
// saved a better game: A's results stay, B's control settings are saved and
// B now holds the best results on disk. A's own save keeps the file's better
// knock-out score.
TEST_F(SettingsFile, TwoCopiesNeverLowerABest) {
    WriteRaw("[Scores]\r\nHiScore=5\r\nMaxKnockOutScore=300\r\nMaxHits=2\r\n");
    const std::unique_ptr<game::Game> copyB = NewGame();
    copyB->LoadSettings(path_);
    game->LoadSettings(path_);
    SetSix({18000, 100, 40, 0, 37, 39});
    game->SaveSettings(path_);
    copyB->SetInputMode(2);
    copyB->SaveSettings(path_);
    const Six expected = {18000, 300, 40, 2, 37, 39};
    EXPECT_EQ(Held(*copyB), expected);
    EXPECT_EQ(Loaded(), expected);
}

// Copies that save at the same moment take turns: each merges what the one
// before it wrote, so the best of them all is what stays.
TEST_F(SettingsFile, CopiesSavingAtOnceKeepTheBestOfThemAll) {
    for (int round = 0; round < 5; ++round) {
        WriteRaw("[Scores]\r\nHiScore=5\r\n");
        std::array<int, 2> gate{};
        ASSERT_EQ(::pipe(gate.data()), 0);
        std::vector<pid_t> copies;
        for (int copy = 0; copy < 6; ++copy) {
            copies.push_back(::fork());
            if (copies.back() == 0) {
                ::close(gate[1]);
                game->LoadSettings(path_);
                State().HiScore = 1000 + copy;
                char none = 0;
                // Returns once the test closes its end of the pipe.
                if (::read(gate[0], &none, 1) != 0) {
                    ::_exit(1);
                }
                game->SaveSettings(path_);
                ::_exit(0);
            }
        }
        ::close(gate[0]);
        ::close(gate[1]);  // lets them all save at once
        for (const pid_t copy : copies) {
            ::waitpid(copy, nullptr, 0);
        }
        EXPECT_EQ(Loaded()[0], 1005);
    }
}

}  // namespace
