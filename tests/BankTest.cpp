#include <gtest/gtest.h>

#include <cstring>

#include "plugin/OrvCore.h"

namespace {

struct CategoryExpectation {
    const char* name;
    uint32_t first;
    uint32_t count;
};

constexpr CategoryExpectation kExpectedCategories[kNumCategories] = {
    {"Assorted FX", 0, 16},       {"Chorus", 16, 16},         {"Delay", 32, 16},
    {"Envelope Follower", 48, 15}, {"Feedback", 63, 15},      {"Filter Effects", 78, 27},
    {"Filter Utilities", 105, 16}, {"Flanger", 121, 19},      {"FM", 140, 6},
    {"Granular", 146, 18},         {"Limiter", 164, 1},       {"Modular Synth", 165, 9},
    {"Multitap", 174, 15},         {"Pan Effects", 189, 25},  {"Pitch Shift", 214, 22},
    {"Pitch Sweep", 236, 11},      {"Pitch Track", 247, 11},  {"Random", 258, 8},
    {"Test Tones", 266, 8},        {"Third Party", 274, 19},  {"Tremolo", 293, 8},
    {"User Presets", 301, 25},     {"Utilities", 326, 19},    {"Vibrato", 345, 8},
};

OrvCore coreWithEmptyBank()
{
    OrvCore core;
    core.bank = std::make_unique<OrvPreset[]>(kNumPrograms);
    return core;
}

int countingBuilder(OrvPreset* bank, int first)
{
    bank[first].version = 1;
    bank[first + 1].version = 2;
    return first + 2;
}

} // namespace

TEST(Bank, CategoriesFallAtTheirIndexes)
{
    OrvCore core = coreWithEmptyBank();
    fillFactoryBank(core);
    for (int index = 0; index < kNumCategories; ++index) {
        SCOPED_TRACE(kExpectedCategories[index].name);
        EXPECT_STREQ(core.categories[index].name, kExpectedCategories[index].name);
        EXPECT_EQ(core.categories[index].firstIndex, kExpectedCategories[index].first);
        EXPECT_EQ(core.categories[index].count, kExpectedCategories[index].count);
    }
}

TEST(Bank, EveryRecordIsValidAndTheLastSlotHoldsTheDefault)
{
    OrvCore core = coreWithEmptyBank();
    fillFactoryBank(core);
    for (int index = 0; index < kNumPrograms; ++index) {
        EXPECT_EQ(core.bank[index].version, kPresetVersion) << index;
        EXPECT_EQ(core.bank[index].magic, kPresetMagic) << index;
    }
    OrvPreset expected;
    initDefaultPreset(expected, kPluginFlags, 44100);
    EXPECT_EQ(std::memcmp(&core.bank[353], &expected, kPresetSize), 0);
    EXPECT_STREQ(core.bank[353].programName, "Default");
    // The first five categories have no factory programs of their own.
    for (int index = 0; index < 78; ++index)
        EXPECT_EQ(std::memcmp(&core.bank[index], &expected, kPresetSize), 0) << index;
}

TEST(Bank, AddCategoryRecordsTheBuildersCount)
{
    OrvCore core = coreWithEmptyBank();
    EXPECT_EQ(addCategory(core, "Test", 3, 10, countingBuilder), 12);
    EXPECT_STREQ(core.categories[3].name, "Test");
    EXPECT_EQ(core.categories[3].firstIndex, 10u);
    EXPECT_EQ(core.categories[3].count, 2u);
    EXPECT_EQ(core.bank[10].version, 1);
    EXPECT_EQ(core.bank[11].version, 2);
    EXPECT_EQ(core.bank[12].version, 0);
}

TEST(Bank, TextPassClearsUnusedCaptionsAndConvertsDegreeSigns)
{
    OrvPreset preset {};
    std::strcpy(preset.sliderCaption[2], "Orphan");
    std::strcpy(preset.sliderCaption[3], "Phase \xA1");
    preset.sliderTarget[3][0] = 19;
    std::memset(preset.description, 0xA1, sizeof preset.description);

    normaliseFactoryTexts(preset);
    EXPECT_EQ(preset.sliderCaption[2][0], 0);
    EXPECT_STREQ(preset.sliderCaption[3], "Phase \xA1");
    for (int byte = 0; byte < 158; ++byte)
        EXPECT_EQ(uint8_t(preset.description[byte]), 0xB0) << byte;
    EXPECT_EQ(uint8_t(preset.description[158]), 0xA1);
    EXPECT_EQ(uint8_t(preset.description[159]), 0xA1);
}
