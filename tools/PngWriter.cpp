#include "PngWriter.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace art {
namespace {

using Bytes = std::vector<uint8_t>;

void PutU32(Bytes& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(v >> shift));
    }
}

void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    PutU32(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutU32(out, static_cast<uint32_t>(crc32(0L, typed.data(), static_cast<uInt>(typed.size()))));
}

Bytes Scanlines(const Canvas& canvas) {
    Bytes raw;
    raw.reserve(static_cast<std::size_t>(canvas.Height()) *
                (1 + 4 * static_cast<std::size_t>(canvas.Width())));
    for (int y = 0; y < canvas.Height(); ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb c = canvas.At(x, y);
            const bool clear = c == kTransparent;
            raw.insert(raw.end(), {clear ? uint8_t{0} : c.r, clear ? uint8_t{0} : c.g,
                                   clear ? uint8_t{0} : c.b, clear ? uint8_t{0} : uint8_t{255}});
        }
    }
    return raw;
}

Bytes Deflated(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("zlib could not compress an image");
    }
    packed.resize(size);
    return packed;
}

}  // namespace

void WritePng(const std::filesystem::path& path, const Canvas& canvas) {
    Bytes file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutU32(header, static_cast<uint32_t>(canvas.Width()));
    PutU32(header, static_cast<uint32_t>(canvas.Height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", Deflated(Scanlines(canvas)));
    PutChunk(file, "IEND", {});

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace art
