// The frame timer: delivers the one frame it was last asked for, never inside a modal loop.
#pragma once

#include "platform/window.h"

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

// Sends the frames a window is asked for (NextFrame): whoever runs the frames asks again after
// each one, and once a modal loop has ended. Asked for nothing, it costs nothing, so a paused or
// resting game uses no processor time.
class FrameTimer {
  public:
    explicit FrameTimer(std::function<void()> onFrame);
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    void schedule(NextFrame next);

    // Milliseconds between frames for a display of this many frames per second (60 when the
    // rate is unknown or absurd), unrounded.
    static double periodForRate(double framesPerSecond);

  private:
    void fire();
    double nowMs() const;

    QTimer timer_;
    QElapsedTimer clock_;
    std::function<void()> onFrame_;
    double periodMs_ = 1000.0 / 60;
    // When the last frame delivered was due, and the frame waited for is, on clock_.
    double lastDueMs_ = -1e9;
    double pendingDueMs_ = 0;
};
