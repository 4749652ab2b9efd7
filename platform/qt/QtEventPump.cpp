#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace platform {

void QtEventPump::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::WaitForEventsUntil(int32_t deadlineMs) {
    const int32_t remaining = ElapsedMs(deadlineMs, clock_.timeGetTime());
    if (remaining <= 0) {
        ProcessEvents();
        return;
    }
    // The timer only has to wake the loop at the deadline; a coarse timer
    // would wake several milliseconds late and stretch every roster frame.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(remaining);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace platform
