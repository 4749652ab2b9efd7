#include "platform/qt/ExitSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cassert>
#include <cerrno>
#include <cstdlib>

#include "platform/SaveBeforeExit.h"

namespace platform {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};
// The read end and the write end; the handler touches only the write end.
std::array<int, 2> g_pipe = {-1, -1};
std::array<struct sigaction, kSignals.size()> g_previous{};

void NoteSignal(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // A full pipe already holds a signal that ends the program.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

ExitSignals::ExitSignals() {
    assert(g_pipe[0] < 0);
    // Without the pipe the signals keep their default action.
    if (::pipe2(g_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ExitSignals::SaveAndDie);
    struct sigaction note {};
    note.sa_handler = &NoteSignal;
    note.sa_flags = SA_RESTART;
    sigemptyset(&note.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], nullptr, &g_previous[i]);
        if (g_previous[i].sa_handler != SIG_IGN) {
            ::sigaction(kSignals[i], &note, nullptr);
        }
    }
}

ExitSignals::~ExitSignals() {
    if (!notifier_) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    notifier_.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe = {-1, -1};
}

void ExitSignals::SaveAndDie() {
    unsigned char byte = 0;
    if (::read(g_pipe[0], &byte, 1) != 1) {
        return;
    }
    SaveBeforeExit::Now();
    const int number = byte;
    ::signal(number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(number);
    // Not reached: the default action of each of these signals ends the program.
    std::_Exit(128 + number);
}

}  // namespace platform
