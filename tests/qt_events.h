// The tests' one way of letting the Qt event loop run: until something holds, or for a while.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs an event loop until `done` holds or the time is up; gives whether it holds.
inline bool runUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

inline void runFor(int ms) {
    runUntil([] { return false; }, ms);
}
