// A frame's changed areas merged into a few rectangles, so that the window is sent one update.
#include "game/render/merged_areas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

std::int64_t pixels(const PixelRect& area) {
    return area.empty() ? 0 : std::int64_t(area.width()) * area.height();
}

// What merging two areas costs: the pixels their union holds beyond the two.
std::int64_t mergeCost(const PixelRect& a, const PixelRect& b) {
    return pixels(unite(a, b)) - pixels(a) - pixels(b);
}

} // namespace

std::vector<PixelRect> mergedAreas(std::vector<PixelRect> given, std::size_t most) {
    // First each area joins one already taken that it overlaps or touches at no cost: a frame
    // draws dozens of areas, most of them over one another.
    std::vector<PixelRect> areas;
    for (const PixelRect& area : given) {
        if (area.empty()) {
            continue;
        }
        const auto into = std::find_if(areas.begin(), areas.end(), [&](const PixelRect& taken) {
            return mergeCost(taken, area) <= 0;
        });
        if (into == areas.end()) {
            areas.push_back(area);
        } else {
            *into = unite(*into, area);
        }
    }
    most = std::max<std::size_t>(most, 1);
    while (areas.size() > 1) {
        std::size_t bestA = 0;
        std::size_t bestB = 1;
        std::int64_t bestCost = std::numeric_limits<std::int64_t>::max();
        for (std::size_t a = 0; a < areas.size(); ++a) {
            for (std::size_t b = a + 1; b < areas.size(); ++b) {
                const std::int64_t cost = mergeCost(areas[a], areas[b]);
                if (cost < bestCost) {
                    bestCost = cost;
                    bestA = a;
                    bestB = b;
                }
            }
        }
        if (bestCost > 0 && areas.size() <= most) {
            break;
        }
        areas[bestA] = unite(areas[bestA], areas[bestB]);
        areas.erase(areas.begin() + std::ptrdiff_t(bestB));
    }
    return areas;
}
