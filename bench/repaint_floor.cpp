// The least a Qt widget can spend to animate as the game does: one area repainted per frame.
//
// It shows the part of the game's processor use that comes from the toolkit and the system (a
// timer's wake-up, a paint, a copy to the X server) rather than from the game itself; the
// measuring tools run it beside the game as the state `qt-floor`. To compare like with like it
// paints as the game's client area does (opaque, no background erased, the buffer copied one
// rectangle at a time) at the same pace (the game's frame timer at the display's rate), and
// uploads 150 by 150 pixels per frame, about what a demo frame changes, in as many rectangles
// as the game's demo copies on average (5 in 4 frames).
#include "platform/first_paint_report.h"
#include "platform/frame_timer.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

class Animated final : public QWidget {
  public:
    Animated() : picture_(720, 882, QImage::Format_RGB32), frames_([this] { step(); }) {
        setWindowTitle(QStringLiteral("Zorvagon repaint floor"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        picture_.fill(Qt::white);
        frames_.schedule(NextFrame::atDisplayPace());
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
        QPainter(&picture_).fillRect(area, (++count_ & 1) ? Qt::red : Qt::blue);
        // Every fourth frame the same pixels go up as two rectangles apart, as a frame whose
        // changes lie in two places of the board.
        const QRegion halves = QRegion(100, 100, 150, 75) + QRegion(400, 400, 150, 75);
        if (count_ % 4 == 0)
            QPainter(&picture_).fillRect(400, 400, 150, 75, Qt::green);
        repaint(count_ % 4 == 0 ? halves : QRegion(area));
        frames_.schedule(NextFrame::atDisplayPace());
    }

    QImage picture_;
    FrameTimer frames_;
    int count_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Animated window;
    window.resize(720, 882);
    window.show();
    return QApplication::exec();
}
