#include "graphics/basLoadPictureDIB.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <new>
#include <optional>

#include "graphics/DibFormat.h"
#include "graphics/DibRle.h"
#include "graphics/DibRows.h"

namespace basLoadPictureDIB {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

struct FileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
};

// The whole file in one buffer, or nothing if any step fails. The buffer is
// not zeroed first: every byte of it is read from the file or the load fails.
std::optional<FileBytes> ReadWholeFile(const std::string& fileName) {
    std::error_code error;
    const std::uintmax_t length = std::filesystem::file_size(fileName, error);
    // The game keeps file lengths in 32-bit integers; nothing it draws comes near.
    if (error || length == 0 || length > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    FileBytes bytes{std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[length]),
                    static_cast<size_t>(length)};
    if (!bytes.data || std::fread(bytes.data.get(), 1, bytes.size, file.get()) != bytes.size) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

void LoadBitmapFile(const std::string& FileName, platform::Surface* Target) {
    if (Target == nullptr) {
        return;
    }
    const std::optional<FileBytes> bytes = ReadWholeFile(FileName);
    if (bytes) {
        DrawBitmapBytes(std::span<const uint8_t>(bytes->data.get(), bytes->size), *Target);
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

}  // namespace basLoadPictureDIB
