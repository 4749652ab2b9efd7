#include "graphics/BitmapFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <memory>
#include <new>
#include <optional>

#include "graphics/DibFormat.h"
#include "graphics/DibRle.h"
#include "graphics/DibRows.h"

namespace BitmapFile {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

struct FileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
};

// The whole file in one buffer, or nothing if any step fails. The buffer is
// not zeroed first: every byte of it is read from the file or the load fails.
// Plain system calls: the background is read again for every roster frame,
// and stdio's extra stat and buffer cost a tenth of that frame.
std::optional<FileBytes> ReadWholeFile(const std::string& fileName) {
    const FileDescriptor file(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    // The game keeps file lengths in 32-bit integers; nothing it draws comes near.
    if (info.st_size <= 0 || info.st_size > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    FileBytes bytes{std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[info.st_size]),
                    static_cast<size_t>(info.st_size)};
    if (!bytes.data) {
        return std::nullopt;
    }
    size_t done = 0;
    while (done < bytes.size) {
        const ssize_t got = ::read(file.get(), bytes.data.get() + done, bytes.size - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return std::nullopt;
        }
        done += static_cast<size_t>(got);
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

}  // namespace BitmapFile
