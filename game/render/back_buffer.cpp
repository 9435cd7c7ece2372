// The back buffer that persists between paints and is released by every pause.
#include "game/render/back_buffer.h"

Surface* BackBuffer::forClient(int width, int height) {
    madeAnew_ = !surface_ || surface_->width() != width || surface_->height() != height;
    if (madeAnew_) {
        surface_.emplace(width, height);
    }
    return surface_->valid() ? &*surface_ : nullptr;
}
