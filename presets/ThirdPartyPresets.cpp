#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildThirdPartyPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Cop Radio"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The distortion slider works backwards.  The high mix & hipass vol sliders mix the undistorted highs back into the signal.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->exponent[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
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
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x52, 0xFF, 0xFE); // 843.9999 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xBD, 0x00, 0x00); // 378 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
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
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[0], "Distor- tion");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[1] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0x52, 0xFF, 0xFE); // 843.9999
    writeText(p->sliderCaption[1], "DistRoll off hz");
    p->sliderTarget[1][0] = 51; // module 1, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[2] = floatFromBigEndian(0x45, 0xBB, 0x80, 0x00); // 6000
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xBD, 0x00, 0x00); // 378
    writeText(p->sliderCaption[2], "HighMix Freq hz");
    p->sliderTarget[2][0] = 81; // module 2, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    writeText(p->sliderCaption[3], "Lowpass Volume");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[4], "Hipass Volume");
    p->sliderTarget[4][0] = 93; // module 2, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Cop Radio");

    // "Evil Triplets"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Evil Triplets Speech Deconstructor");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Triangle;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x39, 0x99, 0x99); // 2.8999999 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x24, 0x33, 0x59); // 2.565634 rad
    p->processKind[0] = ProcessKind::Delay;
    p->processTime[0] = floatFromBigEndian(0x45, 0xCA, 0xFF, 0x71); // 6495.93 samples
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x13, 0x74, 0xBC); // 0.576
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x45, 0x1D, 0xA8, 0x53); // 2522.5203 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3D, 0x9F, 0xBE, 0x77); // 0.078
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x2A, 0x3D, 0x70); // 2.6599998
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x2A, 0x3D, 0x70); // 2.6599998
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x2A, 0x3D, 0x70); // 2.6599998
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x2A, 0x3D, 0x70); // 2.6599998
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::Delay;
    p->processTime[4] = floatFromBigEndian(0x45, 0xCC, 0xA6, 0xCE); // 6548.8506 samples
    p->modKind[4][0] = ModKind::ModAMod;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
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
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x66, 0x66, 0x66); // 57.6
    writeText(p->sliderCaption[0], "DelayMod Depth");
    p->sliderTarget[0][0] = 26; // module 0, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0x39, 0x99, 0x99); // 2.8999999
    writeText(p->sliderCaption[1], "LFO rate Hz");
    p->sliderTarget[1][0] = 16; // module 0, column 8
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x13, 0x00, 0x00); // 147
    writeText(p->sliderCaption[2], "\xA1 InitPhase");
    p->sliderTarget[2][0] = 19; // module 0, column 11
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x14, 0x80, 0x00); // 148.5
    writeText(p->sliderCaption[3], "ms Time");
    p->sliderTarget[3][0] = 141; // module 4, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 21; // module 0, column 13
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x7D, 0xEE, 0x6B); // 0.9919192
    p->sliderTarget[3][2] = 51; // module 1, column 13
    p->sliderRatio[3][2] = floatFromBigEndian(0x3E, 0xC5, 0x36, 0xFE); // 0.38518518
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Evilness");
    p->sliderTarget[4][0] = 146; // module 4, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x87, 0x00, 0x00); // 270
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x05, 0x00, 0x00); // 133
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 153; // module 4, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 63; // module 1, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderTarget[5][3] = 64; // module 1, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderTarget[5][4] = 93; // module 2, column 25
    p->sliderRatio[5][4] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderTarget[5][5] = 94; // module 2, column 26
    p->sliderRatio[5][5] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Evil Triplets");

    // "Extreme Wow&Flutter"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Extreme Wow & Flutter.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xB4, 0xF4, 0xAB); // 1.4137167 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x44, 0xD2, 0x93, 0xD8); // 1684.6201 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0xD8, 0x10, 0x61); // 0.42199996
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x27, 0xAE, 0x14); // 2.62
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x27, 0xAE, 0x14); // 2.62
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0x6D, 0x91, 0x69); // 0.23200001
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x27, 0xAE, 0x14); // 2.62
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x27, 0xAE, 0x14); // 2.62
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
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[0], "DelayMod Depth");
    p->sliderTarget[0][0] = 26; // module 0, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x18, 0xCC, 0xCD); // 38.2
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 51; // module 1, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xB9, 0x99, 0x9A); // 23.2
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    writeText(p->sliderCaption[3], "LFO Freq");
    p->sliderTarget[3][0] = 16; // module 0, column 8
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xA2, 0x00, 0x00); // 81
    writeText(p->sliderCaption[4], "\xA1 InitPhase");
    p->sliderTarget[4][0] = 19; // module 0, column 11
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x83, 0x00, 0x00); // 262
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Extreme Wow&Flutter");

    // "FlangerHell"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Flanger with feedback and echo. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x27, 0xAE, 0x14); // 0.655 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x86, 0xDD, 0xAD); // 1.05364
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x42, 0xA3, 0x58, 0xAE); // 81.6732 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x86, 0xDD, 0xAD); // 1.05364
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x46, 0x21, 0x84, 0x29); // 10337.04 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x27, 0xAE, 0x14); // 0.655
    writeText(p->sliderCaption[0], "LFO on flange");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xED, 0x0E, 0x56); // 1.852
    writeText(p->sliderCaption[1], "Delay on flange");
    p->sliderTarget[1][0] = 81; // module 2, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xD4, 0x00, 0x00); // 106
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xD2, 0xBA, 0x5E); // 105.364
    writeText(p->sliderCaption[2], "Feedback flange");
    p->sliderTarget[2][0] = 56; // module 1, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // module 2, column 18
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x6A, 0x66, 0x66); // 234.4
    writeText(p->sliderCaption[3], "Echo time");
    p->sliderTarget[3][0] = 171; // module 5, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[4], "Feedback");
    p->sliderTarget[4][0] = 176; // module 5, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 153; // module 4, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "FlangerHell");

    // "GrittyDelays"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "The module adds a gritty, vibrating delay to your sound.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x19, 0xFF, 0xFF); // 615.99994 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x44, 0x9E, 0xC2, 0x90); // 1270.0801 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x61, 0x68, 0x73); // 3.522
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = ProcessKind::LowPass;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x99, 0xFF, 0xFF); // 1231.9999 Hz
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 1;
    p->modDepth[3][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::Delay;
    p->processTime[4] = floatFromBigEndian(0x45, 0x31, 0x14, 0x15); // 2833.2551 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 1;
    p->modDepth[4][1] = floatFromBigEndian(0x40, 0x44, 0x9B, 0xA6); // 3.072
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x99, 0xFF, 0xFF); // 1231.9999
    writeText(p->sliderCaption[0], "Lowpass freq hz");
    p->sliderTarget[0][0] = 111; // module 3, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1, column 13
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0xE6, 0x66, 0x66); // 28.8
    writeText(p->sliderCaption[1], "Short delay ms");
    p->sliderTarget[1][0] = 81; // module 2, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 141; // module 4, column 13
    p->sliderRatio[1][1] = floatFromBigEndian(0x40, 0x0E, 0xC4, 0xEC); // 2.2307692
    p->sliderMin[2] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[2], "LFO Freq Hz");
    p->sliderTarget[2][0] = 16; // module 0, column 8
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[3], "DelayMod Depth");
    p->sliderTarget[3][0] = 26; // module 0, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x85, 0x80, 0x00); // 267
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x05, 0x00, 0x00); // 133
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 123; // module 3, column 25
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 124; // module 3, column 26
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][4] = 153; // module 4, column 25
    p->sliderRatio[4][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][5] = 154; // module 4, column 26
    p->sliderRatio[4][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x85, 0x80, 0x00); // 267
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "GrittyDelays");

    // "HyPeR WaRp"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "WaRpEd  Pitch Shifting & LFO Modulation");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xA8, 0xAB, 0x2B); // 1.3177236 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0xBF, 0x7C, 0xEE); // 1.496
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x45, 0x4C, 0xCA, 0x16); // 3276.6304 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x90, 0xE5, 0x60); // 1.132
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xEF, 0x5C, 0x29); // 1.87
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xEF, 0x5C, 0x29); // 1.87
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0xE8, 0x3E, 0x42); // 0.4536
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xEF, 0x5C, 0x29); // 1.87
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xEF, 0x5C, 0x29); // 1.87
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::EnvFollow;
    p->envCoefficient[4] = floatFromBigEndian(0x3F, 0x7F, 0xF5, 0xCB); // 0.99984425
    p->envThreshold[4] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->processTime[4] = floatFromBigEndian(0x45, 0x8B, 0x0D, 0x87); // 4449.691 samples
    p->modKind[4][0] = ModKind::RingMod;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0x3E, 0x9B, 0x22, 0xD1); // 0.303
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3E, 0xFF, 0x51, 0x3D); // 0.49866667
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3E, 0xFF, 0x51, 0x3D); // 0.49866667
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
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x15, 0x99, 0x9A); // 149.6
    writeText(p->sliderCaption[0], "DelayMod Depth");
    p->sliderTarget[0][0] = 26; // module 0, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x94, 0x99, 0x9A); // 74.3
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 51; // module 1, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x35, 0x70, 0xA4); // 45.36
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0xF2, 0x66, 0x67); // 30.300001
    writeText(p->sliderCaption[3], "RingMod Depth");
    p->sliderTarget[3][0] = 146; // module 4, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002
    writeText(p->sliderCaption[4], "LFO Freq Hz");
    p->sliderTarget[4][0] = 16; // module 0, column 8
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xA6, 0x80, 0x00); // 333
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x3B, 0x00, 0x00); // 187
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][4] = 153; // module 4, column 25
    p->sliderRatio[5][4] = floatFromBigEndian(0x3E, 0x88, 0x88, 0x89); // 0.26666668
    p->sliderTarget[5][5] = 154; // module 4, column 26
    p->sliderRatio[5][5] = floatFromBigEndian(0x3E, 0x88, 0x88, 0x89); // 0.26666668
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xA6, 0x80, 0x00); // 333
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "HyPeR WaRp");

    // "MultiVox 6"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "MultiVox effect using triangle wave and feedback.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x59, 0x99, 0x9B); // 0.8500001 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x3D, 0x70, 0xA4); // 0.74
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0xD4, 0xFD, 0xF3); // 0.41599998
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCD); // 2.7
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCD); // 2.7
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x44, 0xA5, 0x60, 0x00); // 1323 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0xF9, 0x99, 0x99); // 0.48749998
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x5E, 0x1B, 0xA5); // 3.4704373
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x5E, 0x1B, 0xA5); // 3.4704373
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x59, 0x99, 0x9B); // 0.8500001
    writeText(p->sliderCaption[0], "LFO Freq hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x94, 0x00, 0x00); // 74
    writeText(p->sliderCaption[1], "DelayMod Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[2], "Delay Time ms");
    p->sliderTarget[2][0] = 81; // module 2, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x26, 0x66, 0x66); // 41.6
    writeText(p->sliderCaption[3], "Feed- Forward");
    p->sliderTarget[3][0] = 56; // module 1, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x43, 0x00, 0x00); // 48.75
    writeText(p->sliderCaption[4], "Feedback");
    p->sliderTarget[4][0] = 86; // module 2, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xE1, 0x00, 0x00); // 450
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x87, 0x00, 0x00); // 270
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0xA4, 0x86, 0x41); // 1.2853471
    p->sliderTarget[5][3] = 94; // module 2, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0xA4, 0x86, 0x41); // 1.2853471
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "MultiVox 6");

    // "MultiVox Sine"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "A MultiVox effect using Sine.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0xA6, 0x66, 0x67); // 1.3000001 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3D, 0x0E, 0xFA, 0x35); // 0.034906585 rad
    p->processKind[0] = ProcessKind::Delay;
    p->processTime[0] = floatFromBigEndian(0x44, 0xDC, 0x80, 0x01); // 1764.0001 samples
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0xF4, 0xBC, 0x6A); // 0.478
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xF3, 0x00, 0x00); // 486 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0xAC, 0x08, 0x30); // 0.33599997
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x44, 0xBE, 0xBB, 0x85); // 1525.86 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x6D, 0x91, 0x69); // 0.92800003
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x3F, 0x33, 0x33); // 47.8
    writeText(p->sliderCaption[0], "DelayMod Depth");
    p->sliderTarget[0][0] = 26; // module 0, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x06, 0x66, 0x66); // 33.6
    writeText(p->sliderCaption[1], "Repeat Volume");
    p->sliderTarget[1][0] = 56; // module 1, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xB9, 0x99, 0x9A); // 92.8
    writeText(p->sliderCaption[2], "Feedback Danger");
    p->sliderTarget[2][0] = 86; // module 2, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[3] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0xA6, 0x66, 0x67); // 1.3000001
    writeText(p->sliderCaption[3], "LFO Rate Hz");
    p->sliderTarget[3][0] = 16; // module 0, column 8
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[4], "Delay times ms");
    p->sliderTarget[4][0] = 21; // module 0, column 13
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 81; // module 2, column 13
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x5D, 0x70, 0xA3); // 0.86499995
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "MultiVox Sine");

    // "PA Effect"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Adjust delay time for faster or slower slap.  Add some feedback if desired.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->exponent[0] = floatFromBigEndian(0x3F, 0x8C, 0xCC, 0xCD); // 1.1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x3A, 0x9F, 0xBE); // 2.916
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x3A, 0x9F, 0xBE); // 2.916
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 1;
    p->modDepth[1][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x45, 0x2F, 0x00, 0x00); // 2800 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x59, 0xC6, 0x7D); // 3.4027398
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x59, 0xC6, 0x7D); // 3.4027398
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[0], "Delay time ms");
    p->sliderTarget[0][0] = 51; // module 1, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x8C, 0xCC, 0xCD); // 1.1
    writeText(p->sliderCaption[1], "Distort Power");
    p->sliderTarget[1][0] = 21; // module 0, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 56; // module 1, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderMax[3] = floatFromBigEndian(0x45, 0xDA, 0xC0, 0x00); // 7000
    p->sliderCurrent[3] = floatFromBigEndian(0x45, 0x2F, 0x00, 0x00); // 2800
    writeText(p->sliderCaption[3], "FiltFreq Hz");
    p->sliderTarget[3][0] = 81; // module 2, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 93; // module 2, column 25
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0xF1, 0xF8, 0xFD); // 1.890411
    p->sliderTarget[4][3] = 94; // module 2, column 26
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0xF1, 0xF8, 0xFD); // 1.890411
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "PA Effect");

    // "Paraboost EQ"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Single Band Parametric Boost EQ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3E, 0x9E, 0xB8, 0x52); // 0.31
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3E, 0x9E, 0xB8, 0x52); // 0.31
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x84, 0x84, 0xB6); // 1.0353
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    writeText(p->sliderCaption[0], "Freq Hz");
    p->sliderTarget[0][0] = 51; // module 1, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x84, 0x84, 0xB6); // 1.0353
    writeText(p->sliderCaption[1], "Filter Q Width");
    p->sliderTarget[1][0] = 52; // module 1, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0xF8, 0x00, 0x00); // 31
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 33; // module 0, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 34; // module 0, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Paraboost EQ");

    // "PTrk -> RM -> DDL"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Ring mod that follows the original pitch.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 172; // samples
    p->minLag[0] = 86; // samples
    p->trackInterval[0] = floatFromBigEndian(0x46, 0x2D, 0x4C, 0x9A); // 11091.15 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x1E, 0xB8, 0x52); // 2.48
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::RingMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x46, 0x10, 0xB4, 0x00); // 9261 samples
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3E, 0x6D, 0xC5, 0xD5); // 0.23219998
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3E, 0x6D, 0xC5, 0xD5); // 0.23219998
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x80, 0x80, 0x00); // 257
    writeText(p->sliderCaption[0], "PitchTrk Lo Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0xFE, 0x80, 0x00); // 509
    writeText(p->sliderCaption[1], "PitchTrk Hi Hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x7B, 0x80, 0x00); // 251.5
    writeText(p->sliderCaption[2], "Tracker Time ms");
    p->sliderTarget[2][0] = 19; // module 0, column 11
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x78, 0x00, 0x00); // 248
    writeText(p->sliderCaption[3], "LFO Mod Depth");
    p->sliderTarget[3][0] = 26; // module 0, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 183; // module 5, column 25
    p->sliderRatio[4][1] = floatFromBigEndian(0x3E, 0x84, 0x18, 0x93); // 0.258
    p->sliderTarget[4][2] = 184; // module 5, column 26
    p->sliderRatio[4][2] = floatFromBigEndian(0x3E, 0x84, 0x18, 0x93); // 0.258
    p->sliderTarget[4][3] = 94; // module 2, column 26
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 153; // module 4, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "PTrk -> RM -> DDL");

    // "Radio Prometheus"
    p = &bank[first + 11];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The signal is lowpass filtered to simulate telephone bandwidth.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x44, 0xE0, 0xFF, 0xFF); // 1799.9999 Hz
    p->filterQ[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
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
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x45, 0x3B, 0x7F, 0xFF); // 2999.9998 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x45, 0x16, 0x00, 0x00); // 2400 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 3;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->processKind[3] = ProcessKind::RaiseToPwr;
    p->exponent[3] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 6;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::EnvFollow;
    p->envCoefficient[4] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->envThreshold[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->processTime[4] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[4][0] = ModKind::PowerMod;
    p->modTarget[4][0] = 3;
    p->modDepth[4][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = 0; // kind 0: passes the signal unprocessed
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::HighPass;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300 Hz
    p->filterQ[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 0;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][1] = 0;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->processKind[7] = ProcessKind::LowPass;
    p->mainValue[7] = floatFromBigEndian(0x45, 0xBB, 0x7F, 0xFF); // 5999.9995 Hz
    p->filterQ[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x41, 0x88, 0x00, 0x00); // 17
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x41, 0x88, 0x00, 0x00); // 17
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[0], "HighPass FreqHz");
    p->sliderTarget[0][0] = 201; // module 6, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    writeText(p->sliderCaption[1], "Distort Power");
    p->sliderTarget[1][0] = 111; // module 3, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[2] = floatFromBigEndian(0x46, 0x3B, 0x80, 0x00); // 12000
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0xE0, 0xFF, 0xFF); // 1799.9999
    writeText(p->sliderCaption[2], "LowPass Freq Hz");
    p->sliderTarget[2][0] = 21; // module 0, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 81; // module 2, column 13
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0xAA, 0xAA, 0xAB); // 1.3333334
    p->sliderTarget[2][2] = 51; // module 1, column 13
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0xD5, 0x55, 0x55); // 1.6666666
    p->sliderTarget[2][3] = 231; // module 7, column 13
    p->sliderRatio[2][3] = floatFromBigEndian(0x40, 0x55, 0x55, 0x55); // 3.3333333
    p->sliderMin[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[3], "Filter Q Slope");
    p->sliderTarget[3][0] = 22; // module 0, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 52; // module 1, column 14
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderTarget[3][2] = 82; // module 2, column 14
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->sliderTarget[3][3] = 202; // module 6, column 14
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderTarget[3][4] = 232; // module 7, column 14
    p->sliderRatio[3][4] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x45, 0x3B, 0x80, 0x00); // 3000
    p->sliderCurrent[4] = floatFromBigEndian(0x44, 0xD4, 0x80, 0x00); // 1700
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 243; // module 7, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // module 7, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 183; // module 5, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 184; // module 5, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Radio Prometheus");

    // "Ring Worm"
    p = &bank[first + 12];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The signal's amplitude envelope modulates a lowpass filter, and there's some ring modulation..");
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::EnvFollow;
    p->envCoefficient[1] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->envThreshold[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->processTime[1] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[1][0] = ModKind::FilterFrq;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::BandPass;
    p->mainValue[2] = floatFromBigEndian(0x45, 0x3A, 0x80, 0x01); // 2984.0002 Hz
    p->filterQ[2] = floatFromBigEndian(0x40, 0x90, 0x00, 0x00); // 4.5
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 2.2
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 2.2
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Triangle;
    p->oscFrequency[5] = floatFromBigEndian(0x40, 0xA3, 0x33, 0x33); // 5.1 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 6; // F#
    p->octave[5] = -1;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::RingMod;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 0;
    p->outputGain[6][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->outputOn[6][1] = 0;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA3, 0x33, 0x33); // 5.1
    writeText(p->sliderCaption[0], "LFO Rate Hz");
    p->sliderTarget[0][0] = 166; // module 5, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Wow Factor");
    p->sliderTarget[1][0] = 56; // module 1, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[2] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[2] = floatFromBigEndian(0x45, 0x3A, 0x80, 0x01); // 2984.0002
    writeText(p->sliderCaption[2], "Wow Freq.");
    p->sliderTarget[2][0] = 81; // module 2, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[3] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x90, 0x00, 0x00); // 4.5
    writeText(p->sliderCaption[3], "Wow Q");
    p->sliderTarget[3][0] = 82; // module 2, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x5C, 0x00, 0x00); // 220
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Ring Worm");

    // "Spasms"
    p = &bank[first + 13];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Saw LFO modulates delay inside a feedback loop, causing distortion, robotic and flanging effects.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xAC, 0xCC, 0xCD); // 5.4 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x0B, 0x85, 0x1F); // 0.545
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x44, 0xF9, 0xB7, 0x5D); // 1997.7301 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x90, 0xE5, 0x60); // 1.132
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xBD, 0x4F, 0xDE); // 1.4789999
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::EnvFollow;
    p->envCoefficient[4] = floatFromBigEndian(0x3F, 0x7F, 0xFD, 0xD1); // 0.9999667
    p->envThreshold[4] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->processTime[4] = floatFromBigEndian(0x46, 0xA2, 0x9E, 0x67); // 20815.201 samples
    p->modKind[4][0] = ModKind::RingMod;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3E, 0xA3, 0xD7, 0x0A); // 0.32
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3E, 0xA3, 0xD7, 0x0A); // 0.32
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
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x5A, 0x00, 0x00); // 54.5
    writeText(p->sliderCaption[0], "DelayMod Depth");
    p->sliderTarget[0][0] = 26; // module 0, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x35, 0x33, 0x33); // 45.3
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 51; // module 1, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x13, 0xE6, 0x66); // 147.9
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    writeText(p->sliderCaption[3], "RingMod Depth");
    p->sliderTarget[3][0] = 146; // module 4, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0xEC, 0x00, 0x00); // 472
    writeText(p->sliderCaption[4], "EnvFol Time ms");
    p->sliderTarget[4][0] = 141; // module 4, column 13
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Spasms");

    // "Subtle Boings"
    p = &bank[first + 14];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Not very subtle boings caused by delay modulating a short delay inside a feedback loop.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::Delay;
    p->processTime[0] = floatFromBigEndian(0x43, 0x7F, 0xC7, 0xAF); // 255.78001 samples
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 1.35
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 1.35
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 0;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x38, 0x10, 0x62); // 0.719
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 1.35
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 1.35
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x41, 0x00, 0x10, 0x63); // 8.004001 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0x3D, 0x80, 0x34, 0x6E); // 0.0626
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
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
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xB9, 0x99, 0x9A); // 5.8
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x8F, 0xCC, 0xCD); // 71.9
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 56; // module 1, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0x00, 0x10, 0x63); // 8.004001
    writeText(p->sliderCaption[2], "Vibrato Rate Hz");
    p->sliderTarget[2][0] = 136; // module 4, column 8
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0xC8, 0x51, 0xEC); // 6.26
    writeText(p->sliderCaption[3], "Vibrato Depth");
    p->sliderTarget[3][0] = 146; // module 4, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x07, 0x00, 0x00); // 135
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 33; // module 0, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 34; // module 0, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 63; // module 1, column 25
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 64; // module 1, column 26
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Subtle Boings");

    // "Super Flanger"
    p = &bank[first + 15];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Super Flanger");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3D, 0xC4, 0x98, 0x09); // 0.09599311 rad
    p->processKind[0] = ProcessKind::SampHold;
    p->processTime[0] = floatFromBigEndian(0x46, 0x07, 0xBE, 0xCD); // 8687.7 samples
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x8C, 0x49, 0xBA); // 1.096
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x43, 0x6A, 0x9C, 0xAD); // 234.61201 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x9D, 0xD2, 0xF2); // 1.233
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x43, 0xB9, 0xEB, 0x40); // 371.8379 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xC2, 0x4D, 0xD3); // 1.518
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::EnvFollow;
    p->envCoefficient[4] = floatFromBigEndian(0x3F, 0x7F, 0xD6, 0xCF); // 0.99937147
    p->envThreshold[4] = floatFromBigEndian(0x3D, 0xD4, 0xFD, 0xF3); // 0.103999995
    p->processTime[4] = floatFromBigEndian(0x44, 0x89, 0xD0, 0x00); // 1102.5 samples
    p->modKind[4][0] = ModKind::ModAMod;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
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
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x17, 0xCC, 0xCD); // 151.8
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x17, 0xCC, 0xCD); // 151.8
    writeText(p->sliderCaption[0], "Feedback");
    p->sliderTarget[0][0] = 86; // module 2, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xF6, 0x99, 0x9A); // 123.3
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xF6, 0x99, 0x9A); // 123.3
    writeText(p->sliderCaption[1], "Feed- forward");
    p->sliderTarget[1][0] = 56; // module 1, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x45, 0x00, 0x00); // 197
    writeText(p->sliderCaption[2], "HoldTime ms");
    p->sliderTarget[2][0] = 21; // module 0, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0xAA, 0x3D, 0x71); // 5.32
    writeText(p->sliderCaption[3], "Delay time ms");
    p->sliderTarget[3][0] = 51; // module 1, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 81; // module 2, column 13
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0xCA, 0xDE, 0x2F); // 1.5849055
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xDB, 0x33, 0x33); // 109.6
    writeText(p->sliderCaption[4], "DelayMod Depth");
    p->sliderTarget[4][0] = 26; // module 0, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x34, 0x00, 0x00); // 45
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "Super Flanger");

    // "The Blech"
    p = &bank[first + 16];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The amplitude envelope of the original sound modulates the noise filter cutoff.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x9A); // 1.2
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x9A); // 1.2
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::EnvFollow;
    p->envCoefficient[2] = floatFromBigEndian(0x3F, 0x7F, 0xDD, 0xAC); // 0.9994762
    p->envThreshold[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->processTime[2] = floatFromBigEndian(0x44, 0xA5, 0x60, 0x00); // 1323 samples
    p->modKind[2][0] = ModKind::FilterFrq;
    p->modTarget[2][0] = 3;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Noise;
    p->processKind[3] = ProcessKind::BandPass;
    p->mainValue[3] = floatFromBigEndian(0x45, 0x3B, 0x7F, 0xFF); // 2999.9998 Hz
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3E, 0x0F, 0x5C, 0x29); // 0.14
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3E, 0x0F, 0x5C, 0x29); // 0.14
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[0] = floatFromBigEndian(0x45, 0x3B, 0x7F, 0xFF); // 2999.9998
    writeText(p->sliderCaption[0], "Filt Freq Hz");
    p->sliderTarget[0][0] = 111; // module 3, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Filter Q Slope");
    p->sliderTarget[1][0] = 112; // module 3, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[2], "EnvFol Time ms");
    p->sliderTarget[2][0] = 81; // module 2, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[3], "FiltMod Depth");
    p->sliderTarget[3][0] = 86; // module 2, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x60, 0x00, 0x00); // 14
    writeText(p->sliderCaption[4], "Noise Mix");
    p->sliderTarget[4][0] = 123; // module 3, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 124; // module 3, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x01); // 120.00001
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 33; // module 0, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34; // module 0, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "The Blech");

    // "The Cauldron"
    p = &bank[first + 17];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Very soupy. Great with drum loops.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3E, 0xC0, 0x00, 0x00); // 0.375
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3E, 0xC0, 0x00, 0x00); // 0.375
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x45, 0xAC, 0x44, 0x00); // 5512.5 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x40, 0x83, 0x12); // 0.752
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::BandPass;
    p->mainValue[2] = floatFromBigEndian(0x44, 0x0B, 0x00, 0x00); // 556 Hz
    p->filterQ[2] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x40, 0xDA, 0x1C, 0xAB); // 6.8159995
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Saw;
    p->oscFrequency[4] = floatFromBigEndian(0x40, 0xCC, 0xCC, 0xCD); // 6.4 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->phaseOrLfoDepth[4] = floatFromBigEndian(0x3D, 0x56, 0x77, 0x50); // 0.05235988 rad
    p->processKind[4] = ProcessKind::Delay;
    p->processTime[4] = floatFromBigEndian(0x44, 0xDC, 0x80, 0x01); // 1764.0001 samples
    p->modKind[4][0] = ModKind::FilterFrq;
    p->modTarget[4][0] = 2;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x93, 0xD7, 0x0A); // 1.155
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x02, 0x00, 0x00); // 130
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    writeText(p->sliderCaption[0], "Echo Time ms");
    p->sliderTarget[0][0] = 51; // module 1, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x44, 0x09, 0x80, 0x00); // 550
    p->sliderMax[1] = floatFromBigEndian(0x44, 0x0C, 0x00, 0x00); // 560
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0x0B, 0x00, 0x00); // 556
    writeText(p->sliderCaption[1], "Lowpass Freq hz");
    p->sliderTarget[1][0] = 81; // module 2, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x44, 0x25, 0x00, 0x00); // 660
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x2A, 0x66, 0x66); // 681.6
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0x2A, 0x66, 0x66); // 681.6
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0xCC, 0xCC, 0xCD); // 6.4
    writeText(p->sliderCaption[3], "Filter LFO hz");
    p->sliderTarget[3][0] = 136; // module 4, column 8
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x42, 0xDC, 0x00, 0x00); // 110
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xE7, 0x00, 0x00); // 115.5
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xE7, 0x00, 0x00); // 115.5
    writeText(p->sliderCaption[4], "FilterMod Depth");
    p->sliderTarget[4][0] = 146; // module 4, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 93; // module 2, column 25
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 94; // module 2, column 26
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCD); // 0.8
    p->sliderTarget[5][3] = 64; // module 1, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x42, 0x16, 0x00, 0x00); // 37.5
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 33; // module 0, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 34; // module 0, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "The Cauldron");

    // "WeirdChorus"
    p = &bank[first + 18];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Lots of pitch-shifting");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Triangle;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x7F, 0xFF, 0xFF); // 0.99999994 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x7A, 0xE1, 0x47); // 0.97999996
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x7A, 0xE1, 0x47); // 0.97999996
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x44, 0x1A, 0x59, 0x9A); // 617.4 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xCD, 0xD9, 0x80); // 1.6082001
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x7A, 0xE1, 0x47); // 0.97999996
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x7A, 0xE1, 0x47); // 0.97999996
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x7F, 0xFF, 0xFF); // 0.99999994
    writeText(p->sliderCaption[0], "LFO Freq  hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x60, 0x00, 0x00); // 14
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 81; // module 2, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[2], "DelayMod Depth");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x20, 0xD1, 0xEC); // 160.82
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 86; // module 2, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC4, 0x00, 0x00); // 98
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 93; // module 2, column 25
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 94; // module 2, column 26
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Third Party");
    writeText(p->programName, "WeirdChorus");

    return first + 19;
}
