#include <charconv>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Pictures.h"
#include "PngWriter.h"

// make_icons <icon theme folder> <icon name> <size>...
// Writes <folder>/<N>x<N>/apps/<name>.png for each size N.
int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    std::vector<int> sizes;
    for (std::size_t i = 2; i < args.size(); ++i) {
        int size = 0;
        const auto [end, error] =
            std::from_chars(args[i].data(), args[i].data() + args[i].size(), size);
        if (error != std::errc{} || end != args[i].data() + args[i].size() || size < 48 ||
            size > 1024) {
            sizes.clear();
            break;
        }
        sizes.push_back(size);
    }
    if (args.size() < 3 || sizes.size() != args.size() - 2) {
        std::cerr << "usage: make_icons <icon theme folder> <icon name> <size 48..1024>...\n";
        return 2;
    }
    try {
        const art::Canvas characters = art::MakeCharacterSheet();
        for (const int size : sizes) {
            const std::string box = std::to_string(size) + "x" + std::to_string(size);
            const std::filesystem::path folder = std::filesystem::path(args[0]) / box / "apps";
            std::filesystem::create_directories(folder);
            art::WritePng(folder / (std::string(args[1]) + ".png"),
                          art::MakeIcon(size, characters));
        }
    } catch (const std::exception& e) {
        std::cerr << "make_icons: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
