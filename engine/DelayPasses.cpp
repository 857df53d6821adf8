#include <algorithm>

#include "ModuleStep.h"

namespace orv_engine {

// A delay read ahead gives its pass from what its line held before the pass.
void BlockRunner::readAhead(int index, int count)
{
    const ModulePlan& module = plan_.modules[index];
    const double time = std::clamp(double(module.processTime), 0.0, longestDelay_);
    for (int c = 0; c < module.channels; ++c) {
        const uint32_t write = state_.lineWrite[module.line + c];
        const uint32_t newest = write >= plan_.lineLength ? 0 : write;
        readConstantDelay(line(module, c), plan_.lineLength, newest, time, passOf(index, c), count);
        state_.lastDelayTime[module.index][c] = float(time);
    }
    state_.delayRead[module.index] = true;
}

// The modules a delay whose time moves reaches run after the rest of the pre-pass, a sub-pass
// at a time: each delay reads ahead as far as its time lets it, then they run in order.
void BlockRunner::runSubPasses(int count)
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        if (plan_.modules[index].timeMoves)
            findMovingTimes(index, count);
    }
    for (int start = 0; start < count;) {
        const int length = subPassLength(start, count);
        passStart_ = start;
        if (length > 0) {
            for (int index = 0; index < plan_.moduleCount; ++index) {
                if (plan_.modules[index].timeMoves)
                    readAheadMoving(index, length);
            }
            runPassWise(plan_.subPassOrder, plan_.subPassCount, length);
        } else {
            runSubPassFrame();
        }
        passStart_ = 0;
        start += std::max(length, 1);
    }
}

// Where a moving delay's time is too short to read ahead, the modules it reaches run one
// frame in the plan's order, as in the frame loop, and the delay reads after it writes.
void BlockRunner::runSubPassFrame()
{
    for (int index = 0; index < plan_.moduleCount; ++index) {
        if (!subPassed_[index])
            continue;
        if (plan_.modules[index].timeMoves)
            runMovingDelayFrame(index);
        else
            runPassWise(&index, 1, 1);
    }
}

void BlockRunner::runMovingDelayFrame(int index)
{
    const ModulePlan& module = plan_.modules[index];
    float* const inputs[kNumChannels] = {engine_.lineInput.get(), engine_.lineInput.get() + kPassFrames};
    float* const lfo[kNumChannels] = {engine_.lfoPass.get(), engine_.lfoPass.get() + kPassFrames};
    gatherInputs(index, inputs, lfo, 1);
    OrvChannelInputs (&inbox)[kNumChannels] = state_.inputs[module.index];
    for (int c = 0; c < module.channels; ++c) {
        // Its own feedback arrives as writeAhead adds it.
        const float x = module.selfMixCount > 0 ? bounded(inputs[c][0] + inbox[c].mix) : inputs[c][0];
        const uint32_t newest = writeLine(module, c, x);
        const double time = movingTime_[module.movingSlot][c][passStart_];
        const float y = bounded(readLine(line(module, c), newest, time));
        passOf(index, c)[0] = y;
        if (module.selfMixCount > 0)
            inbox[c].mix = selfMix(module, y);
        state_.lastDelayTime[module.index][c] = float(time);
    }
    state_.delayRead[module.index] = true;
}

// A moving delay's time in each frame of the pass, as delaySample finds it; its Delay Mod
// routes come from modules that ran before.
void BlockRunner::findMovingTimes(int index, int count)
{
    const ModulePlan& module = plan_.modules[index];
    float sums[kPassFrames];
    OrvChannelInputs in {};
    for (int c = 0; c < module.channels; ++c) {
        sumRoutes(module, c, &OrvChannelInputs::time, sums, count);
        for (int frame = 0; frame < count; ++frame) {
            in.time = sums[frame];
            movingTime_[module.movingSlot][c][frame] = std::clamp(modulatedTime(module.processTime, in, 0.0f), 0.0, longestDelay_);
        }
    }
}

