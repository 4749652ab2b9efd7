#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace art {

// Little-endian byte assembly for the file formats we write.
class ByteWriter {
public:
    void u8(uint8_t v) { bytes_.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v & 0xFF));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v & 0xFFFF));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void tag(const char (&four)[5]) {
        for (int i = 0; i < 4; ++i) {
            u8(static_cast<uint8_t>(four[i]));
        }
    }

    std::size_t size() const { return bytes_.size(); }
    // Throws when the file cannot be written completely.
    void saveTo(const std::filesystem::path& path) const;

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace art
