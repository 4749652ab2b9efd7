#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "fakes/HostileFiles.h"
#include "graphics/BitmapFile.h"

namespace {

using fakes::BuildFile;
using fakes::Header;
namespace fs = std::filesystem;

constexpr uintmax_t k200MB = uintmax_t{200} << 20;

// `bytes`, then a hole up to `length`.
std::function<bool(const fs::path&)> Sparse(std::vector<uint8_t> bytes, uintmax_t length) {
    return [bytes, length](const fs::path& path) {
        return fakes::WriteSparse(path, bytes, std::max<uintmax_t>(length, bytes.size())), true;
    };
}

// What a tester can put at a sheet's path that is no sheet to draw, beyond
// the missing, empty and cut files every loader test already tries.
TEST(SheetFaults, ASheetIgnoresWhatItCannotDrawAndKeepsItsPicture) {
    std::vector<uint8_t> offBits = BuildFile(Header{400, 200, 24}, {}, {});
    fakes::PokeLe32(offBits, 10, 0xF0000000u);
    struct Damage {
        std::string what;
        std::function<bool(const fs::path&)> make;
    };
    std::vector<Damage> damages = {
        {"garbage", Sparse(std::vector<uint8_t>(4096, 0xA5), 0)},
        {"200 MB of zeros", Sparse({}, k200MB)},
        {"claims 4096 x 4096 in 100 bytes", Sparse(BuildFile(Header{4096, 4096, 32}, {}, {}), 100)},
        {"pixels 3.75 GB in", Sparse(offBits, 0xF0000000u + uintmax_t{240000})},
    };
    for (const fakes::NotAFile& kind : fakes::kNotAFile) {
        damages.push_back({kind.name, kind.make});
    }
    const fakes::TestFolder folder;
    const fs::path path = folder.path() / "default_m.bmp";
    const fakes::HangGuard guard;
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        fs::remove_all(path);
        ASSERT_TRUE(damage.make(path));
        graphics::Surface target = fakes::Patterned(6, 5);
        const std::vector<uint32_t> before = fakes::Snapshot(target);
        graphics::LoadBitmapFile(path.string(), &target);
        EXPECT_EQ(fakes::Snapshot(target), before);
        EXPECT_FALSE(graphics::ReadBitmapFile(path.string()));
    }
}

TEST(SheetFaults, AHugeFileIsReadOnlyAsFarAsItsHeadersSay) {
    const fakes::TestFolder folder;
    const std::vector<uint8_t> good =
        BuildFile(Header{400, 200, 24}, {}, std::vector<uint8_t>(240000, 0x40));
    const fs::path path = folder.path() / "default_m.bmp";
    Sparse(good, k200MB)(path);

    const std::optional<graphics::BitmapFileBytes> read = graphics::ReadBitmapFile(path.string());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size, good.size());
    graphics::Surface target(400, 200);
    graphics::LoadBitmapFile(path.string(), &target);
    EXPECT_EQ(target.Pixel(399, 199), 0x404040u);
}

}  // namespace
