#include "files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

namespace files {

RegularFile::RegularFile(const std::string& path) {
    // O_NONBLOCK: opening a pipe would otherwise wait for a writer, and some
    // devices wait for a carrier. It changes nothing for a regular file.
    // O_NOCTTY: a terminal at the path must not become ours.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode)) {
        size_ = info.st_size > 0 ? static_cast<uint64_t>(info.st_size) : 0;
        return;
    }
    ::close(fd_);
    fd_ = -1;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<size_t> RegularFile::ReadAt(uint64_t offset, std::span<uint8_t> into) const {
    if (fd_ < 0) {
        return std::nullopt;
    }
    constexpr uint64_t kFurthest = std::numeric_limits<off_t>::max();
    size_t done = 0;
    while (done < into.size()) {
        // No file reaches past the largest offset, so there is nothing to read.
        if (offset > kFurthest || done > kFurthest - offset) {
            break;
        }
        const uint64_t at = offset + done;
        const ssize_t got =
            ::pread(fd_, into.data() + done, into.size() - done, static_cast<off_t>(at));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    return done;
}

bool RegularFile::ReadExactly(uint64_t offset, std::span<uint8_t> into) const {
    const std::optional<size_t> got = ReadAt(offset, into);
    return got && *got == into.size();
}

}  // namespace files
