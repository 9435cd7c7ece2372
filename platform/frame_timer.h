// A precise frame timer paced to the display's refresh rate, which may rest between frames.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

// Delivers frames only at the program's top-level event loop: a modal loop holds them (its
// own loop would otherwise run the timer), and they go on when the last modal loop ends.
// Frames keep the display's average period (16 and 17 ms in turn at 60 Hz), not a rounded one.
class FrameTimer {
  public:
    explicit FrameTimer(std::function<void()> onFrame);
    ~FrameTimer();
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    // Frames at the display's rate; a resting timer wakes at once.
    void start();
    void stop();
    // Whether frames are wanted; they may be held while a modal loop runs, or resting.
    bool running() const { return wanted_; }
    // The next frame `ms` from now (negative: not until woken). Ignored while stopped, and for a
    // short while after a wake-up, since input comes in bursts (a drag, a resize by the frame).
    void rest(int ms);
    // Something happened that the next frame must show: a resting timer delivers a frame at
    // once, and the frames keep the display's rate for a while.
    void wake();

    // Milliseconds between frames for a display of this many frames per second (60 when the
    // rate is unknown or absurd), rounded.
    static int intervalForRate(double framesPerSecond);
    // The same, unrounded.
    static double periodForRate(double framesPerSecond);

    // How long the frames keep the display's rate after a wake-up.
    static constexpr int kAwakeAfterWakeMs = 2000;

  private:
    void arm();
    void armNext();
    void fire();
    double nowMs() const;

    QTimer timer_;
    QElapsedTimer clock_;
    std::function<void()> onFrame_;
    double rate_ = 60;
    // When the next frame at the display's pace is due, on clock_.
    double nextDueMs_ = 0;
    double awakeUntilMs_ = 0;
    bool wanted_ = false;
    bool resting_ = false;
    int modalListener_ = 0;
};
