#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "graphics/Surface.h"

namespace graphics {

// Draws a Windows bitmap file at (0, 0) of target at the image's own size,
// clipped to the target. A file that cannot be read or decoded leaves the
// target as it was; nothing is reported. A null target does nothing.
void LoadBitmapFile(const std::string& fileName, Surface* target);

// LoadBitmapFile for files loaded again and again, as the roster's background
// is every frame: the read buffer is kept from one load to the next. Past
// malloc's mmap threshold every fresh buffer comes as new zeroed pages,
// faulted in one by one and unmapped again, which costs several times the
// decoding. A buffer larger than any sheet needs is let go after its load,
// so one hostile file does not hold on to its megabytes.
class BitmapLoader {
public:
    void Load(const std::string& fileName, Surface* target);

private:
    uint8_t* Room(size_t size);

    std::unique_ptr<uint8_t[]> buffer_;
    size_t capacity_ = 0;
};

// The same for a file already in memory. Returns whether anything was drawn.
bool DrawBitmapBytes(std::span<const uint8_t> file, Surface& target);

struct BitmapFileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
    std::span<const uint8_t> bytes() const { return {data.get(), size}; }
};

// The part of a bitmap file that decoding looks at, read without waiting on
// anything: no more than its headers say it uses, never more than
// dib::kMaxFileBytes. Nothing for a file that is missing, is not a regular
// file (a pipe, a device, a folder), cannot be read, or that its headers
// alone condemn: shorter than they claim, or absurdly large.
std::optional<BitmapFileBytes> ReadBitmapFile(const std::string& fileName);

}  // namespace graphics
