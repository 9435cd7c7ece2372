// The single-instance check: one running game per user and device root; a second start hands
// over to the first, which comes to the front.
#pragma once

#include <QLocalServer>
#include <functional>
#include <memory>
#include <string>

class SingleInstance {
  public:
    // The name of the check for this user and the current device root.
    static std::string defaultKey();

    explicit SingleInstance(std::string key = defaultKey());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only copy: it now answers later starts. False when another copy
    // runs: it has been asked to come to the front, and this one should end with code 0 without
    // showing anything.
    bool claim();

    // Called (from the event loop) each time a later start asks this copy to come to the front.
    void setRaiseRequestHandler(std::function<void()> handler);

  private:
    bool askRunningCopy();
    void answer(QLocalSocket* socket);

    std::string key_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onRaise_;
};
