#include "graphics/BitmapFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "graphics/DibFormat.h"
#include "graphics/DibRle.h"
#include "graphics/DibRows.h"
#include "platform/RegularFile.h"

namespace BitmapFile {

// The buffer is not zeroed first: every byte of it is read from the file or
// the read fails. Plain system calls: the background is read again for every
// roster frame, and stdio's extra stat and buffer cost a tenth of that frame.
std::optional<FileBytes> ReadBitmapFile(const std::string& fileName) {
    const platform::RegularFile file(fileName);
    std::array<uint8_t, dib::kHeadSize> head;
    if (!file.IsOpen() || file.Size() < head.size() || !file.ReadExactly(0, head)) {
        return std::nullopt;
    }
    const std::optional<dib::Extent> extent = dib::FileExtent(head);
    if (!extent || file.Size() < extent->least) {
        return std::nullopt;
    }
    const size_t size = static_cast<size_t>(std::min(file.Size(), extent->most));
    FileBytes bytes{std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[size]), size};
    if (!bytes.data) {
        return std::nullopt;
    }
    std::memcpy(bytes.data.get(), head.data(), head.size());
    // A file cut short since it was opened fails here rather than in the decoder.
    if (!file.ReadExactly(head.size(), std::span(bytes.data.get(), size).subspan(head.size()))) {
        return std::nullopt;
    }
    return bytes;
}

void LoadBitmapFile(const std::string& FileName, platform::Surface* Target) {
    if (Target == nullptr) {
        return;
    }
    const std::optional<FileBytes> file = ReadBitmapFile(FileName);
    if (file) {
        DrawBitmapBytes(file->bytes(), *Target);
    }
}

// A file that is short of what its headers claim, has an absurd size, refers
// to colours its table lacks or runs an RLE stream past a line or the image
// is refused whole: everything is checked before the first pixel is written,
// so the target either gets the complete image or keeps what it had.
bool DrawBitmapBytes(std::span<const uint8_t> file, platform::Surface& target) {
    const std::optional<dib::Image> image = dib::ParseFile(file);
    if (!image) {
        return false;
    }
    const bool rle = image->compression == dib::Compression::kRle8 ||
                     image->compression == dib::Compression::kRle4;
    if (rle ? !dib::RleStreamIsValid(*image) : !dib::IndicesWithinTable(*image)) {
        return false;
    }
    if (target.Width() == 0 || target.Height() == 0) {
        return false;
    }
    if (rle) {
        dib::DrawRle(*image, target);
    } else {
        dib::DrawUncompressed(*image, target);
    }
    return true;
}

}  // namespace BitmapFile
