#include "BmpWriter.h"

#include <cstdint>

#include "ByteWriter.h"

namespace art {

void writeBmp(const std::filesystem::path& path, const Canvas& canvas) {
    constexpr uint32_t kFileHeaderSize = 14;
    constexpr uint32_t kInfoHeaderSize = 40;
    const int width = canvas.width();
    const int height = canvas.height();
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3u + 3u) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(dataOffset + imageBytes);
    out.u32(0);
    out.u32(dataOffset);

    out.u32(kInfoHeaderSize);
    out.i32(width);
    out.i32(height);  // positive height: rows stored bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0);  // BI_RGB
    out.u32(imageBytes);
    out.i32(2835);  // 72 dpi
    out.i32(2835);
    out.u32(0);
    out.u32(0);

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = canvas.at(x, y);
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3u; pad < rowBytes; ++pad) {
            out.u8(0);
        }
    }
    out.saveTo(path);
}

}  // namespace art
