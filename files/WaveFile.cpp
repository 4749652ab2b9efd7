#include "files/WaveFile.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "files/G711.h"
#include "files/RegularFile.h"

namespace files {
namespace {

uint32_t Le32(const uint8_t* b) {
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}
uint16_t Le16(const uint8_t* b) {
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}
std::string_view Tag(const uint8_t* b) {
    return {reinterpret_cast<const char*>(b), 4};
}

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;
constexpr uint16_t kALaw = 6;
constexpr uint16_t kMuLaw = 7;
constexpr uint16_t kExtensible = 0xFFFE;

// An EXTENSIBLE header names its format by a GUID: the format's own code in
// the first two bytes, then always these.
constexpr std::array<uint8_t, 14> kGuidTail = {0, 0, 0,    0, 0x10, 0,    0x80,
                                               0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
constexpr size_t kPlainFormatBytes = 16;
constexpr size_t kExtensibleFormatBytes = 40;

// Where a playable file keeps its data chunk, and in what format.
struct Layout {
    WaveSound format;
    uint64_t dataAt = 0;
    uint32_t dataSize = 0;
};

// Small pieces of a file, read at rising offsets through one block, so that
// a file of thousands of tiny chunks costs one read per block, not per chunk.
class BlockReader {
public:
    explicit BlockReader(const RegularFile& file) : file_(file) {}

    // The `count` bytes at `offset`; empty past the end of the file or on a
    // read error. Valid until the next call.
    std::span<const uint8_t> At(uint64_t offset, size_t count) {
        if (offset < start_ || offset + count > start_ + filled_) {
            const std::optional<size_t> got = file_.ReadAt(offset, block_);
            start_ = offset;
            filled_ = got.value_or(0);
            if (count > filled_) {
                return {};
            }
        }
        return std::span(block_).subspan(offset - start_, count);
    }

private:
    const RegularFile& file_;
    std::array<uint8_t, 4096> block_{};
    uint64_t start_ = 0;
    size_t filled_ = 0;
};

bool IsPlayableFormat(const WaveSound& f) {
    bool bitsOk = false;
    switch (f.formatTag) {
        case kPcm:
            bitsOk = f.bitsPerSample == 8 || f.bitsPerSample == 16 || f.bitsPerSample == 24 ||
                     f.bitsPerSample == 32;
            break;
        case kFloat:
            bitsOk = f.bitsPerSample == 32;
            break;
        case kALaw:
        case kMuLaw:
            bitsOk = f.bitsPerSample == 8;
            break;
        default:
            break;
    }
    return bitsOk && f.channels >= 1 && f.channels <= 8 && f.sampleRate >= 1000 &&
           f.sampleRate <= 384000;
}

// The format a "fmt " chunk describes, if we can play it.
std::optional<WaveSound> ReadFormat(std::span<const uint8_t> fmt) {
    if (fmt.size() < kPlainFormatBytes) {
        return std::nullopt;
    }
    WaveSound read;
    read.formatTag = Le16(fmt.data());
    read.channels = Le16(fmt.data() + 2);
    read.sampleRate = Le32(fmt.data() + 4);
    read.bitsPerSample = Le16(fmt.data() + 14);
    if (read.formatTag == kExtensible) {
        // After the plain part: the extension's length, the bits that carry
        // sound and the speakers' mask, neither of which changes how the
        // samples are laid out, then the GUID naming the real format.
        if (fmt.size() < kExtensibleFormatBytes || Le16(fmt.data() + 16) < 22 ||
            !std::equal(kGuidTail.begin(), kGuidTail.end(), fmt.begin() + 26)) {
            return std::nullopt;
        }
        read.formatTag = Le16(fmt.data() + 24);
        if (read.formatTag != kPcm && read.formatTag != kFloat) {
            return std::nullopt;
        }
    }
    if (!IsPlayableFormat(read)) {
        return std::nullopt;
    }
    return read;
}

std::optional<Layout> FindLayout(const RegularFile& file) {
    BlockReader reader(file);
    const std::span<const uint8_t> riff = reader.At(0, 12);
    if (riff.empty() || Tag(riff.data()) != "RIFF" || Tag(riff.data() + 8) != "WAVE") {
        return std::nullopt;
    }
    std::optional<WaveSound> format;
    // Chunks follow one another up to the end of the file, each padded to an
    // even length; only "fmt " and the "data" chunk's length matter.
    constexpr uint64_t kHeadBytes = 8;
    for (uint64_t at = riff.size(); at + kHeadBytes <= kMaxWaveDataStart;) {
        const std::span<const uint8_t> head = reader.At(at, kHeadBytes);
        if (head.empty()) {
            return std::nullopt;
        }
        const std::string_view id = Tag(head.data());
        const uint32_t size = Le32(head.data() + 4);
        at += kHeadBytes;
        if (id == "data") {
            if (!format || size == 0 || size > kMaxWaveDataBytes || at > file.Size() ||
                size > file.Size() - at) {
                return std::nullopt;
            }
            return Layout{*format, at, size};
        }
        if (id == "fmt ") {
            format = ReadFormat(reader.At(at, std::min<size_t>(size, kExtensibleFormatBytes)));
        }
        at += uint64_t{size} + (size & 1);
    }
    return std::nullopt;
}

// mu-law and A-law play as the 16-bit samples they stand for.
void Widen(WaveSound& sound) {
    const std::array<int16_t, 256>& table =
        sound.formatTag == kMuLaw ? g711::kMuLawTo16Bit : g711::kALawTo16Bit;
    std::vector<uint8_t> wide(sound.samples.size() * 2);
    for (size_t i = 0; i < sound.samples.size(); ++i) {
        const auto sample = static_cast<uint16_t>(table[sound.samples[i]]);
        wide[2 * i] = static_cast<uint8_t>(sample & 0xFF);
        wide[2 * i + 1] = static_cast<uint8_t>(sample >> 8);
    }
    sound.samples = std::move(wide);
    sound.formatTag = kPcm;
    sound.bitsPerSample = 16;
}

}  // namespace

bool IsPlayableWave(const std::string& path) {
    return FindLayout(RegularFile(path)).has_value();
}

std::optional<WaveSound> ReadPlayableWave(const std::string& path) {
    const RegularFile file(path);
    std::optional<Layout> layout = FindLayout(file);
    if (!layout) {
        return std::nullopt;
    }
    layout->format.samples.resize(layout->dataSize);
    if (!file.ReadExactly(layout->dataAt, layout->format.samples)) {
        return std::nullopt;
    }
    if (layout->format.formatTag == kMuLaw || layout->format.formatTag == kALaw) {
        Widen(layout->format);
    }
    return std::move(layout->format);
}

}  // namespace files
