// The Qt side of the game window: events in, messages out, and the painted client area.
#include "platform/main_window.h"

#include "platform/first_paint_report.h"
#include "platform/qt_menu_bar.h"
#include "platform/surface.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// The game's client area in an area of this size: the largest k*240 by k*294 rectangle that
// fits, centred, so that the two scale factors stay equal in a window of any shape. Where even
// k = 1 does not fit, it starts at the area's edge and runs over the far one.
PixelRect centredClientArea(PixelSize area) {
    const int k = MainWindow::wholeClientScale(area);
    const int width = k * MainWindow::kClientDesignWidth;
    const int height = k * MainWindow::kClientDesignHeight;
    const int left = std::max(0, (area.width - width) / 2);
    const int top = std::max(0, (area.height - height) / 2);
    return {left, top, left + width, top + height};
}

// The client area counts in device pixels: on a high-density screen the board is drawn at the
// screen's own resolution and the scale factors follow from those pixels, so pixel art stays
// whole-factor crisp. Qt's events and updates count in logical pixels; these convert.
QRect deviceRect(const QRect& logical, double ratio) {
    const int left = int(std::floor(logical.x() * ratio));
    const int top = int(std::floor(logical.y() * ratio));
    const int right = int(std::ceil((logical.x() + logical.width()) * ratio));
    const int bottom = int(std::ceil((logical.y() + logical.height()) * ratio));
    return {left, top, right - left, bottom - top};
}

QRectF logicalRectF(const QRect& device, double ratio) {
    return {device.x() / ratio, device.y() / ratio, device.width() / ratio,
            device.height() / ratio};
}

QRect logicalRect(const PixelRect& device, double ratio) {
    const int left = int(std::floor(device.left / ratio));
    const int top = int(std::floor(device.top / ratio));
    const int right = int(std::ceil(device.right / ratio));
    const int bottom = int(std::ceil(device.bottom / ratio));
    return {left, top, right - left, bottom - top};
}

// The point counts from the client area's top-left corner, `origin` in device pixels.
WindowMessage stylusMessage(MessageKind kind, const QMouseEvent* event, double ratio,
                            QPoint origin) {
    WindowMessage message{.kind = kind};
    const QPointF point = event->position() * ratio - QPointF(origin);
    message.x = int(std::floor(point.x()));
    message.y = int(std::floor(point.y()));
    message.leftButton = (event->buttons() & Qt::LeftButton) != 0;
    return message;
}

GameKey gameKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return GameKey::Left;
    case Qt::Key_Right:
        return GameKey::Right;
    case Qt::Key_Up:
        return GameKey::Up;
    case Qt::Key_Down:
        return GameKey::Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return GameKey::Tap;
    case Qt::Key_Escape:
        return GameKey::Escape;
    default:
        return GameKey::None;
    }
}

} // namespace

