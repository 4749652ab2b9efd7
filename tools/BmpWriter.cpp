#include "BmpWriter.h"

#include <cstdint>

#include "ByteWriter.h"

namespace art {

void WriteBmp(const std::filesystem::path& path, const Canvas& canvas) {
    constexpr uint32_t kFileHeaderSize = 14;
    constexpr uint32_t kInfoHeaderSize = 40;
    const int width = canvas.Width();
    const int height = canvas.Height();
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3u + 3u) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;

    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(dataOffset + imageBytes);
    out.U32(0);
    out.U32(dataOffset);

    out.U32(kInfoHeaderSize);
    out.I32(width);
    out.I32(height);  // positive height: rows stored bottom-up
    out.U16(1);
    out.U16(24);
    out.U32(0);  // BI_RGB
    out.U32(imageBytes);
    out.I32(2835);  // 72 dpi
    out.I32(2835);
    out.U32(0);
    out.U32(0);

    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = canvas.At(x, y);
            out.U8(c.b);
            out.U8(c.g);
            out.U8(c.r);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3u; pad < rowBytes; ++pad) {
            out.U8(0);
        }
    }
    out.SaveTo(path);
}

}  // namespace art
