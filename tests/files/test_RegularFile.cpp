#include "files/RegularFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "fakes/HostileFiles.h"

namespace {

using files::RegularFile;

TEST(RegularFile, ReadsStopAtTheEndOfTheFileWhereverTheyStart) {
    const fakes::TestFolder folder;
    const auto path = folder.path() / "ten.bin";
    fakes::Write(path, "0123456789");
    const RegularFile file(path.string());
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 10u);

    struct Read {
        uint64_t offset;
        size_t got;
    };
    for (const Read read : {Read{0, 4}, Read{6, 4}, Read{8, 2}, Read{10, 0}, Read{1u << 31, 0},
                            Read{std::numeric_limits<uint64_t>::max(), 0}}) {
        SCOPED_TRACE(read.offset);
        std::array<uint8_t, 4> into{};
        EXPECT_EQ(file.ReadAt(read.offset, into), read.got);
        EXPECT_EQ(file.ReadExactly(read.offset, into), read.got == into.size());
    }
    std::array<uint8_t, 3> middle{};
    ASSERT_TRUE(file.ReadExactly(6, middle));
    EXPECT_EQ(middle, (std::array<uint8_t, 3>{'6', '7', '8'}));
}

}  // namespace
