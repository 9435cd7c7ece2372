// The whole game in windows of every shape at the screen's scale factor: the board shows at
// equal whole factors, centred, in margins of the board's ground, and a tap where a cell shows
// selects that cell.
#include "game/shell/command_ids.h"
#include "game/themes/theme_loader.h"
#include "platform/text.h"
#include "shell_qt/qt_shell_fixture.h"
#include "shown_place.h"
#include "squares_theme.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

// Device pixels of the area below the menu bar, as the window is resized to hold them.
struct Shape {
    const char* name;
    int width;
    int height;
};
constexpr Shape kShapes[] = {
    {"least", 240, 294}, {"shrunk", 200, 250}, {"wide", 1024, 700},
    {"tall", 600, 1400}, {"square", 900, 900}, {"largest", 2560, 1440},
};

constexpr int kMarked = 6; // the one piece of its kind on the board, at the far corner

class WindowShape : public QtShellTest {
  protected:
    void SetUp() override {
        QtShellTest::SetUp();
        ASSERT_TRUE(installSquaresTheme(root()));
        setFieldText(preferences.themePath, kInstalledSquaresTheme);
        loadTheme(game.pieceArt, themeSettings(game));
        startStillGame(Easy);
        // One move left, so that the game goes on; one piece of a kind of its own.
        for (const auto& [column, row] : {std::pair{3, 4}, {4, 4}, {5, 5}}) {
            engine.cell(column, row).kind = 5;
        }
        engine.cell(7, 7).kind = kMarked;
        ratio = window->devicePixelRatioF();
    }

    void resizeTo(const Shape& shape) {
        const auto points = [this](int pixels) { return int(std::ceil(pixels / ratio)); };
        window->resize(points(shape.width),
                       points(shape.height) + window->menuBar()->sizeHint().height());
        runFor(60);
    }
    // A press and release of the left button at this device pixel of the area below the bar.
    void tapAt(QPoint pixel) {
        QWidget* area = clientArea();
        const QPointF at((pixel.x() + 0.5) / ratio, (pixel.y() + 0.5) / ratio);
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const auto held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent event(type, at, area->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(area, &event);
        }
    }

    double ratio = 1;
};

QRgb groundOf(const Preferences& preferences) {
    const Colour ground = preferences.backgroundColor();
    return qRgb(redOf(ground), greenOf(ground), blueOf(ground));
}

TEST_F(WindowShape, TheBoardShowsWholeCentredAtEqualFactorsAndTakesTapsWhereItShows) {
    const QRgb ground = groundOf(preferences);
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        resizeTo(shape);
        const QImage shown = clientArea()->grab().toImage();
        // Never less than one whole board at factor 1, with every button of the bar showing.
        ASSERT_GE(shown.width(), 240);
        ASSERT_GE(shown.height(), 294);
        const QMenuBar& bar = *window->menuBar();
        EXPECT_LT(bar.actionGeometry(bar.actions().back()).right(), bar.width());

        const int k = std::min(shown.width() / 240, shown.height() / 294);
        const QRect place = shownPlace(shown, ground);
        EXPECT_EQ(place.size(), QSize(240 * k, 294 * k));
        EXPECT_LE(std::abs(place.left() - (shown.width() - 1 - place.right())), 1);
        EXPECT_LE(std::abs(place.top() - (shown.height() - 1 - place.bottom())), 1);
        ASSERT_NE(game.renderer.picture(), nullptr);
        EXPECT_EQ(differingPixels(shown, place.topLeft(), game.renderer.picture()->image()), 0);

        const QRect piece =
            placeOf(shown, [](QRgb pixel) { return pixel == (squareColour(kMarked) & 0xFFFFFF); });
        EXPECT_EQ(piece.size(), QSize(28 * k, 28 * k));
        engine.selection = {};
        if (place.left() > 0) {
            tapAt({place.left() - 1, piece.center().y()});
            EXPECT_EQ(engine.selection.column, -1) << "a tap in the margin";
        }
        tapAt(piece.center());
        EXPECT_EQ(engine.selection.column, 7);
        EXPECT_EQ(engine.selection.row, 7);
    }
    // Another colour: the margins take the board's new ground at once.
    const QRect place = shownPlace(clientArea()->grab().toImage(), ground);
    window->sendCommand(kColorBlue);
    runFor(60);
    EXPECT_EQ(shownPlace(clientArea()->grab().toImage(), groundOf(preferences)), place);
}

} // namespace