// How many frames from `start` every moving delay reads only from what its line held before
// them: a time of at least two samples more than the frames already in the sub-pass.
int BlockRunner::subPassLength(int start, int count) const
{
    int end = start;
    for (; end < count; ++end) {
        const double shortest = double(end - start) + 2.0;
        for (int index = 0; index < plan_.moduleCount; ++index) {
            if (!plan_.modules[index].timeMoves)
                continue;
            for (int c = 0; c < plan_.modules[index].channels; ++c) {
                if (movingTime_[plan_.modules[index].movingSlot][c][end] < shortest)
                    return end - start;
            }
        }
    }
    return end - start;
}

void BlockRunner::readAheadMoving(int index, int count)
{
    const ModulePlan& module = plan_.modules[index];
    for (int c = 0; c < module.channels; ++c) {
        const uint32_t write = state_.lineWrite[module.line + c];
        uint32_t newest = write >= plan_.lineLength ? 0 : write;
        float* output = passOf(index, c);
        const double* times = movingTime_[module.movingSlot][c] + passStart_;
        for (int frame = 0; frame < count; ++frame) {
            output[frame] = readLine(line(module, c), newest, times[frame]);
            newest = newest + 1 == plan_.lineLength ? 0 : newest + 1;
        }
        boundRow(output, output, count);
        state_.lastDelayTime[module.index][c] = float(times[count - 1]);
    }
    state_.delayRead[module.index] = true;
}

// ...and takes its input for the pass once its senders have run.
void BlockRunner::writeAhead(int index, float* const inputs[2], int count)
{
    const ModulePlan& module = plan_.modules[index];
    OrvChannelInputs (&inbox)[kNumChannels] = state_.inputs[module.index];
    for (int c = 0; c < module.channels; ++c) {
        // Its output is known, so each frame's own feedback is too: the frame before sent it.
        if (module.selfMixCount > 0) {
            const float* output = passOf(index, c);
            inputs[c][0] += inbox[c].mix;
            for (int frame = 1; frame < count; ++frame)
                inputs[c][frame] += selfMix(module, output[frame - 1]);
            boundRow(inputs[c], inputs[c], count);
            inbox[c].mix = selfMix(module, output[count - 1]);
        }
        writeLineRun(line(module, c), plan_.lineLength, state_.lineWrite[module.line + c], inputs[c], count);
    }
}

// A delay that neither fades nor feeds itself, read at least a sample back, takes the
// pass's input into its line first and then reads every frame, as delaySample would.
// It declines (false) when a time would read a sample the pass writes later.
bool BlockRunner::delayPass(const ModulePlan& module, float* const samples[2], const float* const lfo[2],
                            const float (*moves)[kPassFrames], int count)
{
    const int channels = module.channels;
    double times[kNumChannels][kPassFrames];
    // Nothing moves the time of a delay without routes into it or a Sine LFO.
    const bool constant = moves == nullptr && module.source != OscKind::SineLfo;
    OrvChannelInputs in {};
    for (int c = 0; c < channels; ++c) {
        for (int frame = 0; frame < count; ++frame) {
            in.time = moves ? moves[c][frame] : 0.0f;
            times[c][frame] = std::clamp(modulatedTime(module.processTime, in, lfo[c][frame]), 0.0, longestDelay_);
            if (times[c][frame] < 1.0 || times[c][frame] + double(count) + 2.0 > double(plan_.lineLength))
                return false;
        }
    }
    for (int c = 0; c < channels; ++c) {
        uint32_t& write = state_.lineWrite[module.line + c];
        if (write >= plan_.lineLength)
            write = 0;
        uint32_t newest = write;
        float* line = this->line(module, c);
        writeLineRun(line, plan_.lineLength, write, samples[c], count);
        if (constant) {
            readConstantDelay(line, plan_.lineLength, newest, times[c][0], samples[c], count);
        } else {
            for (int frame = 0; frame < count; ++frame) {
                samples[c][frame] = readLine(line, newest, times[c][frame]);
                newest = newest + 1 == plan_.lineLength ? 0 : newest + 1;
            }
            boundRow(samples[c], samples[c], count);
        }
        state_.lastDelayTime[module.index][c] = float(times[c][count - 1]);
    }
    state_.delayRead[module.index] = true;
    return true;
}

} // namespace orv_engine
