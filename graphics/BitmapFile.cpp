#include "graphics/BitmapFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "files/RegularFile.h"
#include "graphics/DibFormat.h"
#include "graphics/DibRle.h"
#include "graphics/DibRows.h"

namespace graphics {
namespace {

// The buffer is not zeroed first: every byte of it is read from the file or
// the read fails. Plain system calls: the background is read again for every
// roster frame, and stdio's extra stat and buffer cost a tenth of that frame.
// `room(size)` gives space for `size` bytes, or null.
template <typename Room>
std::optional<std::span<const uint8_t>> ReadWithin(const std::string& fileName, Room room) {
    const files::RegularFile file(fileName);
    std::array<uint8_t, dib::kHeadSize> head;
    if (!file.IsOpen() || file.Size() < head.size() || !file.ReadExactly(0, head)) {
        return std::nullopt;
    }
    const std::optional<dib::Extent> extent = dib::FileExtent(head);
    if (!extent || file.Size() < extent->least) {
        return std::nullopt;
    }
    const size_t size = static_cast<size_t>(std::min(file.Size(), extent->most));
    uint8_t* const data = room(size);
    if (data == nullptr) {
        return std::nullopt;
    }
    const std::span<uint8_t> bytes(data, size);
    std::memcpy(bytes.data(), head.data(), head.size());
    // A file cut short since it was opened fails here rather than in the decoder.
    if (!file.ReadExactly(head.size(), bytes.subspan(head.size()))) {
        return std::nullopt;
    }
    return bytes;
}

// The largest buffer a BitmapLoader keeps between loads; the largest sheet needs a quarter of it.
constexpr size_t kKeptBufferBytes = size_t{1} << 20;

}  // namespace

std::optional<BitmapFileBytes> ReadBitmapFile(const std::string& fileName) {
    BitmapFileBytes bytes;
    const auto read = ReadWithin(fileName, [&bytes](size_t size) {
        bytes.data.reset(new (std::nothrow) uint8_t[size]);
        bytes.size = size;
        return bytes.data.get();
    });
    if (!read) {
        return std::nullopt;
    }
    return bytes;
}

void LoadBitmapFile(const std::string& fileName, Surface* target) {
    BitmapLoader().Load(fileName, target);
}

uint8_t* BitmapLoader::Room(size_t size) {
    if (size > capacity_) {
        buffer_.reset();
        capacity_ = 0;
        buffer_.reset(new (std::nothrow) uint8_t[size]);
        capacity_ = buffer_ ? size : 0;
    }
    return buffer_.get();
}

void BitmapLoader::Load(const std::string& fileName, Surface* target) {
    if (target == nullptr) {
        return;
    }
    const auto read = ReadWithin(fileName, [this](size_t size) { return Room(size); });
    if (read) {
        DrawBitmapBytes(*read, *target);
    }
    if (capacity_ > kKeptBufferBytes) {
        buffer_.reset();
        capacity_ = 0;
    }
}

// A file that is short of what its headers claim, has an absurd size, refers
// to colours its table lacks or runs an RLE stream past a line or the image
// is refused whole: everything is checked before the first pixel is written,
// so the target either gets the complete image or keeps what it had.
bool DrawBitmapBytes(std::span<const uint8_t> file, Surface& target) {
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

}  // namespace graphics
