// A template dialog grown to hold its texts: wider buttons and labels, longer wrapped labels.
#include "platform/dialog_fitting.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace {

// A button's text may reach its frame, one pixel on each side, but not beyond.
constexpr int kButtonFrame = 1;
// Boxes that meet in dialog units may overlap by a pixel once each is rounded to pixels.
constexpr int kRoundingOverlap = 1;

bool isLabel(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CentredLabel ||
           kind == ControlKind::BorderedLabel;
}

bool isButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton;
}

QSize buttonTextSize(const QPushButton& button) {
    const QFontMetrics metrics(button.font());
    const QStringList lines = button.text().split(u'\n');
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    return {width, int(lines.size()) * metrics.lineSpacing()};
}

// The width a control needs for its text, or 0 when its box already holds it.
int widthNeeded(const QWidget& widget, ControlKind kind, int width) {
    if (isButton(kind)) {
        const auto& button = static_cast<const QPushButton&>(widget);
        const int text = buttonTextSize(button).width();
        if (text <= width - 2 * kButtonFrame) {
            return 0;
        }
        const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
        return text + 2 * (margin + kButtonFrame);
    }
    if (isLabel(kind)) {
        // Every word on a line of its own: the widest word is the least a label can wrap into.
        const auto& label = static_cast<const QLabel&>(widget);
        const int frame = 2 * label.frameWidth();
        const int word = QFontMetrics(label.font())
                             .boundingRect(QRect(0, 0, 1, 1 << 20), Qt::TextWordWrap, label.text())
                             .width();
        return word + frame <= width ? 0 : word + frame;
    }
    return 0;
}

// The height a control needs for its text at this width, or 0 when nothing is asked.
int heightNeeded(const QWidget& widget, ControlKind kind, int width) {
    if (isButton(kind)) {
        return buttonTextSize(static_cast<const QPushButton&>(widget)).height() + 2 * kButtonFrame;
    }
    if (isLabel(kind)) {
        return widget.heightForWidth(width);
    }
    return 0;
}

int scaled(int value, double factor) {
    return int(std::lround(value * factor));
}

} // namespace

void DialogFitting::add(QWidget* widget, ControlKind kind, PixelBox box) {
    controls_.push_back({widget, kind, box});
}

void DialogFitting::fit(QWidget& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize(1 << 20, 1 << 20);
    if (dialog_.width <= 0 || dialog_.height <= 0) {
        return;
    }
    for (const Control& control : controls_) {
        const int needed = widthNeeded(*control.widget, control.kind, control.box.width);
        if (needed > 0 && control.box.width > 0) {
            widthFactor_ = std::max(widthFactor_, double(needed) / control.box.width);
        }
    }
    const double widest = std::max(1.0, double(room.width()) / dialog_.width);
    widthFactor_ = std::min(widthFactor_, widest);
    int height = place(widthFactor_);
    while (height > room.height() && widthFactor_ < widest) {
        widthFactor_ = std::min(widest, widthFactor_ * 1.1);
        height = place(widthFactor_);
    }
    for (Control& control : controls_) {
        control.grownBy = control.growth;
    }
    const QSize size(scaled(dialog_.width, widthFactor_), std::min(height, room.height()));
    if (dialog.size() != size) {
        dialog.setFixedSize(size);
    }
}

int DialogFitting::place(double widthFactor) {
    // Each control moves down by what the controls above it grew, in top-to-bottom order.
    std::vector<Control*> byTop;
    for (Control& control : controls_) {
        byTop.push_back(&control);
    }
    std::stable_sort(byTop.begin(), byTop.end(),
                     [](const Control* a, const Control* b) { return a->box.y < b->box.y; });
    std::vector<int> shifts(byTop.size(), 0);
    int extraHeight = 0;
    for (std::size_t i = 0; i < byTop.size(); ++i) {
        Control& control = *byTop[i];
        const int width = scaled(control.box.width, widthFactor);
        const int needed = heightNeeded(*control.widget, control.kind, width);
        control.growth = std::max(control.grownBy, needed - control.box.height);
        for (std::size_t above = 0; above < i; ++above) {
            const Control& other = *byTop[above];
            if (other.box.y < control.box.y &&
                other.box.y + other.box.height <= control.box.y + kRoundingOverlap) {
                shifts[i] = std::max(shifts[i], shifts[above] + other.growth);
            }
        }
        control.widget->setGeometry(scaled(control.box.x, widthFactor), control.box.y + shifts[i],
                                    width, control.box.height + control.growth);
        extraHeight = std::max(extraHeight, shifts[i] + control.growth);
    }
    return dialog_.height + extraHeight;
}
