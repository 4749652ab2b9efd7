#include <SDL.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/BgrRows.h"
#include "graphics/BitmapFile.h"
#include "graphics/DibFormat.h"
#include "graphics/DibRows.h"
#include "graphics/MaskedBlit.h"
#include "graphics/SheetNames.h"
#include "graphics/SheetSizes.h"
#include "graphics/Surface.h"
#include "tests/fakes/BmpBuilder.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kWhite = graphics::kTransparentColour;
constexpr int32_t kFieldWidth = graphics::kPlayFieldSize.width;
constexpr int32_t kFieldHeight = graphics::kPlayFieldSize.height;

template <typename Call>
double BatchNs(Call& call, int batch) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < batch; ++i) {
        call();
    }
    benchmark::ClobberMemory();
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// Each iteration runs a batch of our calls and then a batch of each rival's,
// so all of them meet the same machine load; batches are long enough that each
// runs mostly in its own cache state rather than in the others' leftovers. The
// reported time is that of our batch; the counters give every contender's time
// per call and our ratio to each rival (below 1 means we are faster).
template <size_t N, typename Ours, typename... Rivals>
void Race(benchmark::State& state, int batch, Ours ours, const std::array<const char*, N>& names,
          Rivals... rivals) {
    static_assert(N == sizeof...(Rivals));
    double oursNs = 0;
    std::array<double, N> rivalNs = {};
    for (auto _ : state) {
        const double mine = BatchNs(ours, batch);
        oursNs += mine;
        size_t i = 0;
        ((rivalNs[i++] += BatchNs(rivals, batch)), ...);
        state.SetIterationTime(mine * 1e-9);
    }
    const double calls = static_cast<double>(state.iterations()) * batch;
    state.SetLabel("time per batch of " + std::to_string(batch));
    state.counters["ours_ns"] = oursNs / calls;
    for (size_t i = 0; i < N; ++i) {
        state.counters[std::string(names[i]) + "_ns"] = rivalNs[i] / calls;
        state.counters[std::string("ratio_vs_") + names[i]] = oursNs / rivalNs[i];
    }
}

// A sheet like the game's: figures on a white ground.
graphics::Surface SpriteSheet(int32_t width, int32_t height) {
    graphics::Surface sheet(width, height, kWhite);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if ((x * 7 + y * 3) % 10 < 6) {
                sheet.SetPixel(x, y,
                               graphics::PackBgr(static_cast<uint8_t>(x * 5),
                                                 static_cast<uint8_t>(y * 9), 0x40));
            }
        }
    }
    return sheet;
}

struct SdlSurface {
    explicit SdlSurface(const graphics::Surface& from)
        : surface(SDL_CreateRGBSurfaceWithFormat(0, from.Width(), from.Height(), 32,
                                                 SDL_PIXELFORMAT_RGB888)) {
        for (int32_t y = 0; y < from.Height(); ++y) {
            std::memcpy(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch,
                        from.ScanLine(y), static_cast<size_t>(from.Width()) * 4);
        }
    }
    ~SdlSurface() { SDL_FreeSurface(surface); }
    SdlSurface(const SdlSurface&) = delete;
    SdlSurface& operator=(const SdlSurface&) = delete;
    SDL_Surface* surface;
};

void BM_BlitTransparent(benchmark::State& state) {
    const int32_t width = static_cast<int32_t>(state.range(0));
    const int32_t height = static_cast<int32_t>(state.range(1));
    graphics::Surface sheet = SpriteSheet(160, 64);
    graphics::Surface field(kFieldWidth, kFieldHeight, 0x336699);

    SdlSurface sdlSheet(sheet);
    SdlSurface sdlField(field);
    SDL_SetSurfaceRLE(sdlSheet.surface, 0);
    SDL_SetColorKey(sdlSheet.surface, SDL_TRUE,
                    SDL_MapRGB(sdlSheet.surface->format, 255, 255, 255));

    const auto ours = [&] {
        graphics::BlitTransparent(field, 120, 70, width, height, sheet, 8, 3, kWhite);
    };
    const auto sdl = [&] {
        SDL_Rect from{8, 3, width, height};
        SDL_Rect to{120, 70, width, height};
        SDL_BlitSurface(sdlSheet.surface, &from, sdlField.surface, &to);
    };
    Race(state, 256, ours, std::array{"sdl"}, sdl);
}
BENCHMARK(BM_BlitTransparent)->Args({16, 16})->Args({145, 58})->UseManualTime();

