#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <thread>

namespace platform {

void QtEventPump::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::WaitForEventsUntil(int32_t deadlineMs) {
    const int64_t remainingUs = clock_.MicrosecondsUntil(deadlineMs);
    if (remainingUs <= 0) {
        ProcessEvents();
        return;
    }
    // Qt's timers count whole milliseconds from a time between two counter
    // ticks, so one armed for the rounded-up wait wakes up to a millisecond
    // late. Armed for the whole milliseconds that surely remain, it wakes a
    // little early, and the last fraction is slept exactly: input waits at
    // most that fraction.
    if (remainingUs < 1000) {
        std::this_thread::sleep_for(std::chrono::microseconds(remainingUs));
        ProcessEvents();
        return;
    }
    // A coarse timer would wake several milliseconds late and stretch every roster frame.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(static_cast<int>(remainingUs / 1000));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace platform
