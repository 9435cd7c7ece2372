// The drawings a surface still shows whole, forgotten when anything changes their pixels.
#include "platform/kept_drawings.h"

#include <algorithm>

namespace {

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

bool KeptDrawings::shows(int drawing, std::string_view key) const {
    return std::any_of(kept_.begin(), kept_.end(), [&](const Kept& kept) {
        return kept.drawing == drawing && kept.key == key;
    });
}

void KeptDrawings::keep(int drawing, std::vector<PixelRect> areas, std::string key) {
    std::erase_if(kept_, [drawing](const Kept& kept) { return kept.drawing == drawing; });
    kept_.push_back({drawing, std::move(areas), std::move(key)});
}

void KeptDrawings::overwritten(const PixelRect& area) {
    std::erase_if(kept_, [&area](const Kept& kept) {
        return std::any_of(kept.areas.begin(), kept.areas.end(),
                           [&area](const PixelRect& part) { return overlap(part, area); });
    });
}
