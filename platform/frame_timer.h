// A precise repeating timer at the display's refresh rate, for the frames of the game.
#pragma once

#include <QTimer>
#include <functional>

// Delivers frames only at the program's top-level event loop: a modal loop holds them (its
// own loop would otherwise run the timer), and they go on when the last modal loop ends.
class FrameTimer {
  public:
    explicit FrameTimer(std::function<void()> onFrame);
    ~FrameTimer();
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    void start();
    void stop();
    // Whether frames are wanted; they may be held while a modal loop runs.
    bool running() const { return wanted_; }
    int intervalMs() const { return timer_.interval(); }

    // Milliseconds between frames for a display of this many frames per second (60 when the
    // rate is unknown or absurd).
    static int intervalForRate(double framesPerSecond);

  private:
    void arm();
    void fire();

    QTimer timer_;
    std::function<void()> onFrame_;
    bool wanted_ = false;
    int modalListener_ = 0;
};
