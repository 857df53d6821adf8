#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildTestTonesPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Add 50/60-cycle Hum"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This adds 50 or 60 cycle hum, with optional harmonics.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x9A); // 1.2
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x9A); // 1.2
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    writeText(p->sliderCaption[0], "Hum Freq hz");
    p->sliderTarget[0][0] = 46; // module 1, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    writeText(p->sliderCaption[1], "Power Distort%");
    p->sliderTarget[1][0] = 51; // module 1, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[2], "Hum Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x01); // 120.00001
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 33; // module 0, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 34; // module 0, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Add 50/60-cycle Hum");

    // "Additive Synthesis"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Slider A controls the frequency of the fundamental tone. The remaining sliders control the relative amplitudes of various harmonics.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 0; // C
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 0; // C
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 0; // C
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 0; // C
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 0; // C
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3E, 0x00, 0x00, 0x00); // 0.125
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3E, 0x00, 0x00, 0x00); // 0.125
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 0; // C
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3D, 0x7D, 0xF3, 0xB5); // 0.061999995
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3D, 0x7D, 0xF3, 0xB5); // 0.061999995
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x44, 0x2F, 0x00, 0x00); // 700 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 0; // C
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3C, 0xFD, 0xF3, 0xB5); // 0.030999998
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3C, 0xFD, 0xF3, 0xB5); // 0.030999998
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3C, 0x83, 0x12, 0x6E); // 0.015999999
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x3C, 0x83, 0x12, 0x6E); // 0.015999999
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "Fund. Freq Hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 46; // module 1, column 8
    p->sliderRatio[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderTarget[0][2] = 76; // module 2, column 8
    p->sliderRatio[0][2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderTarget[0][3] = 106; // module 3, column 8
    p->sliderRatio[0][3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderTarget[0][4] = 136; // module 4, column 8
    p->sliderRatio[0][4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderTarget[0][5] = 166; // module 5, column 8
    p->sliderRatio[0][5] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderTarget[0][6] = 196; // module 6, column 8
    p->sliderRatio[0][6] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7
    p->sliderTarget[0][7] = 226; // module 7, column 8
    p->sliderRatio[0][7] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[1], "1st Harm Vol");
    p->sliderTarget[1][0] = 33; // module 0, column 25
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // module 0, column 26
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "2ndHarm Vol");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[3], "3rdHarm Vol");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[4], "4,6,8 Vol");
    p->sliderTarget[4][0] = 123; // module 3, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 124; // module 3, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 183; // module 5, column 25
    p->sliderRatio[4][2] = floatFromBigEndian(0x3E, 0x7D, 0xF3, 0xB6); // 0.248
    p->sliderTarget[4][3] = 184; // module 5, column 26
    p->sliderRatio[4][3] = floatFromBigEndian(0x3E, 0x7D, 0xF3, 0xB6); // 0.248
    p->sliderTarget[4][4] = 243; // module 7, column 25
    p->sliderRatio[4][4] = floatFromBigEndian(0x3D, 0x83, 0x12, 0x6E); // 0.063999996
    p->sliderTarget[4][5] = 244; // module 7, column 26
    p->sliderRatio[4][5] = floatFromBigEndian(0x3D, 0x83, 0x12, 0x6E); // 0.063999996
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x41, 0x48, 0x00, 0x00); // 12.5
    writeText(p->sliderCaption[5], "5,7 Vol");
    p->sliderTarget[5][0] = 153; // module 4, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 213; // module 6, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3E, 0x7D, 0xF3, 0xB6); // 0.248
    p->sliderTarget[5][3] = 214; // module 6, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3E, 0x7D, 0xF3, 0xB6); // 0.248
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Additive Synthesis");

    // "Click Track"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Simple click-track generator.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0xD5, 0x55, 0x56); // 1.6666667 Hz
    p->freqMode[0] = FreqMode::Bpm;
    p->sliderFreqMode[0] = FreqMode::Bpm;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::PhaseShape;
    p->phaseShape[0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 Hz
    p->filterQ[2] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::RaiseToPwr;
    p->exponent[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "BeatsPer Minute");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[1], "Power shaping");
    p->sliderTarget[1][0] = 51; // module 1, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x96, 0x00, 0x00); // 1200
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    writeText(p->sliderCaption[2], "Lowpass freq Hz");
    p->sliderTarget[2][0] = 81; // module 2, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xC0, 0x00, 0x00); // 24
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    writeText(p->sliderCaption[3], "Lowpass Q");
    p->sliderTarget[3][0] = 82; // module 2, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 153; // module 4, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 154; // module 4, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Click Track");

    // "Guitar Tuning"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Guitar tuning pitches");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x42, 0xA4, 0xD0, 0x50); // 82.40686 Hz
    p->freqMode[0] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 4; // E
    p->octave[0] = 2;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->exponent[0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0xE0, 0x00, 0x00); // 1.75
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xE0, 0x00, 0x00); // 1.75
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x42, 0xDB, 0xFF, 0xFC); // 109.99997 Hz
    p->freqMode[1] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 2;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0x12, 0xD5, 0x15); // 146.83235 Hz
    p->freqMode[2] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 2; // D
    p->octave[2] = 3;
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->exponent[2] = floatFromBigEndian(0x3F, 0x8C, 0xCC, 0xCC); // 1.0999999
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0x43, 0xFF, 0x67); // 195.99767 Hz
    p->freqMode[4] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 7; // G
    p->octave[4] = 3;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0x76, 0xF1, 0x0D); // 246.9416 Hz
    p->freqMode[5] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 11; // B
    p->octave[5] = 3;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xA4, 0xD0, 0x52); // 329.6275 Hz
    p->freqMode[6] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 4; // E
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x2F, 0x00, 0x00); // 175
    writeText(p->sliderCaption[0], "Low E volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34; // module 0, column 26
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[1], "A volume");
    p->sliderTarget[1][0] = 63; // module 1, column 25
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 64; // module 1, column 26
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[2], "D volume");
    p->sliderTarget[2][0] = 93; // module 2, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 94; // module 2, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "G volume");
    p->sliderTarget[3][0] = 153; // module 4, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 154; // module 4, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "B volume");
    p->sliderTarget[4][0] = 183; // module 5, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 184; // module 5, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "High E volume");
    p->sliderTarget[5][0] = 213; // module 6, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 214; // module 6, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Guitar Tuning");

    // "Polyrhythmic Click Track"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Experiment with polyrhythms. 1st slider controls the overall rate. Use remaining sliders to turn multiples of that rate on or off.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[0] = FreqMode::Bpm;
    p->sliderFreqMode[0] = FreqMode::Bpm;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 7;
    p->modDepth[0][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Saw;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2 Hz
    p->freqMode[1] = FreqMode::Bpm;
    p->sliderFreqMode[1] = FreqMode::Bpm;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->phaseOrLfoDepth[1] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 Hz
    p->filterQ[1] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 7;
    p->modDepth[1][0] = floatFromBigEndian(0x41, 0x1F, 0xFF, 0xFF); // 9.999999
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Saw;
    p->oscFrequency[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x02); // 3.0000005 Hz
    p->freqMode[2] = FreqMode::Bpm;
    p->sliderFreqMode[2] = FreqMode::Bpm;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 Hz
    p->filterQ[2] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 7;
    p->modDepth[2][0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Saw;
    p->oscFrequency[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4 Hz
    p->freqMode[3] = FreqMode::Bpm;
    p->sliderFreqMode[3] = FreqMode::Bpm;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[3] = ProcessKind::HighPass;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800 Hz
    p->filterQ[3] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 7;
    p->modDepth[3][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Saw;
    p->oscFrequency[4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x02); // 5.000001 Hz
    p->freqMode[4] = FreqMode::Bpm;
    p->sliderFreqMode[4] = FreqMode::Bpm;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->phaseOrLfoDepth[4] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[4] = ProcessKind::HighPass;
    p->mainValue[4] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 Hz
    p->filterQ[4] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 7;
    p->modDepth[4][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->processKind[7] = ProcessKind::RaiseToPwr;
    p->exponent[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x6F, 0xFF, 0xFF); // 59.999996
    writeText(p->sliderCaption[0], "Base BPM");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 46; // module 1, column 8
    p->sliderRatio[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderTarget[0][2] = 76; // module 2, column 8
    p->sliderRatio[0][2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x02); // 3.0000005
    p->sliderTarget[0][3] = 106; // module 3, column 8
    p->sliderRatio[0][3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderTarget[0][4] = 136; // module 4, column 8
    p->sliderRatio[0][4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x02); // 5.000001
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[1], "1x Level");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0x79, 0xFF, 0xFF); // 999.99994
    writeText(p->sliderCaption[2], "2x Level");
    p->sliderTarget[2][0] = 56; // module 1, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[3] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    writeText(p->sliderCaption[3], "3x Level");
    p->sliderTarget[3][0] = 86; // module 2, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "4x Level");
    p->sliderTarget[4][0] = 116; // module 3, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "5x Level");
    p->sliderTarget[5][0] = 146; // module 4, column 18
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[6] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[6], "Overall Level");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Polyrhythmic Click Track");

    // "Sine Wave Sweep"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This does an upward sine wave sweep from 0 hz to  twice the specified Carrier frequency.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCD); // 0.4
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440
    writeText(p->sliderCaption[0], "Carrier Freq hz");
    p->sliderTarget[0][0] = 46; // module 1, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Mod Rate hz");
    p->sliderTarget[1][0] = 16; // module 0, column 8
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "FM Depth");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[3], "Output Volume");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Sine Wave Sweep");

    // "Tone Generator"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Simple tone generator. Set Quant to quantize to the desired number of semitones.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::QuantizeFrq;
    p->quantizeStep[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 semitones
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Triangle;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::QuantizeFrq;
    p->quantizeStep[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 semitones
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Square;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::QuantizeFrq;
    p->quantizeStep[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 semitones
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Saw;
    p->oscFrequency[3] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::QuantizeFrq;
    p->quantizeStep[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 semitones
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x46, 0x1C, 0x40, 0x00); // 10000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440
    writeText(p->sliderCaption[0], "Freq Hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 46; // module 1, column 8
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 76; // module 2, column 8
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 106; // module 3, column 8
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Quant Semitones");
    p->sliderTarget[1][0] = 21; // module 0, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 51; // module 1, column 13
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 81; // module 2, column 13
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 111; // module 3, column 13
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[2], "Sine Mix");
    p->sliderTarget[2][0] = 33; // module 0, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 34; // module 0, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Triangle Mix");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Square Mix");
    p->sliderTarget[4][0] = 93; // module 2, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Saw Mix");
    p->sliderTarget[5][0] = 123; // module 3, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 124; // module 3, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "Tone Generator");

    // "White Noise"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "White Noise");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Noise;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34; // module 0, column 26
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Test Tones");
    writeText(p->programName, "White Noise");

    return first + 8;
}
