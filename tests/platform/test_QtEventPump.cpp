#include "platform/qt/QtEventPump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <utility>
#include <vector>

#include "platform/SteadyClock.h"

namespace {

// Each timer that fires, as it was armed.
class FiredTimers final : public QObject {
public:
    std::vector<std::pair<int, Qt::TimerType>> fired;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (const auto* timer = qobject_cast<QTimer*>(watched);
            timer && event->type() == QEvent::Timer) {
            fired.emplace_back(timer->interval(), timer->timerType());
        }
        return false;
    }
};

// Qt's timers count whole milliseconds from a moment between two ticks of the
// counter: armed for the milliseconds rounded up, a wait would end up to one late.
TEST(QtEventPump, WaitArmsAPreciseTimerForTheWholeMillisecondsLeft) {
    int64_t nowUs = 0;
    platform::SteadyClock clock([&nowUs] { return nowUs; });
    platform::QtEventPump pump(clock);
    FiredTimers timers;
    QCoreApplication::instance()->installEventFilter(&timers);
    // 1999, 2000, 1700 and 1000 microseconds before the counter reads 2.
    for (const auto& [atUs, armedMs] : {std::pair{1, 1}, {0, 2}, {300, 1}, {1000, 1}}) {
        nowUs = atUs;
        timers.fired.clear();
        // Another event may end a wait before the timer does.
        for (int wait = 0; wait < 100 && timers.fired.empty(); ++wait) {
            pump.WaitForEventsUntil(2);
        }
        EXPECT_EQ(timers.fired, (std::vector{std::pair(armedMs, Qt::PreciseTimer)})) << atUs;
    }
}

}  // namespace
