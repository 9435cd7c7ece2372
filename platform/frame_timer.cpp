// The frame timer: stopped, it costs nothing, so a paused game uses no processor time.
#include "platform/frame_timer.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

FrameTimer::FrameTimer(std::function<void()> onFrame) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onFrame));
}

int FrameTimer::intervalForRate(double framesPerSecond) {
    if (!(framesPerSecond >= 20 && framesPerSecond <= 500))
        framesPerSecond = 60;
    return int(std::lround(1000 / framesPerSecond));
}

void FrameTimer::start() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    timer_.setInterval(intervalForRate(screen ? screen->refreshRate() : 0));
    timer_.start();
}

void FrameTimer::stop() {
    timer_.stop();
}
