#include "FactoryPresets.h"
#include "PresetWriting.h"

namespace {

// All blank programs are one set-up that differ only in their names. Module 0
// makes no sound as stored, but holds the values a user's program starts from
// once its kinds are changed in the editor.
template <size_t NameSize>
void writeBlankPreset(OrvPreset& p, const char (&name)[NameSize])
{
    writeFactoryHeader(p, 0x0302);
    p.delayLineLength = 1;
    writeText(p.description, "Blank preset.");
    p.inUse[0] = 1;
    p.oscKind[0] = OscKind::NoOsc;
    p.oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p.freqMode[0] = 0; // no unit of the menu; a slider on the frequency writes Hz
    p.sliderFreqMode[0] = FreqMode::Hz;
    p.note[0] = 9; // A
    p.octave[0] = 4;
    p.processKind[0] = ProcessKind::NoProcess;
    p.mainValue[0] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x00); // -2 ms
    p.processTime[0] = floatFromBigEndian(0xC2, 0xB0, 0x66, 0x67); // -88.200005 samples
    p.envCoefficient[0] = floatFromBigEndian(0x3F, 0x81, 0x02, 0x88); // 1.0078897
    p.dcOffset[0] = floatFromBigEndian(0xBC, 0xA3, 0xD7, 0x0A); // -0.02
    p.phaseShape[0] = floatFromBigEndian(0xBC, 0xA3, 0xD7, 0x0A); // -0.02
    p.exponent[0] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x00); // -2
    p.quantizeStep[0] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x00); // -2 semitones
    p.filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p.secondValue[0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p.minLag[0] = 40;
    p.maxLag[0] = 200;
    p.trackInterval[0] = floatFromBigEndian(0x00, 0x00, 0x06, 0xE4); // bits 1764
    p.modKind[0][0] = ModKind::NoMod;
    p.modTarget[0][0] = 1;
    p.modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p.modKind[0][1] = ModKind::NoMod;
    p.modTarget[0][1] = 1;
    p.modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p.outputOn[0][0] = 0;
    p.outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p.outputOn[0][1] = 0;
    p.outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p.moduleWord1044[0] = 1;
    p.moduleWord1060[0] = 1;
    p.channelWord[0][0] = 1;
    p.channelWord[0][1] = 1;
    writeText(p.categoryName, "User Presets");
    writeText(p.programName, name);
}

} // namespace

int buildUserPresets(OrvPreset* bank, int first)
{
    writeBlankPreset(bank[first + 0], "Blank 1");
    writeBlankPreset(bank[first + 1], "Blank 2");
    writeBlankPreset(bank[first + 2], "Blank 3");
    writeBlankPreset(bank[first + 3], "Blank 4");
    writeBlankPreset(bank[first + 4], "Blank 5");
    writeBlankPreset(bank[first + 5], "Blank 6");
    writeBlankPreset(bank[first + 6], "Blank 7");
    writeBlankPreset(bank[first + 7], "Blank 8");
    writeBlankPreset(bank[first + 8], "Blank 9");
    writeBlankPreset(bank[first + 9], "Blank 10");
    writeBlankPreset(bank[first + 10], "Blank 11");
    writeBlankPreset(bank[first + 11], "Blank 12");
    writeBlankPreset(bank[first + 12], "Blank 13");
    writeBlankPreset(bank[first + 13], "Blank 14");
    writeBlankPreset(bank[first + 14], "Blank 15");
    writeBlankPreset(bank[first + 15], "Blank 16");
    writeBlankPreset(bank[first + 16], "Blank 17");
    writeBlankPreset(bank[first + 17], "Blank 18");
    writeBlankPreset(bank[first + 18], "Blank 19");
    writeBlankPreset(bank[first + 19], "Blank 20");
    writeBlankPreset(bank[first + 20], "Blank 21");
    writeBlankPreset(bank[first + 21], "Blank 22");
    writeBlankPreset(bank[first + 22], "Blank 23");
    writeBlankPreset(bank[first + 23], "Blank 24");
    writeBlankPreset(bank[first + 24], "Blank 25");

    return first + 25;
}
