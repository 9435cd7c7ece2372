// One game per user and device root: a second start hands over to the first.
#include "device_root_fixture.h"
#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string testKey(const char* name) {
    return std::string("zorv-test-") + name + "-" + std::to_string(getpid());
}

// Runs the event loop until the condition holds or a second has passed.
bool waitFor(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

} // namespace

TEST(SingleInstance, ASecondStartAsksTheFirstToComeToTheFrontAndEnds) {
    SingleInstance first(testKey("second"));
    int raised = 0;
    first.setRaiseRequestHandler([&] { ++raised; });
    ASSERT_TRUE(first.claim());

    SingleInstance second(testKey("second"));
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(waitFor([&] { return raised == 1; }));

    SingleInstance third(testKey("second"));
    EXPECT_FALSE(third.claim());
    EXPECT_TRUE(waitFor([&] { return raised == 2; }));
}

// The desktop's token for the second start reaches the first, which presents its window with
// it; a token no desktop makes is not passed on, but the first still comes forward.
TEST(SingleInstance, ASecondStartHandsItsActivationTokenToTheFirst) {
    const struct {
        const char* starterToken;
        const char* offered;
    } cases[] = {
        {"wayland-token_1", "wayland-token_1"},
        {"with space", ""},
        {"", ""},
    };
    SingleInstance first(testKey("token"));
    int raised = 0;
    QByteArray offered;
    first.setRaiseRequestHandler([&] {
        ++raised;
        offered = qgetenv("XDG_ACTIVATION_TOKEN");
        qunsetenv("XDG_ACTIVATION_TOKEN");
    });
    ASSERT_TRUE(first.claim());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.starterToken);
        qputenv("XDG_ACTIVATION_TOKEN", c.starterToken);
        SingleInstance second(testKey("token"));
        EXPECT_FALSE(second.claim());
        qunsetenv("XDG_ACTIVATION_TOKEN");
        const int before = raised;
        EXPECT_TRUE(waitFor([&] { return raised == before + 1; }));
        EXPECT_EQ(offered, QByteArray(c.offered));
    }
}

TEST(SingleInstance, WhenTheFirstHasEndedTheNextStartRunsNormally) {
    {
        SingleInstance first(testKey("ended"));
        ASSERT_TRUE(first.claim());
    }
    SingleInstance next(testKey("ended"));
    EXPECT_TRUE(next.claim());
}

TEST(SingleInstance, DifferentChecksDoNotMeet) {
    SingleInstance one(testKey("one"));
    SingleInstance other(testKey("other"));
    EXPECT_TRUE(one.claim());
    EXPECT_TRUE(other.claim());
}

using SingleInstanceKey = DeviceRootTest;

TEST_F(SingleInstanceKey, DependsOnTheDeviceRoot) {
    const std::string here = SingleInstance::defaultKey();
    EXPECT_EQ(SingleInstance::defaultKey(), here);
    setenv("ZORVAGON_ROOT", (root() / "elsewhere").c_str(), 1);
    EXPECT_NE(SingleInstance::defaultKey(), here);
}

TEST(SingleInstance, TakesOverASocketLeftBehindByACopyThatDied) {
    const std::string key = testKey("stale");
    const std::string leftOver = QDir::tempPath().toStdString() + "/" + key;
    std::ofstream(leftOver) << "";
    SingleInstance next(key);
    EXPECT_TRUE(next.claim());
    SingleInstance later(key);
    EXPECT_FALSE(later.claim());
}
