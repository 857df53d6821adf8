#pragma once

#include <algorithm>
#include <cmath>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

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

// bounded() over a row, four samples at a time where the processor's max and min take
// them; `to` may be `from`.
inline void boundRow(float* to, const float* from, int count, float limit = kSignalCeiling)
{
    int frame = 0;
#if defined(__SSE__)
    const __m128 low = _mm_set1_ps(-limit);
    const __m128 high = _mm_set1_ps(limit);
    for (; frame + 4 <= count; frame += 4) {
        __m128 x = _mm_loadu_ps(from + frame);
        x = _mm_and_ps(x, _mm_cmpord_ps(x, x)); // a NaN becomes 0
        _mm_storeu_ps(to + frame, _mm_min_ps(_mm_max_ps(x, low), high));
    }
#endif
    for (; frame < count; ++frame)
        to[frame] = bounded(from[frame], limit);
}

// A record field as the engine may use it: inside [low, high], `fallback` when not finite.
inline float clampField(float value, float low, float high, float fallback)
{
    if (!std::isfinite(value))
        return fallback;
    return std::clamp(value, low, high);
}

} // namespace orv_engine
