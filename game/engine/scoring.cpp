// Points, time bonus, score pop-ups and sparkles, and the running down of the time.
#include "game/engine/scoring.h"

#include "game/engine/board.h"
#include "game/engine/engine_services.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t kPopupLifeMs = 1000;
constexpr std::uint32_t kSparkleLastTick = 8;

// Sums saturate so that an endless game can never wrap its score.
std::int32_t saturatedSum(std::int64_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void addTimeBonus(EngineState& state, std::int64_t base) {
    std::int64_t time = state.timeLeftMs;
    if (state.level == Normal) {
        time += base * 140;
    } else if (state.level == Expert) {
        time += base * 100;
    }
    state.timeLeftMs = static_cast<std::uint32_t>(std::min<std::int64_t>(time, kMaxTimeMs));
}

std::int32_t levelPoints(const EngineState& state, std::int64_t base) {
    double points = static_cast<double>(base);
    if (state.level == Normal) {
        points *= 1.5;
    } else if (state.level == Expert) {
        points *= 2.0;
    }
    return saturatedSum(static_cast<std::int64_t>(points), 0);
}

} // namespace

void scoreRun(EngineState& state, int length, int column, int row) {
    state.chainCount = saturatedSum(state.chainCount, 1);
    servicesOf(state).playSound(kSoundRun);
    const std::int64_t base = static_cast<std::int64_t>(state.chainCount) * (length - 2) * 10;
    addTimeBonus(state, base);
    const std::int32_t points = levelPoints(state, base);
    state.score = saturatedSum(state.score, points);
    state.turnScore = state.chainCount == 1 ? points : saturatedSum(state.turnScore, points);
    state.turnScoreVisible = true;
    state.popups.push_back(ScorePopup{column, row, points, kPopupLifeMs});
}

bool adjustScore(EngineState& state, std::int32_t delta, int column, int row) {
    if (static_cast<std::int64_t>(state.score) + delta < 0) {
        return false;
    }
    state.score = saturatedSum(state.score, delta);
    state.popups.push_back(ScorePopup{column, row, delta, kPopupLifeMs});
    return true;
}

namespace {

// Keeps the list order: survivors move up, expired nodes leave their cell to be redrawn.
template <typename List, typename Ages> void ageList(EngineState& state, List& list, Ages ages) {
    std::size_t kept = 0;
    for (auto& node : list) {
        if (ages(node)) {
            list[kept++] = node;
        } else if (onBoard(node.column, node.row)) {
            setDirty(state, node.column, node.row);
        }
    }
    list.resize(kept);
}

} // namespace

void tickEffects(EngineState& state, std::uint32_t elapsedMs) {
    ageList(state, state.popups, [elapsedMs](ScorePopup& popup) {
        const std::int64_t life = static_cast<std::int64_t>(popup.lifeMs) - elapsedMs;
        if (life <= 0) {
            return false;
        }
        popup.lifeMs = static_cast<std::int32_t>(life);
        return true;
    });
    ageList(state, state.sparkles, [](Sparkle& sparkle) {
        if (sparkle.ticks > kSparkleLastTick) {
            return false;
        }
        ++sparkle.ticks;
        return true;
    });
}

void runDownTime(EngineState& state, std::uint32_t elapsedMs) {
    if (state.level == Easy) {
        return;
    }
    state.timeLeftMs = elapsedMs >= state.timeLeftMs ? 0 : state.timeLeftMs - elapsedMs;
}
