#pragma once

#include <algorithm>
#include <cmath>

namespace orv_engine {

// Module signals are held inside this bound, so runaway feedback saturates
// instead of overflowing; a NaN becomes 0.
constexpr float kSignalCeiling = 1.0e5f;

inline float bounded(float x, float limit = kSignalCeiling)
{
    const float number = x == x ? x : 0.0f;
    return std::min(std::max(number, -limit), limit);
}

// A record field as the engine may use it: inside [low, high], `fallback` when not finite.
inline float clampField(float value, float low, float high, float fallback)
{
    if (!std::isfinite(value))
        return fallback;
    return std::clamp(value, low, high);
}

} // namespace orv_engine
