// The game window's size: the size it opens at, the least it takes, and a menu bar that fits.
#include "platform/main_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

int MainWindow::openingScale(PixelSize available, PixelSize extra) {
    return wholeClientScale({available.width - extra.width, available.height - extra.height});
}

void MainWindow::showAtOpeningSize() {
    updateMinimumSize();
    const double ratio = devicePixelRatioF();
    const auto device = [ratio](int logical) { return int(std::floor(logical * ratio)); };
    const auto deviceUp = [ratio](int logical) { return int(std::ceil(logical * ratio)); };
    // Whole logical pixels that hold this many device pixels. At a fractional factor the
    // desktop rounds the window's device size, and Qt rounds it back, each way by up to a
    // pixel: one logical pixel more keeps the whole board.
    const bool fractional = ratio != std::floor(ratio);
    const auto logical = [ratio, fractional](int pixels) {
        return int(std::ceil(pixels / ratio - 1e-9)) + (fractional ? 1 : 0);
    };
    const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
    // The border the desktop adds is unknown before the window shows; allow for a title bar.
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize extra(2 * border, menuHeight + titleBar + 2 * border);
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect room = where ? where->availableGeometry() : QRect(0, 0, 640, 480);
    // Counted in device pixels, so that a fractional scale factor loses no whole board; then
    // the logical pixels that hold it, which round up, must still fit.
    int k = openingScale({device(room.width()), device(room.height())},
                         {deviceUp(extra.width()), deviceUp(extra.height())});
    while (k > 1 && (logical(k * kClientDesignWidth) + extra.width() > room.width() ||
                     logical(k * kClientDesignHeight) + extra.height() > room.height()))
        --k;
    // Labels too long for the narrowest window widen it; the board stays centred in it.
    const int clientWidth = logical(k * kClientDesignWidth);
    const int width = std::max(clientWidth, fitMenuBar(clientWidth));
    resize(width,
           logical(k * kClientDesignHeight) + (menuBar_ ? menuBar_->heightForWidth(width) : 0));
    show();
}

QSize MainWindow::leastClientSize() {
    const double ratio = devicePixelRatioF();
    QSize least(int(std::ceil(kClientDesignWidth / ratio - 1e-9)),
                int(std::ceil(kClientDesignHeight / ratio - 1e-9)));
    // Every button of the menu bar shows, none behind the overflow arrow; then the bar takes
    // the look the window's own width allows again.
    if (menuBar_ && !menuBar_->actions().isEmpty()) {
        least.setWidth(std::max(least.width(), fitMenuBar(least.width())));
        fitMenuBar(std::max(width(), least.width()));
    }
    return least;
}

int MainWindow::fitMenuBar(int width) {
    if (!menuBar_ || menuBar_->actions().isEmpty())
        return 0;
    // From the desktop's own look to tighter ones; the last always fits the narrowest window
    // (240 pixels at scale 1), so no button hides behind the overflow arrow.
    static const char* const looks[] = {
        "",
        "QMenuBar::item { padding: 3px 4px; }",
        "QMenuBar { font-size: 8pt; } QMenuBar::item { padding: 3px 3px; }",
    };
    QAction* last = menuBar_->actions().back();
    for (const char* look : looks) {
        const QString sheet = QString::fromLatin1(look);
        if (menuBar_->styleSheet() != sheet)
            menuBar_->setStyleSheet(sheet);
        menuBar_->resize(width, menuBar_->sizeHint().height());
        if (menuBar_->actionGeometry(last).right() < width)
            return width;
    }
    return menuBar_->sizeHint().width();
}
