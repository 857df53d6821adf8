#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildFmPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Car Alarm"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "The negative modulation depth makes the sawtooth wave  slide down instead of up.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCC); // 2.6999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // initial phase 180 degrees
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0xBE, 0x57, 0x0A, 0x3C); // -20.999998%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x23, 0xD7, 0x0A); // 16%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x23, 0xD7, 0x0A); // 16%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    writeText(p->sliderCaption[0], "Carrier Freq hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCC); // 2.6999998
    writeText(p->sliderCaption[1], "Mod Rate hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0xC1, 0xA7, 0xFF, 0xFF); // -20.999998
    writeText(p->sliderCaption[2], "Mod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x80, 0x00, 0x00); // 16
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "FM");
    writeText(p->programName, "Car Alarm");

    // "FM-ed Delay Mod"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Sine wave FM controls the delay time, resulting in  FM-like effects being applied to the source signal.");
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::FreqMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 25%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x41, 0x1F, 0xFF, 0xFF); // 9.999999 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::DelayMod;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x3A, 0x83, 0x12, 0x6F); // 0.1%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300 ms
    p->processTime[4] = floatFromBigEndian(0x46, 0x4E, 0xB8, 0x01); // 13230.001 samples
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5
    writeText(p->sliderCaption[0], "LFO 1 Freq Hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x1F, 0xFF, 0xFF); // 9.999999
    writeText(p->sliderCaption[1], "LFO 2 Freq Hz");
    p->sliderTarget[1][0] = 76; // fieldId(2, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[2], "FM Depth");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[3], "DelayMod Depth");
    p->sliderTarget[3][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[4], "Delay Time ms");
    p->sliderTarget[4][0] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 153; // fieldId(4, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // fieldId(4, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "FM");
    writeText(p->programName, "FM-ed Delay Mod");

    // "Ray Gun"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple FM effect");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x41, 0x8A, 0x66, 0x65); // 17.299997 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0xB3, 0x33, 0x33); // 35%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x44, 0x8A, 0x96, 0x66); // 1108.7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x23, 0xD7, 0x0A); // 16%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x23, 0xD7, 0x0A); // 16%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x8A, 0x96, 0x66); // 1108.7
    writeText(p->sliderCaption[0], "Carrier Freq hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x8A, 0x66, 0x65); // 17.299997
    writeText(p->sliderCaption[1], "Mod Rate hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x0C, 0x00, 0x00); // 35
    writeText(p->sliderCaption[2], "Mod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x80, 0x00, 0x00); // 16
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "FM");
    writeText(p->programName, "Ray Gun");

    // "Siren"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Raising the output to the 2nd power (adjusted for sign)  gives the sine wave some higher harmonics.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCE); // 2.7000003 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x57, 0x0A, 0x3D); // 21%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 19.999999%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 19.999999%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    writeText(p->sliderCaption[0], "Carrier Freq hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCE); // 2.7000003
    writeText(p->sliderCaption[1], "Mod Rate hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xA8, 0x00, 0x00); // 21
    writeText(p->sliderCaption[2], "Mod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[3], "Raise to Power");
    p->sliderTarget[3][0] = 51; // fieldId(1, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "FM");
    writeText(p->programName, "Siren");

    // "Telephone Ring"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Mod Depth controls the musical interval produced by the square LFO. (For a major 3rd interval, square root of 5/4 yields 1.095 -> 9.5% mod.)");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Square;
    p->oscFrequency[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3D, 0xC3, 0x61, 0x13); // 9.54%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x01); // 1000.00006 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 19.999999%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 19.999999%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x01); // 1000.00006
    writeText(p->sliderCaption[0], "Carrier Freq hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[1], "Mod Rate hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0x18, 0xA3, 0xD7); // 9.54
    writeText(p->sliderCaption[2], "Mod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "FM");
    writeText(p->programName, "Telephone Ring");

    // "Two-tone siren"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Two-tone siren, with a sine pulse wave.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Square;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x05, 0x1E, 0xB8); // 13%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x44, 0x2F, 0x00, 0x00); // 700 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x38, 0x51, 0xEB); // 17.999999%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x38, 0x51, 0xEB); // 17.999999%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    writeText(p->sliderCaption[0], "LFO Freq hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0xD0, 0x00, 0x00); // 26
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x50, 0x00, 0x00); // 13
    writeText(p->sliderCaption[1], "FreqMod Depth");
    p->sliderTarget[1][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[2] = floatFromBigEndian(0x44, 0xAF, 0x00, 0x00); // 1400
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0x2F, 0x00, 0x00); // 700
    writeText(p->sliderCaption[2], "Sine Freq hz");
    p->sliderTarget[2][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[3], "Power distort.");
    p->sliderTarget[3][0] = 51; // fieldId(1, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x90, 0x00, 0x00); // 18
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "FM");
    writeText(p->programName, "Two-tone siren");

    return first + 6;
}
