// The back buffer that persists between paints, and what of it changed since it was last shown.
#include "game/render/back_buffer.h"

namespace {

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

// Whether another area holds this one whole (of two equal ones, the first counts), so that
// comparing it again would find nothing new.
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
        shown_.reset();
    }
    return surface_->valid() ? &*surface_ : nullptr;
}

void BackBuffer::release() {
    fresh_ = false;
    surface_.reset();
    shown_.reset();
}

std::vector<PixelRect> BackBuffer::takeChanges() {
    if (!surface_ || !surface_->valid()) {
        return {};
    }
    fresh_ = false;
    std::vector<PixelRect> touched = surface_->takeTouchedAreas();
    if (!shown_) {
        const PixelRect whole{0, 0, surface_->width(), surface_->height()};
        shown_.emplace(whole.right, whole.bottom);
        if (shown_->valid()) {
            surface_->copyChangesTo(*shown_, whole);
        } else {
            shown_.reset();
        }
        return {whole};
    }
    std::vector<PixelRect> changes;
    for (std::size_t i = 0; i < touched.size(); ++i) {
        const PixelRect& area = touched[i];
        if (coveredByAnother(touched, i)) {
            continue;
        }
        const PixelRect changed = surface_->copyChangesTo(*shown_, area);
        if (!changed.empty()) {
            changes.push_back(changed);
        }
    }
    return changes;
}
