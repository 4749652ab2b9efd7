#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/HostileFiles.h"
#include "files/WaveFile.h"

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

// The sub-format of an EXTENSIBLE header is a GUID: the format's code, then
// this fixed tail.
const std::string kGuidTail("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14);

std::string Extensible(uint16_t code, uint16_t channels, uint32_t rate, uint16_t bits,
                       uint16_t extraBytes = 22, const std::string& guidTail = kGuidTail) {
    return Format(0xFFFE, channels, rate, bits) + Le16(extraBytes) + Le16(bits) + Le32(0) +
           Le16(code) + guidTail;
}

// `bytes` (even, at least 8) of chunks that hold nothing, the last one what is left over.
std::string TinyChunks(size_t bytes) {
    std::string chunks;
    for (; bytes >= 16; bytes -= 8) {
        chunks += Chunk("JUNK", "");
    }
    return chunks + Chunk("JUNK", std::string(bytes - 8, '\0'));
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
        return files::IsPlayableWave(path.string());
    }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(WaveFileTest, EveryPlainWaveIsPlayable) {
    const std::string data = Chunk("data", std::string(400, '\x10'));
    for (const std::string& format :
         {Format(1, 1, 22050, 16), Format(1, 8, 44100, 8), Format(3, 1, 48000, 32),
          Extensible(1, 1, 22050, 16), Extensible(1, 2, 44100, 24), Extensible(3, 1, 48000, 32),
          Format(7, 1, 8000, 8), Format(6, 1, 8000, 8), Format(1, 1, 44100, 32),
          Format(1, 1, 1000, 16), Format(1, 1, 384000, 16)}) {
        EXPECT_TRUE(Check(Riff(Chunk("fmt ", format) + data))) << testing::PrintToString(format);
    }
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
    const auto wave = files::ReadPlayableWave(path.string());
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(std::tie(wave->formatTag, wave->channels, wave->sampleRate, wave->bitsPerSample),
              std::tuple(1, 2, 44100u, 24));
    EXPECT_EQ(std::string(wave->samples.begin(), wave->samples.end()), samples);

    // An EXTENSIBLE header reads as the format its sub-format names.
    Check(Riff(Chunk("fmt ", Extensible(3, 2, 48000, 32)) + Chunk("data", "12345678")));
    const auto floats = files::ReadPlayableWave(path.string());
    ASSERT_TRUE(floats.has_value());
    EXPECT_EQ(std::tie(floats->formatTag, floats->bitsPerSample), std::tuple(3, 32));

    Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + "data" + Le32(100) + "short"));
    EXPECT_FALSE(files::ReadPlayableWave(path.string()).has_value());
}

TEST_F(WaveFileTest, AnythingElseIsNot) {
    const std::string samples(10, '\x10');
    EXPECT_FALSE(Check(""));
    EXPECT_FALSE(Check("RIFF"));
    EXPECT_FALSE(Check("this is not a wave file at all"));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)))));
    EXPECT_FALSE(Check(Riff(Chunk("data", samples))));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + Chunk("data", ""))));
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", "short"))));
    // The format chunk nearest the data counts.
    EXPECT_FALSE(Check(Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) +
                            Chunk("fmt ", Format(2, 1, 22050, 4)) + Chunk("data", samples))));
    for (const std::string& format :
         {Format(2, 1, 22050, 4), Format(1, 0, 22050, 16), Format(1, 9, 44100, 8),
          Format(7, 1, 8000, 16), Extensible(7, 1, 8000, 8),
          Extensible(1, 1, 22050, 16, 22, "a foreign GUID"), Extensible(1, 1, 22050, 16, 21),
          Extensible(1, 1, 22050, 16, 22,
                     std::string("\1\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 14)),
          Extensible(1, 1, 22050, 16, 22,
                     std::string("\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x72", 14)),
          Format(1, 1, 999, 16), Format(1, 1, 384001, 16),
          Format(0xFFFE, 1, 22050, 16) + Le16(22)}) {
        EXPECT_FALSE(Check(Riff(Chunk("fmt ", format) + Chunk("data", samples))))
            << testing::PrintToString(format);
    }
    EXPECT_FALSE(files::IsPlayableWave("/nonexistent/default_p.wav"));
}

// The G.711 reference points: silence, both extremes and steps between.
TEST_F(WaveFileTest, MuLawAndALawAreReadAs16BitPcm) {
    struct Row {
        uint16_t formatTag;
        std::string bytes;
        std::vector<int16_t> expected;
    };
    const Row rows[] = {
        {7,
         std::string("\x00\x7F\x80\xFF\x0F\x70\xE5", 7),
         {-32124, 0, 32124, 0, -16764, -120, 292}},
        {6,
         std::string("\x55\xD5\x2A\xAA\x00\x80\x3F", 7),
         {-8, 8, -32256, 32256, -5504, 5504, -13568}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formatTag);
        Check(Riff(Chunk("fmt ", Format(row.formatTag, 1, 8000, 8)) + Chunk("data", row.bytes)));
        const auto wave = files::ReadPlayableWave(path.string());
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->formatTag, 1);
        EXPECT_EQ(wave->bitsPerSample, 16);
        std::vector<int16_t> samples(wave->samples.size() / 2);
        std::memcpy(samples.data(), wave->samples.data(), samples.size() * 2);
        EXPECT_EQ(samples, row.expected);
    }
}

// Only a regular file whose data chunk is there, whole, and short is handed
// to the audio back end; whatever else lies at the path sounds the beep.
TEST(WaveFaults, NothingButAWholeShortWaveIsPlayable) {
    namespace fs = std::filesystem;
    // Headers declaring `size` bytes of data after the chunks `before`, with
    // `there` bytes of data in the file.
    const auto declaring = [](uint32_t size, uintmax_t there, const std::string& before = "") {
        const std::string head =
            Riff(before + Chunk("fmt ", Format(1, 1, 22050, 16)) + "data" + Le32(size));
        return [head, there](const fs::path& path) {
            return fakes::WriteSparse(path, head, head.size() + there), true;
        };
    };
    struct Case {
        std::string what;
        std::function<bool(const fs::path&)> make;
        bool playable;
    };
    std::vector<Case> cases = {
        {"data as long as allowed", declaring(8388608, 8388608), true},
        {"a byte of data short", declaring(400, 399), false},
        {"100 bytes claiming 4 GiB", declaring(0xFFFFFFFFu, 56), false},
        {"a byte more data than allowed", declaring(8388609, 8388609), false},
        {"200 MB of data", declaring(200u << 20, uintmax_t{200} << 20), false},
        {"65 chunks before the data", declaring(400, 400, TinyChunks(64 * 8)), true},
        {"data 1 MiB in, after tiny chunks", declaring(400, 400, TinyChunks(1048576 - 44)), true},
        {"data 2 bytes further in", declaring(400, 400, TinyChunks(1048578 - 44)), false},
    };
    for (const fakes::NotAFile& kind : fakes::kNotAFile) {
        cases.push_back({kind.name, kind.make, false});
    }

    const fakes::TestFolder folder;
    const fs::path path = folder.path() / "default_p.wav";
    const fakes::HangGuard guard;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(path);
        ASSERT_TRUE(c.make(path));
        EXPECT_EQ(files::IsPlayableWave(path.string()), c.playable);
    }
}

}  // namespace
