// The game window: Qt events arrive at the window procedure as messages.
#include "platform/main_window.h"
#include "platform/surface.h"
#include "qt_events.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// A window procedure that records what it is sent and paints a surface it is given.
struct Recorder {
    std::vector<WindowMessage> messages;
    Surface* picture = nullptr;
    bool handleClose = false;
    NextFrame afterEachFrame;

    WindowProcedure procedure() {
        return [this](Window& window, const WindowMessage& message) {
            messages.push_back(message);
            if (message.kind == MessageKind::Paint && picture)
                window.present(*picture);
            if (message.kind == MessageKind::Frame)
                window.scheduleFrame(afterEachFrame);
            return message.kind == MessageKind::Close && handleClose;
        };
    }
    int count(MessageKind kind) const {
        int n = 0;
        for (const auto& m : messages)
            n += m.kind == kind;
        return n;
    }
    const WindowMessage* last(MessageKind kind) const {
        for (auto m = messages.rbegin(); m != messages.rend(); ++m)
            if (m->kind == kind)
                return &*m;
        return nullptr;
    }
};

QWidget* clientOf(MainWindow& window) {
    return window.findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

TEST(MainWindow, IsCreatedWithACreateMessageAndDestroyedWithADestroyMessage) {
    Recorder recorder;
    {
        MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].kind, MessageKind::Create);
    }
    EXPECT_EQ(recorder.messages.back().kind, MessageKind::Destroy);
    EXPECT_EQ(recorder.count(MessageKind::Destroy), 1);
}

TEST(MainWindow, ClosingIsAskedFirstAndDestroysOnlyWhenNotHandled) {
    Recorder recorder;
    recorder.handleClose = true;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    window.show();
    window.close();
    EXPECT_EQ(recorder.count(MessageKind::Close), 1);
    EXPECT_EQ(recorder.count(MessageKind::Destroy), 0);
    EXPECT_TRUE(window.isVisible());
    recorder.handleClose = false;
    window.close();
    EXPECT_EQ(recorder.count(MessageKind::Destroy), 1);
}

TEST(MainWindow, StylusEventsCarryClientPixelsAndTheButtonState) {
    Recorder recorder;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    window.resize(240, 294);
    QWidget* client = clientOf(window);
    sendMouse(client, QEvent::MouseButtonPress, {30, 40}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(client, QEvent::MouseMove, {35, 41}, Qt::NoButton, Qt::LeftButton);
    sendMouse(client, QEvent::MouseButtonRelease, {36, 42}, Qt::LeftButton, Qt::NoButton);
    sendMouse(client, QEvent::MouseMove, {50, 60}, Qt::NoButton, Qt::NoButton);
    sendMouse(client, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);

    std::vector<WindowMessage> stylus;
    for (const auto& m : recorder.messages)
        if (m.kind >= MessageKind::StylusDown && m.kind <= MessageKind::StylusUp)
            stylus.push_back(m);
    ASSERT_EQ(stylus.size(), 4u);
    EXPECT_EQ(stylus[0].kind, MessageKind::StylusDown);
    EXPECT_EQ(stylus[0].x, 30);
    EXPECT_EQ(stylus[0].y, 40);
    EXPECT_TRUE(stylus[1].leftButton);
    EXPECT_EQ(stylus[1].x, 35);
    EXPECT_EQ(stylus[2].kind, MessageKind::StylusUp);
    EXPECT_EQ(stylus[2].y, 42);
    EXPECT_EQ(stylus[3].kind, MessageKind::StylusMove);
    EXPECT_FALSE(stylus[3].leftButton);
}

TEST(MainWindow, APaintShowsTheBufferThatTheProcedurePresents) {
    Recorder recorder;
    Surface picture(240, 294);
    picture.fillRect({0, 0, 240, 294}, rgbColour(0, 0, 250));
    picture.fillRect({10, 20, 11, 21}, rgbColour(255, 0, 0));
    recorder.picture = &picture;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    window.resize(240, 294);
    const QImage shown = clientOf(window)->grab().toImage();
    EXPECT_GE(recorder.count(MessageKind::Paint), 1);
    EXPECT_EQ(window.clientSize().width, 240);
    EXPECT_EQ(window.clientSize().height, 294);
    EXPECT_EQ(shown.pixel(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(11, 20), qRgb(0, 0, 250));
}

TEST(MainWindow, TheMenuBarSitsAboveTheClientAreaAndReportsItsMenus) {
    Recorder recorder;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("Game"));
    QAction* quit = game->addAction(QStringLiteral("Quit"));
    QObject::connect(quit, &QAction::triggered, &window, [&] { window.sendCommand(40004); });
    window.watchMenu(game);
    window.resize(240, 400);
    window.show();
    EXPECT_EQ(window.menuBar(), window.menuBar());
    EXPECT_GT(clientOf(window)->y(), 0);
    // The area below the bar, 240 by less than 2 * 294, holds one whole client area.
    EXPECT_EQ(clientOf(window)->height(), 400 - clientOf(window)->y());
    EXPECT_EQ(window.clientSize().height, 294);

    emit game->aboutToShow();
    quit->trigger();
    emit game->aboutToHide();
    EXPECT_EQ(recorder.count(MessageKind::MenuOpened), 1);
    EXPECT_EQ(recorder.count(MessageKind::MenuClosed), 1);
    ASSERT_TRUE(recorder.last(MessageKind::Command));
    EXPECT_EQ(recorder.last(MessageKind::Command)->commandId, 40004);
}

TEST(MainWindow, FramesComeAtTheDisplaysPaceOrAfterTheirDelayAndNeverUnasked) {
    Recorder recorder;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    // Asked again after each frame, as the game's clock does.
    recorder.afterEachFrame = NextFrame::atDisplayPace();
    window.scheduleFrame(NextFrame::atDisplayPace());
    runFor(200);
    int frames = recorder.count(MessageKind::Frame);
    EXPECT_GE(frames, 6);
    EXPECT_LE(frames, 16);

    recorder.afterEachFrame = NextFrame::never();
    window.scheduleFrame(NextFrame::after(150));
    frames = recorder.count(MessageKind::Frame);
    runFor(100);
    EXPECT_EQ(recorder.count(MessageKind::Frame), frames);
    runFor(150);
    EXPECT_EQ(recorder.count(MessageKind::Frame), frames + 1);

    window.scheduleFrame(NextFrame::after(10));
    window.scheduleFrame(NextFrame::never());
    runFor(60);
    EXPECT_EQ(recorder.count(MessageKind::Frame), frames + 1);
}

int threadCount() {
    return int(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                             std::filesystem::directory_iterator()));
}

