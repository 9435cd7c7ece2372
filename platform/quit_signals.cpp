// The requests to end that come as signals (SIGTERM, SIGINT, SIGHUP), handled on the event loop.
#include "platform/quit_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

// The socket the handler writes to; -1 while no QuitSignals lives.
volatile sig_atomic_t signalSocket = -1;

// Only async-signal-safe calls: one byte into a non-blocking socket, errno left as it was.
extern "C" void noteSignal(int) {
    const int savedErrno = errno;
    const int socket = signalSocket;
    if (socket >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::send(socket, &byte, 1, MSG_DONTWAIT);
    }
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets_) != 0) {
        sockets_[0] = sockets_[1] = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { drain(); });
    signalSocket = sockets_[0];
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        ::sigaction(kSignals[i], &action, &previous_[i]);
    }
}

QuitSignals::~QuitSignals() {
    if (sockets_[0] < 0) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    signalSocket = -1;
    notifier_.reset();
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void QuitSignals::drain() {
    char bytes[64];
    while (::recv(sockets_[1], bytes, sizeof bytes, 0) > 0) {
    }
    if (onSignal_) {
        onSignal_();
    }
}
