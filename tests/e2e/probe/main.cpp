#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/e2e/probe/CalmRoster.h"
#include "tests/e2e/probe/DisplayConnection.h"
#include "tests/e2e/probe/MapWatch.h"
#include "tests/e2e/probe/PlayFieldGrab.h"
#include "tests/e2e/probe/SceneGuess.h"
#include "tests/e2e/probe/SoundBursts.h"

namespace {

constexpr std::string_view kUsage =
    "usage: fendo_probe close <window>\n"
    "       fendo_probe guilty <window> <fdata folder>   slots out of step, e.g. \"2 5\"\n"
    "       fendo_probe scene <window> <fdata folder>    m, b, f or ?\n"
    "       fendo_probe mapped <caption>    prints \"watching\", then the time in ns\n"
    "                                       (as date +%s%N) a window so captioned maps\n"
    "       fendo_probe listen <raw file> <rate> <from> <to> <threshold>\n"
    "           a raw s16le mono recording, samples [from, to): \"peak P\", then one\n"
    "           \"burst FIRST LAST PEAK\" (sample indices) per sound above the threshold\n"
    "exit status 0 on success, 1 if the window cannot be read, 2 on bad arguments\n";

int Usage() {
    std::fputs(kUsage.data(), stderr);
    return 2;
}

bool ParseNumber(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

int Listen(char** argv) {
    long long rate = 0;
    long long from = 0;
    long long to = 0;
    long long threshold = 0;
    if (!ParseNumber(argv[3], rate) || rate == 0 || !ParseNumber(argv[4], from) ||
        !ParseNumber(argv[5], to) || !ParseNumber(argv[6], threshold) || threshold > 32767) {
        return Usage();
    }
    // Silence shorter than 50 ms is a dip inside one sound, not a gap between two.
    const probe::Hearing hearing = probe::Listen(probe::ReadRawSamples(argv[2], from, to), from,
                                                 static_cast<int32_t>(threshold), rate / 20);
    std::printf("peak %d\n", hearing.peak);
    for (const probe::Burst& burst : hearing.bursts) {
        std::printf("burst %lld %lld %d\n", static_cast<long long>(burst.first),
                    static_cast<long long>(burst.last), burst.peak);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Usage();
    }
    const std::string_view command = argv[1];
    if (command == "listen" && argc == 7) {
        return Listen(argv);
    }
    if (command == "mapped" && argc == 3) {
        const probe::DisplayConnection display = probe::OpenDisplay();
        if (!display) {
            std::fputs("fendo_probe: cannot open the display\n", stderr);
            return 1;
        }
        probe::WatchMaps(display.get());
        std::puts("watching");
        std::fflush(stdout);
        std::printf("%lld\n", static_cast<long long>(probe::WaitForMap(display.get(), argv[2])));
        return 0;
    }
    char* end = nullptr;
    const Window window = std::strtoul(argv[2], &end, 0);
    if (end == argv[2] || *end != '\0') {
        return Usage();
    }
    const probe::DisplayConnection display = probe::OpenDisplay();
    if (!display) {
        std::fputs("fendo_probe: cannot open the display\n", stderr);
        return 1;
    }

    if (command == "close" && argc == 3) {
        probe::RequestClose(display.get(), window);
        return 0;
    }
    if ((command == "guilty" || command == "scene") && argc == 4) {
        const auto field = probe::GrabPlayField(display.get(), window);
        if (!field) {
            std::fputs("fendo_probe: cannot read the play field\n", stderr);
            return 1;
        }
        const std::string dataFolder = argv[3];
        if (command == "scene") {
            std::printf("%c\n", probe::GuessScene(*field, dataFolder));
            return 0;
        }
        const char* separator = "";
        for (const int slot : probe::CalmRoster(dataFolder).SlotsOutOfStep(*field)) {
            std::printf("%s%d", separator, slot);
            separator = " ";
        }
        std::printf("\n");
        return 0;
    }
    return Usage();
}
