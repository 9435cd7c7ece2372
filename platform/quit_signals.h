// The requests to end that come as signals (SIGTERM, SIGINT, SIGHUP), handled on the event loop.
#pragma once

#include <functional>
#include <memory>
#include <signal.h>

class QSocketNotifier;

// While one lives, the three signals no longer end the process where it stands: the handler only
// writes a byte into a socket pair, and the event loop then calls `onSignal` once for what came,
// so the program ends in order (closing its window, keeping what it must). One at a time.
class QuitSignals final {
  public:
    explicit QuitSignals(std::function<void()> onSignal);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

  private:
    void drain();

    std::function<void()> onSignal_;
    int sockets_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_[3] = {};
};
