#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>

#include "plugin/OrvPreset.h"
#include "presets/floatFromBigEndian.h"

namespace {

uint32_t readBigEndian32(const uint8_t* bytes)
{
    return (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
}

uint16_t readBigEndian16(const uint8_t* bytes) { return uint16_t((bytes[0] << 8) | bytes[1]); }

// A record whose every byte differs, so a misplaced or unswapped byte shows.
OrvPreset patternedRecord()
{
    uint8_t bytes[kPresetSize];
    for (int i = 0; i < kPresetSize; ++i)
        bytes[i] = uint8_t(i * 7 + 3);
    OrvPreset preset;
    std::memcpy(&preset, bytes, kPresetSize);
    return preset;
}

} // namespace

TEST(PresetRecord, BigEndianFormSwapsEachFieldByItsWidth)
{
    OrvPreset preset {};
    preset.version = kPresetVersion;
    preset.magic = kPresetMagic;
    preset.sampleRate = 44100;
    preset.oscFrequency[3] = 440.0f;
    preset.modTarget[2][1] = -2;
    preset.minLag[7] = 294;
    std::strcpy(preset.programName, "Auto-Wah");
    std::strcpy(preset.sliderCaption[6], "Wet Mix");

    uint8_t chunk[kPresetSize];
    presetToBigEndian(preset, chunk);
    EXPECT_EQ(readBigEndian16(chunk + 0), 10);
    EXPECT_EQ(readBigEndian32(chunk + 4), 314159265u);
    EXPECT_EQ(readBigEndian32(chunk + 12), 44100u);
    EXPECT_EQ(readBigEndian32(chunk + 384 + 12), std::bit_cast<uint32_t>(440.0f));
    EXPECT_EQ(readBigEndian16(chunk + 208 + 4 * 2 + 2), 0xFFFE);
    EXPECT_EQ(readBigEndian32(chunk + 820 + 28), 294u);
    EXPECT_EQ(std::memcmp(chunk + 2436, "Auto-Wah", 9), 0);
    EXPECT_EQ(std::memcmp(chunk + 1448 + 32 * 6, "Wet Mix", 8), 0);
}

TEST(PresetRecord, RoundTripIsBitExact)
{
    const OrvPreset original = patternedRecord();
    uint8_t chunk[kPresetSize];
    presetToBigEndian(original, chunk);
    EXPECT_NE(std::memcmp(chunk, &original, kPresetSize), 0);

    OrvPreset restored;
    presetFromBigEndian(chunk, restored);
    EXPECT_EQ(std::memcmp(&restored, &original, kPresetSize), 0);
}

TEST(FloatFromBigEndian, GivesExactBitPatterns)
{
    EXPECT_EQ(floatFromBigEndian(63, 128, 0, 0), 1.0f);
    EXPECT_EQ(floatFromBigEndian(64, 64, 0, 0), 3.0f);
    EXPECT_EQ(std::bit_cast<uint32_t>(floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC)), 0x43DBFFFCu);
    EXPECT_EQ(floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC), 439.99988f);

    // The integer 1764 read as a float: a denormal that must pass unchanged.
    EXPECT_EQ(std::bit_cast<uint32_t>(floatFromBigEndian(0, 0, 6, 228)), 1764u);
    const float negativeZero = floatFromBigEndian(0x80, 0, 0, 0);
    EXPECT_EQ(negativeZero, 0.0f);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_EQ(std::bit_cast<uint32_t>(floatFromBigEndian(0x7F, 0xC0, 0x12, 0x34)), 0x7FC01234u);
    EXPECT_EQ(std::bit_cast<uint32_t>(floatFromBigEndian(0xFF, 0x80, 0x00, 0x01)), 0xFF800001u);
}
