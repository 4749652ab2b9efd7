#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace files {

// A file opened for reading only if it is a regular file, and without ever
// waiting: a pipe, a device, a socket or a folder at the path is refused as
// if nothing were there, so no data file can stall the game. Reads go to
// given offsets, so a caller reads only the parts its headers point at.
class RegularFile {
public:
    explicit RegularFile(const std::string& path);
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    bool IsOpen() const { return fd_ >= 0; }
    // The length when it was opened; 0 unless open.
    uint64_t Size() const { return size_; }

    // Fills `into` with the bytes from `offset` on, stopping early only at
    // the end of the file. Returns how many bytes it read, or nothing on a
    // read error or when the file is not open.
    std::optional<size_t> ReadAt(uint64_t offset, std::span<uint8_t> into) const;

    // The same, but succeeds only when every byte of `into` was read.
    bool ReadExactly(uint64_t offset, std::span<uint8_t> into) const;

private:
    int fd_ = -1;
    uint64_t size_ = 0;
};

}  // namespace files
