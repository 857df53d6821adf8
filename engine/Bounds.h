#pragma once

#include <algorithm>
#include <cmath>

namespace orv_engine {

// Module signals are held inside this bound, so runaway feedback saturates
// instead of overflowing; a NaN becomes 0.
constexpr float kSignalCeiling = 1.0e5f;

// Written as the processor's max and min take their operands (equal values and the
// non-zero limits leave no choice between signed zeros), so each is one instruction.
inline float bounded(float x, float limit = kSignalCeiling)
{
    const float number = x == x ? x : 0.0f;
    const float floored = number > -limit ? number : -limit;
    return floored < limit ? floored : limit;
}

// A record field as the engine may use it: inside [low, high], `fallback` when not finite.
inline float clampField(float value, float low, float high, float fallback)
{
    if (!std::isfinite(value))
        return fallback;
    return std::clamp(value, low, high);
}

} // namespace orv_engine
