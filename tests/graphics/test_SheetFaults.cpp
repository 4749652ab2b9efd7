#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "SurfaceCheck.h"
#include "fakes/BmpBuilder.h"
#include "graphics/BitmapFile.h"
#include "graphics/DibFormat.h"
#include "graphics/SheetNames.h"
#include "fakes/HostileFiles.h"

namespace {

using bmptest::BuildFile;
using bmptest::Header;
namespace fs = std::filesystem;

constexpr uintmax_t k200MB = uintmax_t{200} << 20;
constexpr const char* kSheets[] = {"m", "c", "p", "b", "f", "s"};

// The background as the game draws it: 400 x 200, 24 bits, 240054 bytes.
std::vector<uint8_t> Background() {
    return BuildFile(Header{400, 200, 24}, {}, std::vector<uint8_t>(240000, 0x40));
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t length) {
    bytes.resize(length);
    return bytes;
}

std::vector<uint8_t> WithOffBits(std::vector<uint8_t> bytes, uint32_t offBits) {
    bmptest::PokeLe32(bytes, 10, offBits);
    return bytes;
}

struct Damage {
    std::string what;
    std::function<bool(const fs::path&)> make;
};

std::function<bool(const fs::path&)> Bytes(std::vector<uint8_t> bytes, uintmax_t length = 0) {
    return [bytes, length](const fs::path& path) {
        hostile::WriteSparse(path, bytes, std::max<uintmax_t>(length, bytes.size()));
        return true;
    };
}

// Everything a tester can put at a sheet's path that is no sheet to draw.
std::vector<Damage> Damages() {
    const std::vector<uint8_t> good = Background();
    std::vector<uint8_t> garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<uint8_t>(i * 2654435761u >> 13);
    }
    std::vector<Damage> damages = {
        {"missing", [](const fs::path&) { return true; }},
        {"empty", Bytes({})},
        {"headers only", Bytes(Cut(good, 54))},
        {"one byte short", Bytes(Cut(good, good.size() - 1))},
        {"garbage", Bytes(garbage)},
        {"200 MB of zeros", Bytes({}, k200MB)},
        {"claims 4096 x 4096 in 100 bytes",
         Bytes(Cut(BuildFile(Header{4096, 4096, 32}, {}, {}), 100))},
        {"4097 wide and that long",
         Bytes(BuildFile(Header{4097, 200, 24}, {}, {}), 54 + uintmax_t{12292} * 200)},
        {"pixels 3.75 GB in",
         Bytes(WithOffBits(Cut(good, 54), 0xF0000000u), 0xF0000000u + uintmax_t{240000})},
    };
    for (const hostile::NotAFile& kind : hostile::kNotAFile) {
        damages.push_back({kind.name, kind.make});
    }
    return damages;
}

TEST(SheetFaults, EverySheetIgnoresWhatItCannotDrawAndKeepsItsPicture) {
    const hostile::TestFolder folder;
    fs::create_directories(folder.path() / "fdata");
    const hostile::HangGuard guard;
    for (const char* sheet : kSheets) {
        const fs::path path = SheetNames::SheetPath(folder.path().string() + "/", sheet);
        for (const Damage& damage : Damages()) {
            SCOPED_TRACE(std::string(sheet) + ": " + damage.what);
            fs::remove_all(path);
            ASSERT_TRUE(damage.make(path));
            platform::Surface target = surfacetest::Patterned(6, 5);
            const std::vector<uint32_t> before = surfacetest::Snapshot(target);
            BitmapFile::LoadBitmapFile(path.string(), &target);
            EXPECT_EQ(surfacetest::Snapshot(target), before);
            EXPECT_FALSE(BitmapFile::ReadBitmapFile(path.string()));
        }
    }
}

TEST(SheetFaults, AHugeFileIsReadOnlyAsFarAsItsHeadersSay) {
    const hostile::TestFolder folder;
    const std::vector<uint8_t> good = Background();
    const fs::path path = folder.path() / "default_m.bmp";
    Bytes(good, k200MB)(path);

    const std::optional<BitmapFile::FileBytes> read = BitmapFile::ReadBitmapFile(path.string());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size, good.size());
    platform::Surface target(400, 200);
    BitmapFile::LoadBitmapFile(path.string(), &target);
    EXPECT_EQ(target.Pixel(399, 199), 0x404040u);
}

}  // namespace
