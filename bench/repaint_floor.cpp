// The least a Qt widget can spend to animate: a 150 by 150 area repainted at the display rate.
//
// It shows the part of the game's processor use that comes from the toolkit and the system (a
// timer's wake-up, a paint, a copy to the X server) rather than from the game itself; the
// measuring tool runs it beside the game as the state `qt-floor`.
#include "platform/first_paint_report.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Animated final : public QWidget {
  public:
    Animated() : picture_(720, 882, QImage::Format_RGB32) {
        setWindowTitle(QStringLiteral("Zorvagon repaint floor"));
        picture_.fill(Qt::white);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] { step(); });
        timer_.start(16);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        reportFirstPaint();
        QPainter painter(this);
        for (const QRect& part : event->region()) {
            painter.setClipRect(part);
            painter.drawImage(part, picture_, part);
        }
    }

  private:
    void step() {
        const QRect area(100, 100, 150, 150);
        QPainter(&picture_).fillRect(area, (++frames_ & 1) ? Qt::red : Qt::blue);
        repaint(area);
    }

    QImage picture_;
    QTimer timer_;
    int frames_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Animated window;
    window.resize(720, 882);
    window.show();
    return QApplication::exec();
}
