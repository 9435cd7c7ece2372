// The frame timer: stopped, it costs nothing, so a paused game uses no processor time.
#include "platform/frame_timer.h"

#include "platform/modal_loops.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

FrameTimer::FrameTimer(std::function<void()> onFrame) : onFrame_(std::move(onFrame)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
    modalListener_ = addModalLoopsEndedListener([this] {
        if (wanted_) {
            arm();
        }
    });
}

FrameTimer::~FrameTimer() {
    removeModalLoopsEndedListener(modalListener_);
}

int FrameTimer::intervalForRate(double framesPerSecond) {
    if (!(framesPerSecond >= 20 && framesPerSecond <= 500))
        framesPerSecond = 60;
    return int(std::lround(1000 / framesPerSecond));
}

void FrameTimer::start() {
    wanted_ = true;
    if (!insideModalLoop()) {
        arm();
    }
}

void FrameTimer::stop() {
    wanted_ = false;
    timer_.stop();
}

void FrameTimer::arm() {
    if (timer_.isActive()) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    timer_.setInterval(intervalForRate(screen ? screen->refreshRate() : 0));
    timer_.start();
}

void FrameTimer::fire() {
    // A modal loop opened while frames ran: nothing more until it ends, and no wake-ups either.
    if (insideModalLoop()) {
        timer_.stop();
        return;
    }
    onFrame_();
}
