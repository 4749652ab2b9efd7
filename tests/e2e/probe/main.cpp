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

namespace {

constexpr std::string_view kUsage =
    "usage: fendo_probe close <window>\n"
    "       fendo_probe guilty <window> <fdata folder>   slots out of step, e.g. \"2 5\"\n"
    "       fendo_probe scene <window> <fdata folder>    m, b, f or ?\n"
    "       fendo_probe mapped <caption>    prints \"watching\", then the time in ns\n"
    "                                       (as date +%s%N) a window so captioned maps\n"
    "exit status 0 on success, 1 if the window cannot be read, 2 on bad arguments\n";

int Usage() {
    std::fputs(kUsage.data(), stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Usage();
    }
    const std::string_view command = argv[1];
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
