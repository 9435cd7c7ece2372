// A precise repeating timer at the display's refresh rate, for the frames of the game.
#pragma once

#include <QTimer>
#include <functional>

class FrameTimer {
  public:
    explicit FrameTimer(std::function<void()> onFrame);

    void start();
    void stop();
    bool running() const { return timer_.isActive(); }
    int intervalMs() const { return timer_.interval(); }

    // Milliseconds between frames for a display of this many frames per second (60 when the
    // rate is unknown or absurd).
    static int intervalForRate(double framesPerSecond);

  private:
    QTimer timer_;
};
