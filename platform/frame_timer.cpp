// The frame timer: stopped or resting, it costs nothing, so a paused game uses no processor time.
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
    modalListener_ = addModalLoopsEndedListener([this] {
        if (wanted_) {
            resting_ = false;
            arm();
        }
    });
}

FrameTimer::~FrameTimer() {
    removeModalLoopsEndedListener(modalListener_);
}

double FrameTimer::periodForRate(double framesPerSecond) {
    if (!(framesPerSecond >= 20 && framesPerSecond <= 500))
        framesPerSecond = 60;
    return 1000 / framesPerSecond;
}

int FrameTimer::intervalForRate(double framesPerSecond) {
    return int(std::lround(periodForRate(framesPerSecond)));
}

double FrameTimer::nowMs() const {
    return double(clock_.nsecsElapsed()) / 1e6;
}

void FrameTimer::start() {
    wanted_ = true;
    if (resting_) {
        wake();
    } else if (!insideModalLoop()) {
        arm();
    }
}

void FrameTimer::stop() {
    wanted_ = false;
    resting_ = false;
    timer_.stop();
}

void FrameTimer::rest(int ms) {
    if (!wanted_ || nowMs() < awakeUntilMs_) {
        return;
    }
    resting_ = true;
    timer_.stop();
    if (ms >= 0 && !insideModalLoop()) {
        timer_.start(ms);
    }
}

void FrameTimer::wake() {
    awakeUntilMs_ = nowMs() + kAwakeAfterWakeMs;
    if (!wanted_ || !resting_) {
        return;
    }
    resting_ = false;
    timer_.stop();
    if (!insideModalLoop()) {
        nextDueMs_ = nowMs();
        timer_.start(0);
    }
}

void FrameTimer::arm() {
    if (timer_.isActive()) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    rate_ = screen ? screen->refreshRate() : 0;
    nextDueMs_ = nowMs();
    armNext();
}

// Each frame is due one display period after the last was due, so rounding to whole
// milliseconds never drifts; after a stall (a long frame, a busy machine) the pace starts over.
void FrameTimer::armNext() {
    const double period = periodForRate(rate_);
    const double now = nowMs();
    nextDueMs_ += period;
    if (nextDueMs_ < now - period || nextDueMs_ > now + 2 * period) {
        nextDueMs_ = now + period;
    }
    timer_.start(int(std::clamp(std::lround(nextDueMs_ - now), 0L, long(INT_MAX))));
}

void FrameTimer::fire() {
    // A modal loop opened while frames ran: nothing more until it ends, and no wake-ups either.
    if (insideModalLoop()) {
        return;
    }
    resting_ = false;
    onFrame_();
    if (wanted_ && !resting_ && !timer_.isActive() && !insideModalLoop()) {
        armNext();
    }
}
