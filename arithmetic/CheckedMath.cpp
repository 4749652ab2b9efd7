#include "arithmetic/CheckedMath.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "platform/SaveBeforeExit.h"

namespace arithmetic {
namespace {

[[noreturn]] void Abort(std::string_view) {
    std::abort();
}

std::atomic<OverflowHandler> g_handler{&Abort};

}  // namespace

void SetOverflowHandler(OverflowHandler handler) {
    g_handler.store(handler != nullptr ? handler : &Abort);
}

void OverflowError(std::string_view what) {
    // The operation that overflowed has assigned nothing, so the results in
    // memory are whole: keep them before the program stops.
    platform::SaveBeforeExit::Now();
    std::fprintf(stderr, "Fendo: run-time error 6: overflow (%.*s)\n",
                 static_cast<int>(what.size()), what.data());
    g_handler.load()(what);
    // A handler that returns would let a wrong value into play.
    std::abort();
}

}  // namespace arithmetic
