#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildTremoloPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "CrossPan Tremolo"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This tremolo rapidly cross-pans a stereo selection from left to right.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::PanMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::PanMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::RightIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Tremolo Rate hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Mod Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xE1, 0x00, 0x00); // 450
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x52, 0x00, 0x00); // 210
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 93; // module 2, column 25
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 94; // module 2, column 26
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 243; // module 7, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 244; // module 7, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "CrossPan Tremolo");

    // "EnvFol->AM&FM Trm"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "We track the amplitude envelope and use the result to amplitude- and frequency-modulate the tremolo, for a less regular, more natural effect.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0xF4, 0x8E); // 0.99982536
    p->envThreshold[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->processTime[0] = floatFromBigEndian(0x45, 0x78, 0x10, 0x01); // 3969.0002 samples
    p->modKind[0][0] = ModKind::AmplMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->modKind[0][1] = ModKind::FreqMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::AmplMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
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
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x13, 0x33, 0x33); // 2.3
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x13, 0x33, 0x33); // 2.3
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x60, 0x00, 0x00); // 14
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7
    writeText(p->sliderCaption[0], "Tremolo Freq hz");
    p->sliderTarget[0][0] = 46; // module 1, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[1], "EnvFol AM");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[2], "EnvFol FM");
    p->sliderTarget[2][0] = 29; // module 0, column 21
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[3], "Tremolo Depth");
    p->sliderTarget[3][0] = 56; // module 1, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[4], "EnvFol Time ms");
    p->sliderTarget[4][0] = 21; // module 0, column 13
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x66, 0x00, 0x00); // 230
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "EnvFol->AM&FM Trm");

    // "Pan Tremolo"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This tremolo rapidly pans a stereo selection from left to right.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::PanMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xD9, 0x99, 0x99); // 1.6999999
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xD9, 0x99, 0x99); // 1.6999999
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Tremolo Rate hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[1], "Mod Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xAA, 0x00, 0x00); // 340
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 243; // module 7, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 244; // module 7, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "Pan Tremolo");

    // "RingMod Tremolo"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This creates a low-frequency Ring Mod (tremolo) effect, with the Ring Modulator itself being frequency, power, and mod depth modulated.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::PowerMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->modKind[1][0] = ModKind::RingMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x28, 0xF5, 0xC2); // 0.65999997
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
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCD); // 0.4 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::FreqMod;
    p->modTarget[4][0] = 1;
    p->modDepth[4][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::ModAMod;
    p->modTarget[5][0] = 1;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    writeText(p->sliderCaption[0], "RingMod Freq Hz");
    p->sliderTarget[0][0] = 46; // module 1, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    writeText(p->sliderCaption[1], "PowrMod LFO Hz");
    p->sliderTarget[1][0] = 16; // module 0, column 8
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[2], "PowrMod Depth");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[3] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCD); // 0.4
    writeText(p->sliderCaption[3], "FreqMod LFO Hz");
    p->sliderTarget[3][0] = 136; // module 4, column 8
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[4], "FreqMod Depth");
    p->sliderTarget[4][0] = 146; // module 4, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[5] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[5] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997
    writeText(p->sliderCaption[5], "RM Freq Hz");
    p->sliderTarget[5][0] = 166; // module 5, column 8
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    p->sliderCurrent[6] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[6], "Output Volume");
    p->sliderTarget[6][0] = 93; // module 2, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 94; // module 2, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "RingMod Tremolo");

    // "Squareish Tremolo"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The tremolo is generated by a sine-wave LFO that is squared off by raising it to a power and smoothed with a lowpass filter.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->exponent[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x01); // 0.50000006
    p->modKind[0][0] = ModKind::AmplMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
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
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[0], "LFO Rate Hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x01); // 0.50000006
    writeText(p->sliderCaption[1], "Shape (power)");
    p->sliderTarget[1][0] = 21; // module 0, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x01); // 30.000002
    writeText(p->sliderCaption[2], "Tremolo Depth");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // module 7, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // module 7, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "Squareish Tremolo");

    // "Tremolo 1"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Basic Tremolo");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::AmplMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x0F, 0x5C, 0x29); // 0.56
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x0F, 0x5C, 0x29); // 0.56
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x57, 0x0A, 0x3D); // 0.84
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x57, 0x0A, 0x3D); // 0.84
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Tremolo Rate hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Tremolo Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x60, 0x00, 0x00); // 56
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xA8, 0x00, 0x00); // 84
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "Tremolo 1");

    // "Triangle Tremolo"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The tremolo is generated by a triangle-wave LFO instead of a sine LFO.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Triangle;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::AmplMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 2.2
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 2.2
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x01); // 30.000002
    writeText(p->sliderCaption[0], "Tremolo Depth %");
    p->sliderTarget[0][0] = 26; // module 0, column 18
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[1], "LFO Rate Hz");
    p->sliderTarget[1][0] = 16; // module 0, column 8
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x07, 0x00, 0x00); // 540
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x5C, 0x00, 0x00); // 220
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "Triangle Tremolo");

    // "60's Tremolo"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "60's Tremolo");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::AmplMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xF3, 0x33, 0x33); // 1.9
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xF3, 0x33, 0x33); // 1.9
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Tremolo Rate hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[1], "Tremolo Depth %");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x3E, 0x00, 0x00); // 190
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Tremolo");
    writeText(p->programName, "60's Tremolo");

    return first + 8;
}
