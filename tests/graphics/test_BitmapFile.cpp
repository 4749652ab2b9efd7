#include "graphics/BitmapFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "fakes/LiveHeap.h"

namespace {

using fakes::BuildFile;
using fakes::Header;
using graphics::LoadBitmapFile;
namespace fs = std::filesystem;

class LoadBitmapFileTest : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(testing::TempDir()) / (std::string("fendo_bmp_") + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        const fs::path path = folder_ / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path folder_;
};

// 2 x 2, 24 bits, bottom-up: top row red, blue; bottom row green, white.
std::vector<uint8_t> TwoByTwo() {
    return BuildFile(Header{2, 2, 24}, {},
                     fakes::PackRows({{0x00FF00, 0xFFFFFF}, {0xFF0000, 0x0000FF}}, 24));
}

TEST_F(LoadBitmapFileTest, Load_DrawsAtTopLeftAndKeepsTheRestOfTheTarget) {
    const std::string path = Write("small.bmp", TwoByTwo());
    graphics::Surface target = fakes::Patterned(3, 3);
    const graphics::Surface before = target;
    LoadBitmapFile(path, &target);
    EXPECT_EQ(target.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF0000u);
    EXPECT_EQ(target.Pixel(0, 1), 0x00FF00u);
    EXPECT_EQ(target.Pixel(1, 1), 0xFFFFFFu);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(target.Pixel(2, i), before.Pixel(2, i));
        EXPECT_EQ(target.Pixel(i, 2), before.Pixel(i, 2));
    }
}

TEST_F(LoadBitmapFileTest, Load_LargerImageShowsOnlyItsTopLeftPixel) {
    const std::string path = Write("large.bmp", TwoByTwo());
    graphics::Surface target(1, 1);
    LoadBitmapFile(path, &target);
    EXPECT_EQ(target.Pixel(0, 0), 0x0000FFu);
}

TEST_F(LoadBitmapFileTest, Load_DrawsAFileWithoutTheBmSignature) {
    std::vector<uint8_t> bytes = TwoByTwo();
    bytes[0] = 'X';
    bytes[1] = 'Y';
    const std::string path = Write("nosig.bmp", bytes);
    graphics::Surface target(2, 2);
    LoadBitmapFile(path, &target);
    EXPECT_EQ(target.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(target.Pixel(1, 1), 0xFFFFFFu);
}

// A missing file, a folder and a file cut short each leave the target as it was.
TEST_F(LoadBitmapFileTest, Load_UnreadableFileLeavesTheTargetAsItWas) {
    std::vector<uint8_t> cut = TwoByTwo();
    cut.pop_back();
    for (const std::string& path :
         {(folder_ / "absent.bmp").string(), folder_.string(), Write("cut.bmp", cut)}) {
        SCOPED_TRACE(path);
        graphics::Surface target = fakes::Patterned(4, 4);
        const std::vector<uint32_t> before = fakes::Snapshot(target);
        LoadBitmapFile(path, &target);
        EXPECT_EQ(fakes::Snapshot(target), before);
    }
}

TEST_F(LoadBitmapFileTest, Load_EmptyFileChangesNothingAndTheNextGoodFileDraws) {
    const std::string empty = Write("empty.bmp", {});
    const std::string good = Write("good.bmp", TwoByTwo());
    graphics::Surface target = fakes::Patterned(2, 2);
    const std::vector<uint32_t> before = fakes::Snapshot(target);
    LoadBitmapFile(empty, &target);
    EXPECT_EQ(fakes::Snapshot(target), before);
    LoadBitmapFile(good, &target);
    EXPECT_EQ(fakes::Snapshot(target),
              (std::vector<uint32_t>{0x0000FF, 0xFF0000, 0x00FF00, 0xFFFFFF}));
}

TEST_F(LoadBitmapFileTest, Load_NullTargetIsIgnoredAndLaterLoadsWork) {
    const std::string path = Write("good.bmp", TwoByTwo());
    LoadBitmapFile(path, nullptr);
    graphics::Surface target(2, 2);
    LoadBitmapFile(path, &target);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF0000u);
}

// Loads share a buffer kept between them; each must draw its own file's
// pixels whatever a larger or smaller file left in it before, including one
// too large for the buffer to be kept. A sheet's buffer stays for the next
// load; a hostile file's megabytes go with its own.
TEST_F(LoadBitmapFileTest, Load_FilesOfEverySizeInTurnEachDrawTheirOwnPixels) {
    const std::vector<uint32_t> wideRow(700, 0x123456);
    const std::string large =
        Write("large.bmp",
              BuildFile(Header{700, 600, 24}, {},
                        fakes::PackRows(std::vector<std::vector<uint32_t>>(600, wideRow), 24)));
    const std::string small = Write("small.bmp", TwoByTwo());
    const std::string tiny =
        Write("tiny.bmp", BuildFile(Header{1, 1, 24}, {}, fakes::PackRows({{0xABCDEF}}, 24)));
    graphics::BitmapLoader loader;
    for (const std::string& path : {large, small, tiny, small, large, tiny}) {
        graphics::Surface target = fakes::Patterned(2, 2);
        const std::vector<uint32_t> before = fakes::Snapshot(target);
        loader.Load(path, &target);
        const std::vector<uint32_t> expected =
            path == large   ? std::vector<uint32_t>(4, 0x563412)
            : path == small ? std::vector<uint32_t>{0x0000FF, 0xFF0000, 0x00FF00, 0xFFFFFF}
                            : std::vector<uint32_t>{0xEFCDAB, before[1], before[2], before[3]};
        EXPECT_EQ(fakes::Snapshot(target), expected) << path;
    }
    const std::string sheet =
        Write("sheet.bmp", BuildFile(Header{400, 200, 24}, {}, std::vector<uint8_t>(240000)));
    graphics::BitmapLoader fresh;
    graphics::Surface target(2, 2);
    const std::size_t heap = fakes::LiveHeapBytes();
    fresh.Load(large, &target);
    EXPECT_LT(fakes::LiveHeapBytes(), heap + 1048576);
    fresh.Load(sheet, &target);
    EXPECT_GE(fakes::LiveHeapBytes(), heap + 240054);
}

}  // namespace
