#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace platform {

// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, a closed terminal,
// Ctrl+C) end the program only after it has saved through SaveBeforeExit.
// The handler only notes the signal; the save runs on the window thread at
// its next event, and the signal is then raised again with its default
// action, so whoever sent it still sees the program die of it. A signal the
// program was started with ignored (nohup) stays ignored. One at a time.
class ExitSignals final : public QObject {
    Q_OBJECT

public:
    ExitSignals();
    ~ExitSignals() override;

private:
    void SaveAndDie();

    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace platform