// The play-field background: 24 bits, bottom-up, 40-byte header.
std::vector<uint8_t> BackgroundFile() {
    const uint32_t stride = (kFieldWidth * 3 + 3) / 4 * 4;
    std::vector<uint8_t> bits(stride * kFieldHeight);
    for (uint32_t i = 0; i < bits.size(); ++i) {
        bits[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
    }
    return fakes::BuildFile({.width = kFieldWidth, .height = kFieldHeight, .bitCount = 24}, {},
                            bits);
}

// Races a decode of the file's bytes against SDL2 decoding the same bytes
// and against a plain copy of them.
template <typename Ours>
void RaceInMemory(benchmark::State& state, const std::vector<uint8_t>& file, Ours ours) {
    std::vector<uint8_t> copy(file.size());
    const auto sdl = [&] {
        SDL_Surface* loaded =
            SDL_LoadBMP_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
        benchmark::DoNotOptimize(loaded);
        SDL_FreeSurface(loaded);
    };
    const auto plainCopy = [&] {
        std::memcpy(copy.data(), file.data(), file.size());
        benchmark::DoNotOptimize(copy.data());
    };
    Race(state, 64, ours, std::array{"sdl", "memcpy"}, sdl, plainCopy);
}

void BM_LoadBackground24(benchmark::State& state) {
    const std::vector<uint8_t> file = BackgroundFile();
    graphics::Surface field(kFieldWidth, kFieldHeight);

    if (!graphics::DrawBitmapBytes(file, field)) {
        state.SkipWithError("our decoder refused the background");
        return;
    }
    const auto ours = [&] { graphics::DrawBitmapBytes(file, field); };
    RaceInMemory(state, file, ours);
}
BENCHMARK(BM_LoadBackground24)->UseManualTime();

// The same race with the rows widened by each instruction set in turn, as a
// machine without the faster ones would widen them (0 portable, 1 SSE2,
// 2 SSSE3, 3 AVX2); sets this machine lacks are skipped.
void BM_LoadBackground24With(benchmark::State& state) {
    const auto code = static_cast<graphics::dib::RowCode>(state.range(0));
    if (!graphics::dib::MachineRuns(code)) {
        state.SkipWithError("this machine lacks the instruction set");
        return;
    }
    const std::vector<uint8_t> file = BackgroundFile();
    graphics::Surface field(kFieldWidth, kFieldHeight);
    const auto ours = [&] {
        const std::optional<graphics::dib::Image> image = graphics::dib::ParseFile(file);
        graphics::dib::DrawUncompressed(*image, field, code);
    };
    RaceInMemory(state, file, ours);
}
BENCHMARK(BM_LoadBackground24With)->DenseRange(0, 3)->UseManualTime();

// From the file, as the game loads it, against SDL2 reading the same file
// and against reading its bytes with one pread into a kept buffer (the limit).
void BM_LoadBackgroundFile24(benchmark::State& state) {
    const std::vector<uint8_t> file = BackgroundFile();
    std::string path = (std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp");
    path += "/bench_background_XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0 || write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size())) {
        state.SkipWithError("cannot write the background file");
        return;
    }
    graphics::Surface field(kFieldWidth, kFieldHeight);
    std::vector<uint8_t> copy(file.size());
    graphics::BitmapLoader loader;
    const auto ours = [&] { loader.Load(path, &field); };
    const auto sdl = [&] {
        SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
        benchmark::DoNotOptimize(loaded);
        SDL_FreeSurface(loaded);
    };
    const auto plainRead = [&] {
        benchmark::DoNotOptimize(pread(fd, copy.data(), copy.size(), 0));
    };
    Race(state, 64, ours, std::array{"sdl", "pread"}, sdl, plainRead);
    close(fd);
    unlink(path.c_str());
}
BENCHMARK(BM_LoadBackgroundFile24)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
