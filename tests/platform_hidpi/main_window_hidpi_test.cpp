// On a screen of two device pixels a point the game window counts, takes and shows device pixels.
#include "platform/dialog_classes.h"
#include "platform/dialog_widgets.h"
#include "platform/main_window.h"
#include "platform/surface.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
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

// A shown game window of this many points, its messages recorded.
class HighDensityWindow : public ::testing::Test {
  protected:
    void show(int width, int height) {
        window = std::make_unique<MainWindow>(QStringLiteral("Zorvagon"), recorder.procedure());
        window->resize(width, height);
        window->show();
        QCoreApplication::processEvents();
        client = clientOf(*window);
    }

    Recorder recorder;
    std::unique_ptr<MainWindow> window;
    QWidget* client = nullptr;
};

TEST_F(HighDensityWindow, TheClientAreaCountsDevicePixels) {
    show(240, 294);
    ASSERT_DOUBLE_EQ(client->devicePixelRatioF(), 2.0);
    const PixelSize size = window->clientSize();
    EXPECT_EQ(size.width, 2 * client->width());
    EXPECT_EQ(size.height, 2 * client->height());
}

TEST_F(HighDensityWindow, StylusPointsArriveInDevicePixels) {
    show(240, 294);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10.5, 20),
                      client->mapToGlobal(QPointF(10.5, 20)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(client, &press);
    ASSERT_FALSE(recorder.messages.empty());
    const WindowMessage& down = recorder.messages.back();
    EXPECT_EQ(down.kind, MessageKind::StylusDown);
    EXPECT_EQ(down.x, 21);
    EXPECT_EQ(down.y, 40);
}

TEST_F(HighDensityWindow, EveryDevicePixelOfTheBufferReachesTheScreenUnblurred) {
    show(120, 100);
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
    const QImage shown = client->grab().toImage();
    ASSERT_EQ(shown.width(), size.width);
    ASSERT_EQ(shown.height(), size.height);
    int wrong = 0;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const QRgb expected = (x + y) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            wrong += (shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF);
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(HighDensityWindow, APaintOfPartOfTheClientCoversItsOddDeviceEdges) {
    show(120, 100);
    Surface white(window->clientSize().width, window->clientSize().height);
    recorder.picture = &white;
    QCoreApplication::processEvents();
    Surface marked(window->clientSize().width, window->clientSize().height);
    marked.fillRect({21, 31, 24, 34}, blackColour); // odd device edges
    recorder.picture = &marked;
    window->invalidateArea({21, 31, 24, 34});
    QCoreApplication::processEvents();
    const QImage shown = client->grab(QRect(10, 15, 2, 2)).toImage();
    EXPECT_EQ(shown.pixel(1, 1) & 0xFFFFFF, 0u);
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
    const QImage shown = control.grab().toImage();
    ASSERT_EQ(shown.width(), 56);
    int blurred = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb expected = (x / 2 + y / 2) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            blurred += (shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF);
        }
    }
    EXPECT_EQ(blurred, 0);
    unregisterControlClass(u"Checks");
}
