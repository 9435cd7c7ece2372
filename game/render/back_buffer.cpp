// The back buffer that persists between paints, and what of it changed since it was last shown.
#include "game/render/back_buffer.h"

namespace {

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// Whether another area holds this one whole (of two equal ones, the first counts), so that
// it adds nothing to the update.
bool coveredByAnother(const std::vector<PixelRect>& areas, std::size_t index) {
    for (std::size_t other = 0; other < areas.size(); ++other) {
        if (other != index && contains(areas[other], areas[index]) &&
            (other < index || !contains(areas[index], areas[other]))) {
            return true;
        }
    }
    return false;
}

} // namespace

Surface* BackBuffer::forClient(int width, int height) {
    if (!surface_ || surface_->width() != width || surface_->height() != height) {
        fresh_ = true;
        surface_.emplace(width, height);
        surface_->setTracking(true);
    }
    return surface_->valid() ? &*surface_ : nullptr;
}

void BackBuffer::release() {
    fresh_ = false;
    surface_.reset();
}

std::vector<PixelRect> BackBuffer::takeChanges() {
    if (!surface_ || !surface_->valid()) {
        return {};
    }
    std::vector<PixelRect> touched = surface_->takeTouchedAreas();
    if (fresh_) {
        fresh_ = false;
        return {{0, 0, surface_->width(), surface_->height()}};
    }
    std::vector<PixelRect> changes;
    for (std::size_t i = 0; i < touched.size(); ++i) {
        if (!coveredByAnother(touched, i)) {
            changes.push_back(touched[i]);
        }
    }
    return changes;
}