// The area below the menu bar: the game's client area centred in it, painted without erasing,
// and the margins around it; stylus events passed on.
class MainWindow::ClientArea final : public QWidget {
  public:
    explicit ClientArea(MainWindow* owner) : QWidget(owner), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(1, 1);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        owner_->sendMessage({.kind = MessageKind::Resized});
    }
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        owner_->paintRegion_ = event->region();
        owner_->paintClient(painter);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            sendStylus(MessageKind::StylusDown, event);
    }
    void mouseMoveEvent(QMouseEvent* event) override { sendStylus(MessageKind::StylusMove, event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            sendStylus(MessageKind::StylusUp, event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const GameKey key =
            event->modifiers() & ~Qt::KeypadModifier ? GameKey::None : gameKey(event->key());
        if (key == GameKey::None) {
            QWidget::keyPressEvent(event);
            return;
        }
        owner_->sendMessage({.kind = MessageKind::KeyDown, .key = key});
    }
    // The arrows and Tab would otherwise move the focus out of the board.
    bool focusNextPrevChild(bool) override { return false; }

  private:
    void sendStylus(MessageKind kind, const QMouseEvent* event) {
        owner_->sendMessage(
            stylusMessage(kind, event, devicePixelRatioF(), owner_->clientPlace().topLeft()));
    }

    MainWindow* owner_;
};

MainWindow::MainWindow(const QString& title, WindowProcedure procedure)
    : procedure_(std::move(procedure)),
      frames_([this] { sendMessage({.kind = MessageKind::Frame}); }) {
    setWindowTitle(title);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    client_ = new ClientArea(this);
    layout_->addWidget(client_);
    updateMinimumSize();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    QObject::connect(help, &QShortcut::activated, this,
                     [this] { sendMessage({.kind = MessageKind::Help}); });
    sendMessage({.kind = MessageKind::Create});
}

MainWindow::~MainWindow() {
    frames_.schedule(NextFrame::never());
    sendDestroy();
}

QRect MainWindow::clientPlace() const {
    const double ratio = client_->devicePixelRatioF();
    const PixelRect place = centredClientArea(
        {int(std::lround(client_->width() * ratio)), int(std::lround(client_->height() * ratio))});
    return {place.left, place.top, place.width(), place.height()};
}

QRect MainWindow::logicalArea(const PixelRect& area) const {
    const QPoint origin = clientPlace().topLeft();
    return logicalRect({area.left + origin.x(), area.top + origin.y(), area.right + origin.x(),
                        area.bottom + origin.y()},
                       client_->devicePixelRatioF());
}

PixelSize MainWindow::clientSize() const {
    const QRect place = clientPlace();
    return {place.width(), place.height()};
}

void MainWindow::setMarginColour(Colour colour) {
    if (colour == marginColour_)
        return;
    marginColour_ = colour;
    // All of it: at a fractional scale factor a margin's edge shares points with the client
    // area. The colour changes with the board's ground, which is drawn whole anyway.
    client_->update();
}

void MainWindow::paintNow(const std::vector<PixelRect>& areas) {
    QRegion region;
    for (const PixelRect& area : areas) {
        if (!area.empty())
            region += logicalArea(area);
    }
    if (!region.isEmpty())
        client_->repaint(region);
}

void MainWindow::invalidateArea(const PixelRect& area) {
    // A paint shows the buffer as it stands; asking for another from inside it would paint for
    // ever if the caller asked in every paint.
    if (area.empty() || painter_)
        return;
    client_->update(logicalArea(area));
}

void MainWindow::present(const Surface& buffer) {
    if (!painter_ || !buffer.valid())
        return;
    // Only the painted part is copied: most frames change a few cells of the board. Each device
    // pixel of the buffer lands on one device pixel of the screen, unscaled.
    const double ratio = client_->devicePixelRatioF();
    const QPoint origin = clientPlace().topLeft();
    const QRect whole = buffer.image().rect().translated(origin);
    for (const QRect& part : paintRegion_) {
        const QRect area = deviceRect(part, ratio) & whole;
        if (area.isEmpty())
            continue;
        // One rectangle at a time: under a clip of several, Qt blends span by span and hands
        // the spans to its thread pool, waking threads in every frame.
        painter_->setClipRect(part);
        painter_->drawImage(logicalRectF(area, ratio), buffer.image(),
                            QRectF(area.translated(-origin)));
    }
}

bool MainWindow::sendMessage(const WindowMessage& message) {
    return procedure_ && procedure_(*this, message);
}

void MainWindow::focusBoard() {
    client_->setFocus();
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    focusBoard();
}

void MainWindow::close() {
    QWidget::close();
}

void MainWindow::postQuit(int exitCode) {
    // Queued, so that it also ends a loop that has not started yet.
    QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
}

void MainWindow::scheduleFrame(NextFrame next) {
    frames_.schedule(next);
}

void MainWindow::addAccelerator(std::string_view keys, int commandId) {
    const QKeySequence sequence(QString::fromUtf8(keys.data(), qsizetype(keys.size())));
    auto* shortcut = new QShortcut(sequence, this);
    QObject::connect(shortcut, &QShortcut::activated, this,
                     [this, commandId] { sendCommand(commandId); });
}

MenuBar* MainWindow::createMenuBar(const std::vector<MenuButtonTemplate>& buttons) {
    destroyMenuBar();
    menus_ = std::make_unique<QtMenuBar>(*this, *menuBar(), buttons);
    updateMinimumSize();
    return menus_.get();
}

void MainWindow::destroyMenuBar() {
    menus_.reset();
    if (menuBar_) {
        layout_->setMenuBar(nullptr);
        delete menuBar_;
        menuBar_ = nullptr;
        updateMinimumSize();
    }
}

QMenuBar* MainWindow::menuBar() {
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        layout_->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void MainWindow::watchMenu(QMenu* menu) {
    QObject::connect(menu, &QMenu::aboutToShow, this,
                     [this] { sendMessage({.kind = MessageKind::MenuOpened}); });
    QObject::connect(menu, &QMenu::aboutToHide, this,
                     [this] { sendMessage({.kind = MessageKind::MenuClosed}); });
}

void MainWindow::sendCommand(int commandId) {
    sendMessage({.kind = MessageKind::Command, .commandId = commandId});
}

void MainWindow::updateMinimumSize() {
    client_->setMinimumSize(leastClientSize());
}

int MainWindow::wholeClientScale(PixelSize area) {
    return std::max(1,
                    std::min(area.width / kClientDesignWidth, area.height / kClientDesignHeight));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitMenuBar(width());
}

bool MainWindow::event(QEvent* event) {
    // On a screen of another scale factor one board at factor 1 takes other logical pixels.
    if (event->type() == QEvent::ScreenChangeInternal)
        updateMinimumSize();
    return QWidget::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    WindowMessage message{.kind = MessageKind::Activate};
    message.activation = isActiveWindow() ? Activation::Activated : Activation::Deactivated;
    sendMessage(message);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (sendMessage({.kind = MessageKind::Close})) {
        event->ignore();
        return;
    }
    event->accept();
    frames_.schedule(NextFrame::never());
    sendDestroy();
}

void MainWindow::paintMargins(QPainter& painter) {
    const double ratio = client_->devicePixelRatioF();
    const QRect place = clientPlace();
    const QColor colour(redOf(marginColour_), greenOf(marginColour_), blueOf(marginColour_));
    for (const QRect& part : paintRegion_) {
        for (const QRect& margin : QRegion(deviceRect(part, ratio)) - QRegion(place))
            painter.fillRect(logicalRectF(margin, ratio), colour);
    }
}

void MainWindow::paintClient(QPainter& painter) {
    paintMargins(painter);
    painter_ = &painter;
    sendMessage({.kind = MessageKind::Paint});
    painter_ = nullptr;
    reportFirstPaint();
}

void MainWindow::sendDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    sendMessage({.kind = MessageKind::Destroy});
}
