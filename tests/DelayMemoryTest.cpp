// A program change clears only the delay memory the new program can read, a
// block at a time: whatever an earlier program left there is never heard.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ProgramPlayer.h"
#include "engine/Schedule.h"
#include "plugin/FieldModel.h"

namespace engine_test {
namespace {

bool usesDelayMemory(const OrvPreset& preset)
{
    for (int m = 0; m < kNumModules; ++m) {
        if (preset.inUse[m] == 1 && orv_engine::usesLine(preset.processKind[m]))
            return true;
    }
    return false;
}

// Plays the program in blocks of changing size, its sliders at their stored
// values, then all at the top of their ranges (the longest times), then all at
// the bottom; between, a Delay module is switched on, which lays the lines out anew.
Stereo playWithMovingSliders(ProgramPlayer& player, const Stereo& input)
{
    static constexpr int kBlockSizes[] = {64, 509, 1024, 37, 4096};
    const int frames = int(input.left.size());
    Stereo output = silence(frames);
    for (int done = 0, block = 0; done < frames; ++block) {
        if (block == 6 || block == 14) {
            for (int slider = 0; slider < kNumSliders; ++slider)
                player.setParameter(slider, block == 6 ? 1.0f : 0.0f);
        }
        OrvPreset& preset = *player.core.current;
        const int unused = int(std::find(preset.inUse, preset.inUse + kNumModules, 0) - preset.inUse);
        if (block == 10 && unused < kNumModules) {
            useModule(preset, unused, OscKind::StereoIn, ProcessKind::Delay);
            preset.processTime[unused] = 30000.0f;
            sizeDelayLine(preset, player.core.flagsTemplate, player.core.blockSize);
        }
        const int count = std::min(kBlockSizes[block % 5], frames - done);
        const float* inputs[2] = {input.left.data() + done, input.right.data() + done};
        float* outputs[2] = {output.left.data() + done, output.right.data() + done};
        applyChangedSliders(player.core);
        processBlock(*player.core.engine, preset, inputs, outputs, count, kRate, true);
        done += count;
    }
    return output;
}

TEST(DelayMemory, NoProgramHearsWhatAnEarlierOneLeftInItsLines)
{
    const int frames = kSecond / 2;
    const Stereo input {whiteNoise(0.5f, frames, 1), whiteNoise(0.5f, frames, 2)};
    ProgramPlayer fresh(0);
    ProgramPlayer reused(0);
    int programsWithLines = 0;
    for (int program = 0; program < kNumPrograms; ++program) {
        if (!usesDelayMemory(fresh.core.bank[program]))
            continue;
        ++programsWithLines;
        fresh = ProgramPlayer(program);
        // What an earlier program left: a loud tone in every sample of the pool.
        const auto earlier = sine(220.0f + float(program), 0.9f, kDelayPoolSamples);
        std::copy(earlier.begin(), earlier.end(), reused.core.engine->delayPool.get());
        ASSERT_TRUE(selectProgram(reused.core, program));
        reused.core.engine->noiseState = fresh.core.engine->noiseState;
        const Stereo expected = playWithMovingSliders(fresh, input);
        const Stereo played = playWithMovingSliders(reused, input);
        ASSERT_EQ(std::memcmp(played.left.data(), expected.left.data(), sizeof(float) * size_t(frames)), 0)
            << reused.core.current->programName;
        ASSERT_EQ(std::memcmp(played.right.data(), expected.right.data(), sizeof(float) * size_t(frames)), 0)
            << reused.core.current->programName;
    }
    EXPECT_GT(programsWithLines, 100);
}

// A Sine LFO of depth 1 sweeps its delay between no time and twice the stored
// one, so its reads reach past the stored time from the first sweep on.
TEST(DelayMemory, ADelaySweptByAFastDeepSineLfoHearsNothingEarlier)
{
    OrvPreset swept = silentRecord();
    useModule(swept, 0, OscKind::StereoIn, ProcessKind::NoProcess);
    silenceOutputs(swept, 0);
    addRoute(swept, 0, 0, ModKind::Mix, 1, 1.0f);
    useModule(swept, 1, OscKind::SineLfo, ProcessKind::Delay);
    swept.processTime[1] = 2000.0f;
    swept.phaseOrLfoDepth[1] = 1.0f;
    swept.oscFrequency[1] = 20.0f;

    const int frames = kSecond / 4;
    const Stereo input {whiteNoise(0.5f, frames, 3), whiteNoise(0.5f, frames, 4)};
    ProgramPlayer fresh(0);
    ProgramPlayer reused(0);
    for (ProgramPlayer* player : {&fresh, &reused})
        player->core.bank[1] = swept;
    const auto earlier = sine(330.0f, 0.9f, kDelayPoolSamples);
    std::copy(earlier.begin(), earlier.end(), reused.core.engine->delayPool.get());
    ASSERT_TRUE(selectProgram(fresh.core, 1));
    ASSERT_TRUE(selectProgram(reused.core, 1));
    const Stereo expected = fresh.play(input, 64);
    const Stereo played = reused.play(input, 64);
    EXPECT_EQ(std::memcmp(played.left.data(), expected.left.data(), sizeof(float) * size_t(frames)), 0);
    EXPECT_EQ(std::memcmp(played.right.data(), expected.right.data(), sizeof(float) * size_t(frames)), 0);
    EXPECT_GT(rms(expected.left), 0.05) << "the swept delay plays its input";
}

} // namespace
} // namespace engine_test
