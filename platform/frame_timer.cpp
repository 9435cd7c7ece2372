// The frame timer: one pending frame at a time, paced to the display without drifting.
#include "platform/frame_timer.h"

#include "platform/modal_loops.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cmath>

FrameTimer::FrameTimer(std::function<void()> onFrame) : onFrame_(std::move(onFrame)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

double FrameTimer::periodForRate(double framesPerSecond) {
    if (!(framesPerSecond >= 20 && framesPerSecond <= 500))
        framesPerSecond = 60;
    return 1000 / framesPerSecond;
}

double FrameTimer::nowMs() const {
    return double(clock_.nsecsElapsed()) / 1e6;
}

void FrameTimer::schedule(NextFrame next) {
    timer_.stop();
    const double now = nowMs();
    if (next.kind == NextFrame::Never) {
        return;
    }
    if (next.kind == NextFrame::After) {
        pendingDueMs_ = now + std::max(next.ms, 0);
    } else {
        // One period after the last frame was due, so rounding to whole milliseconds never
        // drifts; after a stall, a rest or a pause the pace starts over from now.
        pendingDueMs_ = lastDueMs_ + periodMs_;
        if (pendingDueMs_ < now - periodMs_ || pendingDueMs_ > now + 2 * periodMs_) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            periodMs_ = periodForRate(screen ? screen->refreshRate() : 0);
            pendingDueMs_ = now + periodMs_;
        }
    }
    timer_.start(int(std::clamp(std::lround(pendingDueMs_ - now), 0L, long(INT_MAX))));
}

void FrameTimer::fire() {
    // A modal loop runs its own event loop, which would deliver the frame inside it.
    if (insideModalLoop()) {
        return;
    }
    lastDueMs_ = pendingDueMs_;
    onFrame_();
}
