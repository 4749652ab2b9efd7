#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fakes/HostileFiles.h"
#include "platform/WaveFile.h"

namespace {

std::string Le16(uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string Le32(uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(static_cast<uint16_t>(v >> 16));
}

std::string Chunk(const std::string& id, const std::string& body) {
    std::string chunk = id + Le32(static_cast<uint32_t>(body.size())) + body;
    if (body.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

std::string Format(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits) {
    return Le16(format) + Le16(channels) + Le32(rate) + Le32(rate * channels * bits / 8) +
           Le16(static_cast<uint16_t>(channels * bits / 8)) + Le16(bits);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

class WaveFileTest : public ::testing::Test {
protected:
    // ctest runs tests side by side: every test has a file of its own.
    std::filesystem::path path =
        std::filesystem::path(::testing::TempDir()) /
        (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".wav");
    bool Check(const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return platform::IsPlayableWave(path.string());
    }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(WaveFileTest, PcmWaveIsPlayable) {
    const std::string samples(400, '\x10');
    EXPECT_TRUE(Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + Chunk("data", samples))));
    EXPECT_TRUE(Check(Riff(Chunk("fmt ", Format(1, 2, 44100, 8)) + Chunk("data", samples))));
    EXPECT_TRUE(Check(Riff(Chunk("fmt ", Format(3, 1, 48000, 32)) + Chunk("data", samples))));
}

TEST_F(WaveFileTest, OddSizedChunksBeforeTheFormatAreSkipped) {
    const std::string samples(10, '\x10');
    EXPECT_TRUE(Check(Riff(Chunk("LIST", "abc") + Chunk("fmt ", Format(1, 1, 22050, 16)) +
                           Chunk("data", samples))));
}

TEST_F(WaveFileTest, ReadGivesTheFormatAndTheDataAsTheFileHoldsThem) {
    const std::string samples = "\x01\x02\x03\x04\x05\x06\x07";
    Check(Riff(Chunk("LIST", "abc") + Chunk("fmt ", Format(1, 2, 44100, 24)) +
               Chunk("data", samples) + Chunk("LIST", "after")));
    const auto wave = platform::ReadPlayableWave(path.string());
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->formatTag, 1);
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->sampleRate, 44100u);
    EXPECT_EQ(wave->bitsPerSample, 24);
    EXPECT_EQ(std::string(wave->samples.begin(), wave->samples.end()), samples);

    Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + "data" + Le32(100) + "short"));
    EXPECT_FALSE(platform::ReadPlayableWave(path.string()).has_value());
}

TEST_F(WaveFileTest, AnythingElseIsNot) {
    const std::string samples(10, '\x10');
    EXPECT_FALSE(Check(""));
    EXPECT_FALSE(Check("RIFF"));
    EXPECT_FALSE(Check("this is not a wave file at all"));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(2, 1, 22050, 4)) + Chunk("data", samples))));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(1, 0, 22050, 16)) + Chunk("data", samples))));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)))));
    EXPECT_FALSE(Check(Riff(Chunk("data", samples))));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + Chunk("data", ""))));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", "short"))));
    EXPECT_FALSE(platform::IsPlayableWave("/nonexistent/default_p.wav"));
}

// Only a regular file whose data chunk is there, whole, and short is handed
// to the audio back end; whatever else lies at the path sounds the beep.
TEST(WaveFaults, NothingButAWholeShortWaveIsPlayable) {
    namespace fs = std::filesystem;
    // Headers declaring `size` bytes of data, in a file holding `length` bytes.
    const auto declaring = [](uint32_t size, uintmax_t length) {
        const std::string head = Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + "data" + Le32(size));
        return [head, length](const fs::path& path) {
            return hostile::WriteSparse(path, head, std::max<uintmax_t>(length, head.size())), true;
        };
    };
    constexpr uint32_t kCap = platform::kMaxWaveDataBytes;
    struct Case {
        std::string what;
        std::function<bool(const fs::path&)> make;
        bool playable;
    };
    std::vector<Case> cases = {
        {"data as long as allowed", declaring(kCap, 44 + uintmax_t{kCap}), true},
        {"a byte of data short", declaring(400, 44 + 399), false},
        {"100 bytes claiming 4 GiB", declaring(0xFFFFFFFFu, 100), false},
        {"a byte more data than allowed", declaring(kCap + 1, 45 + uintmax_t{kCap}), false},
        {"200 MB of data", declaring(200u << 20, 44 + (uintmax_t{200} << 20)), false},
    };
    for (const hostile::NotAFile& kind : hostile::kNotAFile) {
        cases.push_back({kind.name, kind.make, false});
    }

    const hostile::TestFolder folder;
    const fs::path path = folder.path() / "default_p.wav";
    const hostile::HangGuard guard;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(path);
        ASSERT_TRUE(c.make(path));
        EXPECT_EQ(platform::IsPlayableWave(path.string()), c.playable);
    }
}

}  // namespace
