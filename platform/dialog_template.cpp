// Dialog unit conversion and control look-up in a template.
#include "platform/dialog_template.h"

namespace {

// value * numerator / denominator rounded to nearest, half away from zero.
int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

PixelBox dialogUnitsToPixels(const DialogRect& rect, DialogBaseUnits units) {
    return {scaleRounded(rect.x, units.x, 4), scaleRounded(rect.y, units.y, 8),
            scaleRounded(rect.width, units.x, 4), scaleRounded(rect.height, units.y, 8)};
}

const ControlTemplate* findControl(const DialogTemplate& dialog, int id) {
    if (id == kNoControlId) {
        return nullptr;
    }
    for (const auto& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}
