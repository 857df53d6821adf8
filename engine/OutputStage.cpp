#include <algorithm>
#include <cmath>

#include "BlockRunner.h"
#include "Bounds.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orv_engine {

// A releasing limiter this close to its target gain takes it, so quiet audio passes bit for bit.
constexpr double kLimiterSnap = 1.0e-6;

// Each bus sums its switched-on module channels at their gains and takes the average.
// A panned channel p in [-1, 1] stays at full level in the bus it moves towards and
// fades out of the other: left × min(1, 1 - p), right × min(1, 1 + p).
void BlockRunner::mixBuses(int count)
{
    float* bus[kNumChannels] = {engine_.passOutput.get(), engine_.passOutput.get() + kPassFrames};
    for (int c = 0; c < kNumChannels; ++c)
        std::fill_n(bus[c], count, 0.0f);
    for (int index = 0; index < plan_.moduleCount; ++index) {
        const ModulePlan& module = plan_.modules[index];
        if (!module.panned) {
            for (int c = 0; c < kNumChannels; ++c) {
                if (!module.outputOn[c])
                    continue;
                const float* samples = passOf(index, c);
                const float gain = module.outputGain[c];
                for (int frame = 0; frame < count; ++frame)
                    bus[c][frame] += samples[frame] * gain;
            }
            continue;
        }
        for (int c = 0; c < module.channels; ++c) {
            const float* samples = passOf(index, c);
            const float* pan = panOf(index, c);
            for (int frame = 0; frame < count; ++frame) {
                const float position = std::clamp(pan[frame], -1.0f, 1.0f);
                if (module.outputOn[0])
                    bus[0][frame] += samples[frame] * module.outputGain[0] * std::min(1.0f, 1.0f - position);
                if (module.outputOn[1])
                    bus[1][frame] += samples[frame] * module.outputGain[1] * std::min(1.0f, 1.0f + position);
            }
        }
    }
    for (int c = 0; c < kNumChannels; ++c) {
        for (int frame = 0; frame < count; ++frame)
            bus[c][frame] *= plan_.busScale[c];
        boundRow(bus[c], bus[c], count);
    }
}

// Stereo-linked peak limiter without look-ahead: the gain drops at once to what
// keeps the frame at the threshold and recovers smoothly.
void BlockRunner::limitAndWrite(float* const outputs[2], int offset, int count, bool replace)
{
    if (state_.limiterGain == 1.0 && passPeak(count) <= threshold_) {
        writeUnlimited(outputs, offset, count, replace);
        return;
    }
    double gain = state_.limiterGain;
    for (int frame = 0; frame < count; ++frame) {
        const float left = engine_.passOutput[frame];
        const float right = engine_.passOutput[kPassFrames + frame];
        const float peak = std::max(std::fabs(left), std::fabs(right));
        const double needed = peak > threshold_ ? double(threshold_) / peak : 1.0;
        // A gain at its target stays there; the branch keeps quiet audio off the release's chain.
        if (needed < gain) {
            gain = needed;
        } else if (needed != gain) {
            gain += (needed - gain) * plan_.limiterRelease;
            if (needed - gain < kLimiterSnap)
                gain = needed;
        }
        if (gain < 1.0)
            engine_.limiterEngaged = true;
        const float limited[kNumChannels] = {bounded(float(left * gain), threshold_),
                                             bounded(float(right * gain), threshold_)};
        for (int c = 0; c < kNumChannels; ++c) {
            float& out = outputs[c][offset + frame];
            out = replace ? limited[c] : out + limited[c];
        }
    }
    state_.limiterGain = gain;
}

// The largest magnitude on either bus; bus samples are never NaN, so the order of the
// comparisons does not matter and four go at a time.
float BlockRunner::passPeak(int count) const
{
    float peak = 0.0f;
    for (int c = 0; c < kNumChannels; ++c) {
        const float* bus = engine_.passOutput.get() + c * kPassFrames;
        int frame = 0;
#if defined(__SSE2__)
        const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
        __m128 peaks = _mm_set1_ps(peak);
        for (; frame + 4 <= count; frame += 4)
            peaks = _mm_max_ps(peaks, _mm_and_ps(_mm_loadu_ps(bus + frame), magnitude));
        float lanes[4];
        _mm_storeu_ps(lanes, peaks);
        peak = std::max(std::max(lanes[0], lanes[1]), std::max(lanes[2], lanes[3]));
#endif
        for (; frame < count; ++frame)
            peak = std::max(peak, std::fabs(bus[frame]));
    }
    return peak;
}

// A pass the limiter leaves alone at unity gain (bus samples are always finite).
void BlockRunner::writeUnlimited(float* const outputs[2], int offset, int count, bool replace) const
{
    for (int c = 0; c < kNumChannels; ++c) {
        const float* bus = engine_.passOutput.get() + c * kPassFrames;
        float* out = outputs[c] + offset;
        if (replace)
            std::copy_n(bus, count, out);
        else
            for (int frame = 0; frame < count; ++frame)
                out[frame] += bus[frame];
    }
}

} // namespace orv_engine
