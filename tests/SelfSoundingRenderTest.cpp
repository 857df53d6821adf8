#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "ProgramPlayer.h"

using namespace engine_test;

namespace {

// The programs of these categories whose oscillators or noise reach an output
// without any input; every other program of them only processes its input.
const std::set<std::string> kSelfSounding = {
    "Chopper", "Surf Noise", "UFO Descending", "Water Drips", "Wind Noise",
    "Filtered Noise",
    "Car Alarm", "Ray Gun", "Siren", "Telephone Ring", "Two-tone siren",
    "Diminished S/H", "Phase Mod Alt Tones", "PhaseShape OverMod", "Sample/Hold Tones", "Saw Harmonics",
    "Square Harmonics",
};

// Envelope-driven power distortions whose start over silence is not silent (see below).
const std::set<std::string> kStartTransientOverSilence = {"Triggered Wah + Dist", "Winchester Wah"};

// The engine's alternating anti-denormal offset (1e-20) scaled by a program's
// gains stays far below this; anything above it is sound.
constexpr float kSilent = 1.0e-12f;

class SelfSoundingRender : public ::testing::TestWithParam<int> {};

} // namespace

// Over silence, a program that plays its own source is heard within a second,
// and a program that only processes its input stays silent.
TEST_P(SelfSoundingRender, OnlyProgramsWithTheirOwnSourcesSoundFromSilence)
{
    ProgramPlayer player(0);
    const Stereo quiet = silence(kSecond);
    forEachProgramIn(player, GetParam(), [&](int) {
        const std::string name = player.core.current->programName;
        if (kStartTransientOverSilence.contains(name))
            return;
        const Stereo out = player.play(quiet);
        if (kSelfSounding.contains(name))
            EXPECT_GT(std::max(rms(out.left), rms(out.right)), 1.0e-3);
        else
            EXPECT_LT(peak(out), kSilent);
    });
}

// Filter Effects, Filter Utilities, Flanger, FM, Limiter, Modular Synth and Multitap.
INSTANTIATE_TEST_SUITE_P(FilterToMultitap, SelfSoundingRender, ::testing::Values(5, 6, 7, 8, 10, 11, 12));

// Granular, Pan Effects, Pitch Shift and Pitch Sweep: none has a source of its own that is heard.
INSTANTIATE_TEST_SUITE_P(GranularToPitchSweep, SelfSoundingRender, ::testing::Values(9, 13, 14, 15));

// Over silence the envelope follower gives -1, so Power Mod at 95 % brings the
// exponent to 1.4 x 0.05: even the anti-denormal offset must stay silent then.
TEST(SelfSoundingRender, EnvelopeDrivenPowerDistortionsStaySilentOverSilence)
{
    for (const std::string& name : kStartTransientOverSilence) {
        EXPECT_LT(peak(playerFor(name.c_str()).play(silence(kSecond))), kSilent) << name;
    }
}
