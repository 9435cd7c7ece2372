// At the screen's scale factor the game window counts, takes and shows device pixels, and places
// a client area of whole factors in them.
#include "platform/dialog_classes.h"
#include "platform/dialog_widgets.h"
#include "platform/main_window.h"
#include "platform/surface.h"
#include "shown_place.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Recorder {
    std::vector<WindowMessage> messages;
    Surface* picture = nullptr;

    WindowProcedure procedure() {
        return [this](Window& window, const WindowMessage& message) {
            messages.push_back(message);
            if (message.kind == MessageKind::Paint && picture)
                window.present(*picture);
            return false;
        };
    }
};

QWidget* clientOf(MainWindow& window) {
    return window.findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

// A shown game window of 240 by 294 points, its messages recorded, and where its client area
// shows: a picture of one colour presented in the margins' white.
class HighDensityWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(QStringLiteral("Zorvagon"), recorder.procedure());
        window->resize(240, 294);
        window->show();
        QCoreApplication::processEvents();
        client = clientOf(*window);
        ratio = client->devicePixelRatioF();
        Surface blue(window->clientSize().width, window->clientSize().height);
        blue.fillRect({0, 0, blue.width(), blue.height()}, rgbColour(0, 0, 250));
        recorder.picture = &blue;
        place = shownPlace(client->grab().toImage(), qRgb(255, 255, 255));
        recorder.picture = nullptr;
    }

    Recorder recorder;
    std::unique_ptr<MainWindow> window;
    QWidget* client = nullptr;
    double ratio = 1;
    QRect place;
};

TEST_F(HighDensityWindow, TheClientAreaCountsDevicePixelsInWholeFactors) {
    const PixelSize size = window->clientSize();
    EXPECT_EQ(QSize(size.width, size.height), place.size());
    EXPECT_EQ(size.width % 240, 0);
    EXPECT_EQ(size.width * 294, size.height * 240);
    // The largest that fits the device pixels below the menu bar.
    const QSize area = client->grab().size();
    EXPECT_TRUE(size.width + 240 > area.width() || size.height + 294 > area.height());
}

TEST_F(HighDensityWindow, StylusPointsArriveInDevicePixelsFromTheClientAreasCorner) {
    const QPointF at(place.x() / ratio + 10.5, place.y() / ratio + 20);
    QMouseEvent press(QEvent::MouseButtonPress, at, client->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(client, &press);
    ASSERT_FALSE(recorder.messages.empty());
    const WindowMessage& down = recorder.messages.back();
    EXPECT_EQ(down.kind, MessageKind::StylusDown);
    EXPECT_EQ(down.x, int(std::floor(at.x() * ratio)) - place.x());
    EXPECT_EQ(down.y, int(std::floor(at.y() * ratio)) - place.y());
}

TEST_F(HighDensityWindow, EveryDevicePixelOfTheBufferReachesTheScreenUnblurred) {
    const PixelSize size = window->clientSize();
    // One-pixel checks: any smoothing or half-scale would blend them to grey.
    Surface checks(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            if ((x + y) % 2 == 0) {
                checks.fillRect({x, y, x + 1, y + 1}, blackColour);
            }
        }
    }
    recorder.picture = &checks;
    EXPECT_EQ(differingPixels(client->grab().toImage(), place.topLeft(), checks.image()), 0);
}

TEST_F(HighDensityWindow, APaintOfPartOfTheClientCoversItsOddDeviceEdges) {
    Surface white(window->clientSize().width, window->clientSize().height);
    recorder.picture = &white;
    QCoreApplication::processEvents();
    Surface marked(white.width(), white.height());
    marked.fillRect({21, 31, 24, 34}, blackColour); // odd device edges
    recorder.picture = &marked;
    window->invalidateArea({21, 31, 24, 34});
    QCoreApplication::processEvents();
    const QImage shown = client->grab().toImage();
    for (int y = 31; y < 34; ++y) {
        for (int x = 21; x < 24; ++x) {
            EXPECT_EQ(shown.pixel(place.x() + x, place.y() + y) & 0xFFFFFF, 0u) << x << "," << y;
        }
    }
}

TEST(HighDensityOpening, TheWindowOpensAtTheLargestWholeBoardOfDevicePixelsTheScreenHolds) {
    Recorder recorder;
    MainWindow window(QStringLiteral("Zorvagon"), recorder.procedure());
    window.menuBar()->addMenu(QStringLiteral("Game"));
    window.showAtOpeningSize();
    QCoreApplication::processEvents();
    const double ratio = window.devicePixelRatioF();
    const PixelSize client = window.clientSize();
    const int k = client.width / 240;
    ASSERT_GE(k, 1);
    EXPECT_EQ(client.width, 240 * k);
    EXPECT_EQ(client.height, 294 * k);
    // The window is the board and its bar: the margins, if any, are the rounding of a point
    // or two.
    const QSize area = clientOf(window)->grab().size();
    EXPECT_LT(area.width() - client.width, 2 * ratio);
    EXPECT_LT(area.height() - client.height, 2 * ratio);
    // It fits the screen, and a board of the next factor would not.
    const QRect room = window.screen()->availableGeometry();
    const int bar = window.menuBar()->height();
    EXPECT_LE(window.height(), room.height());
    EXPECT_GT((k + 1) * 294 + bar * ratio, room.height() * ratio);
}

} // namespace

TEST(HighDensityControls, APaintedControlsPixelsGrowByWholeFactorsUnblurred) {
    // A preview of one-pixel checks, as a theme's piece may have.
    registerControlClass(u"Checks", [](QImage& client) {
        for (int y = 0; y < client.height(); ++y) {
            for (int x = 0; x < client.width(); ++x) {
                client.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            }
        }
    });
    PaintedControl control(u"Checks", nullptr);
    control.resize(28, 28);
    const double ratio = control.devicePixelRatioF();
    if (ratio != std::round(ratio)) {
        GTEST_SKIP() << "a control's pixels grow by whole factors only at whole scale factors";
    }
    const QImage shown = control.grab().toImage();
    const int factor = int(ratio);
    ASSERT_EQ(shown.width(), 28 * factor);
    int blurred = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb expected =
                (x / factor + y / factor) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            blurred += (shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF);
        }
    }
    EXPECT_EQ(blurred, 0);
    unregisterControlClass(u"Checks");
}