TEST(MainWindow, AFramesChangesArePaintedAsOneUpdateBeforeTheEventLoopGoesOn) {
    Surface picture(240, 294);
    std::string log;
    MainWindow window(QStringLiteral("Zorvagon"),
                      [&](Window& target, const WindowMessage& message) {
                          if (message.kind == MessageKind::Paint) {
                              log += 'P';
                              target.present(picture);
                          } else if (message.kind == MessageKind::Frame && log.empty()) {
                              log += 'F';
                              target.scheduleFrame(NextFrame::never());
                              target.paintNow({{10, 10, 20, 20}, {200, 250, 230, 290}});
                              QTimer::singleShot(0, [&log] { log += 'M'; });
                          }
                          return false;
                      });
    window.resize(240, 294);
    window.show();
    runFor(50);
    log.clear();
    window.scheduleFrame(NextFrame::atDisplayPace());
    runFor(100);
    EXPECT_EQ(log, "FPM");
}

TEST(MainWindow, AnAreaInvalidatedWhilePaintingIsPaintedOnceAndNotAgainAndAgain) {
    Surface picture(240, 294);
    int paints = 0;
    MainWindow window(QStringLiteral("Zorvagon"),
                      [&](Window& target, const WindowMessage& message) {
                          if (message.kind == MessageKind::Paint) {
                              ++paints;
                              // Drawing that changes the same cells in every paint, as redrawing a
                              // marked cell does.
                              target.invalidateArea({0, 0, 240, 40});
                              target.present(picture);
                          }
                          return false;
                      });
    window.resize(240, 294);
    window.show();
    runFor(200);
    EXPECT_GE(paints, 1);
    EXPECT_LE(paints, 3);
}

TEST(MainWindow, PresentingSeveralAreasAtOnceStartsNoThreads) {
    Recorder recorder;
    Surface picture(720, 882);
    recorder.picture = &picture;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    window.resize(720, 882);
    window.show();
    runFor(50);
    const int threads = threadCount();
    for (int i = 0; i < 5; ++i) {
        for (int x = 0; x < 4; ++x)
            window.invalidateArea({x * 180, 0, x * 180 + 90, 882});
        runFor(20);
    }
    EXPECT_GE(recorder.count(MessageKind::Paint), 5);
    EXPECT_EQ(threadCount(), threads);
}

TEST(FramePeriod, FollowsTheDisplayRateWithinReason) {
    // Frames keep the display's own period, 16 and 17 ms in turn at 60 Hz.
    EXPECT_NEAR(FrameTimer::periodForRate(60), 16.667, 0.001);
    EXPECT_NEAR(FrameTimer::periodForRate(120), 8.333, 0.001);
    for (const double absurd : {0.0, 1e9, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_NEAR(FrameTimer::periodForRate(absurd), 16.667, 0.001);
}

TEST(OpeningScale, IsTheLargestWholeScaleThatFitsAndAtLeastOne) {
    EXPECT_EQ(MainWindow::openingScale({1920, 1050}, {0, 60}), 3);
    EXPECT_EQ(MainWindow::openingScale({720, 942}, {0, 60}), 3);
    EXPECT_EQ(MainWindow::openingScale({720, 941}, {0, 60}), 2);
    EXPECT_EQ(MainWindow::openingScale({3840, 2100}, {0, 60}), 6);
    EXPECT_EQ(MainWindow::openingScale({200, 200}, {0, 60}), 1);
}

TEST(MainWindow, OpensWithAClientAreaOfAWholeScale) {
    Recorder recorder;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    window.showAtOpeningSize();
    const PixelSize client = window.clientSize();
    ASSERT_GE(client.width, 240);
    EXPECT_EQ(client.width % 240, 0);
    EXPECT_EQ(client.height * 240, client.width * 294);
}
