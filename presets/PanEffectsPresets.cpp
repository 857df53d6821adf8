#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildPanEffectsPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "AutoPan"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This patch automatically pans a stereo selection between left and right.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5 Hz
    p->freqMode[0] = FreqMode::Bpm;
    p->sliderFreqMode[0] = FreqMode::Bpm;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::PanMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x5D, 0xCC, 0xEE); // 3.465633 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x5D, 0xCC, 0xEE); // 3.465633 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[0], "LFO Rate BPM");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    writeText(p->sliderCaption[1], "PanMod Depth");
    p->sliderTarget[1][0] = 26; // module 0 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 243; // module 7 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 244; // module 7 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "AutoPan");

    // "BPM Pan"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Slider A controls the Pan Rate (bpm). Slider B controls whether the panning LFO is an abrupt square wave (0), a sine (1), or left/center/right (5).");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0xD5, 0x55, 0x56); // 1.6666667 Hz
    p->freqMode[0] = FreqMode::Bpm;
    p->sliderFreqMode[0] = FreqMode::Bpm;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[0][0] = ModKind::PanMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x5F, 0xB4, 0xDE); // 3.4954143 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x5F, 0xB4, 0xDE); // 3.4954143 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "Pan Rate bpm");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    writeText(p->sliderCaption[1], "Pan Shape");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Pan Mod Depth");
    p->sliderTarget[2][0] = 26; // module 0 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 63; // module 1 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // module 7 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // module 7 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "BPM Pan");

    // "Comb Pseudo-Stereo"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Pseudo-stereo using two comb filters.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->channelWord[0][0] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 1;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->channelWord[1][0] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::RightIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->moduleWord1044[4] = 1;
    p->moduleWord1076[4] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[5][0] = ModKind::NoMod;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0xBF, 0x40, 0x00, 0x00); // -0.75
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->channelWord[5][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 51; // module 1 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 171; // module 5 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[1], "Output Volume");
    p->sliderTarget[1][0] = 33; // module 0 left gain
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 63; // module 1 left gain
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 154; // module 4 right gain
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 184; // module 5 right gain
    p->sliderRatio[1][3] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Comb Pseudo-Stereo");

    // "Comb Pseudo-Stereo 2"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Pseudo-stereo using complementary comb filters, and bypassing the comb filter for the low frequencies");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x40, 0xF0, 0x00, 0x00); // 7.5 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x43, 0xA5, 0x60, 0x00); // 330.75 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 4;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xF0, 0x00, 0x00); // 7.5
    writeText(p->sliderCaption[0], "Comb Delay ms");
    p->sliderTarget[0][0] = 51; // module 1 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Filter cutoff Hz");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 81; // module 2 main value
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 33; // module 0 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 34; // module 0 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 63; // module 1 left gain
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 64; // module 1 right gain
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 93; // module 2 left gain
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][5] = 94; // module 2 right gain
    p->sliderRatio[2][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Comb Pseudo-Stereo 2");

    // "Comb Pseudo-Stereo 3"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Pseudo-stereo using complementary comb filters, and bypassing the comb filter for the low frequencies. Sums to mono.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0xE0, 0x00, 0x00); // 1.75
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xE0, 0x00, 0x00); // 1.75
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x43, 0x84, 0x4C, 0xCD); // 264.6 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 4;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->processKind[5] = 0; // kind 0: passes the signal unprocessed
    p->modKind[5][0] = ModKind::DelayMod;
    p->modTarget[5][0] = 1;
    p->modDepth[5][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscPhase[5][0] = floatFromBigEndian(0x3F, 0x83, 0xC7, 0x0E); // 1.0295122 rad
    p->oscPhase[5][1] = floatFromBigEndian(0x3F, 0x83, 0xC7, 0x0E); // 1.0295122 rad

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Comb Delay ms");
    p->sliderTarget[0][0] = 51; // module 1 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderMax[1] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    writeText(p->sliderCaption[1], "Lowpass Freq Hz");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[2] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[2], "LFO Freq Hz");
    p->sliderTarget[2][0] = 166; // module 5 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[3], "LFO Depth %");
    p->sliderTarget[3][0] = 176; // module 5 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Output Volume");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderTarget[4][2] = 93; // module 2 left gain
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 94; // module 2 right gain
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Comb Pseudo-Stereo 3");

    // "Comb Pseudo-Stereo 4"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Pseudo-stereo using complementary comb filters. Sums to mono.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftRightIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::Delay;
    p->mainValue[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 ms
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[0] = floatFromBigEndian(0x43, 0x5C, 0x80, 0x01); // 220.50002 samples
    p->modKind[0][0] = ModKind::Mix;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCE); // 0.8000001
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x43, 0x5C, 0x80, 0x01); // 220.50002 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 1;
    p->modDepth[1][0] = floatFromBigEndian(0xBF, 0x4C, 0xCC, 0xCE); // -0.8000001
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[0], "Delay ms");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x01); // 80.00001
    writeText(p->sliderCaption[1], "Feedback %");
    p->sliderTarget[1][0] = 26; // module 0 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 56; // module 1 slot A depth
    p->sliderRatio[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 33; // module 0 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Comb Pseudo-Stereo 4");

    // "CrossPan"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This patch automatically cross-pans the channels of a stereo selection in opposite directions.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::PanMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::PanMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x07, 0x0E, 0x29); // 2.1102393 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x07, 0x0E, 0x29); // 2.1102393 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftIn;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::RightIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    writeText(p->sliderCaption[0], "Pan Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Pan Depth");
    p->sliderTarget[1][0] = 26; // module 0 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 29; // module 0 slot B depth
    p->sliderRatio[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x3B, 0x80, 0x00); // 187.5
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 93; // module 2 left gain
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 94; // module 2 right gain
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 243; // module 7 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 244; // module 7 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "CrossPan");

    // "EnvFol->Pan"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Pan sounds left/right according to their amplitude Envelope. PanMod Depth varies effect amount. Adjust L/R Offset as desired.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0xE0, 0x00, 0x00); // 1.75
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->lastPitch[0][0] = floatFromBigEndian(0x43, 0x57, 0x62, 0x76); // 215.38461 Hz
    p->lastPitch[0][1] = floatFromBigEndian(0x43, 0x57, 0x62, 0x76); // 215.38461 Hz

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::EnvFollow;
    p->mainValue[1] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->envCoefficient[1] = floatFromBigEndian(0x3F, 0x7F, 0xD6, 0xCF); // 0.99937147
    p->processTime[1] = floatFromBigEndian(0x44, 0x89, 0xD0, 0x00); // 1102.5 samples
    p->modKind[1][0] = ModKind::PanMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x44, 0x89, 0xD0, 0x00); // 1102.5 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[0], "PanMod Depth");
    p->sliderTarget[0][0] = 56; // module 1 slot A depth
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x2F, 0x00, 0x00); // 175
    writeText(p->sliderCaption[1], "L/R Pan Offset");
    p->sliderTarget[1][0] = 26; // module 0 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[2], "Time Const%");
    p->sliderTarget[2][0] = 51; // module 1 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 81; // module 2 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "EnvFol Thresh");
    p->sliderTarget[3][0] = 52; // module 1 threshold
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 33; // module 0 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34; // module 0 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "EnvFol->Pan");

    // "EnvFol->Pan Rate"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The rate at which the input is panned between left and right is modulated by the envelope of the signal; it pans faster as the signal gets louder.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->mainValue[0] = floatFromBigEndian(0x41, 0x6F, 0xFF, 0xFF); // 14.999999 ms
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->processTime[0] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCE); // 1.6000001 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::PanMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->oscPhase[1][0] = floatFromBigEndian(0x40, 0x48, 0xCE, 0xE7); // 3.1376283 rad
    p->oscPhase[1][1] = floatFromBigEndian(0x40, 0xB4, 0x89, 0x2F); // 5.641746 rad

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::DcOffset;
    p->mainValue[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->dcOffset[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::FreqMod;
    p->modTarget[4][0] = 1;
    p->modDepth[4][0] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1076[4] = 1;
    p->channelWord[4][0] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCE); // 1.6000001
    writeText(p->sliderCaption[0], "Pan Rate Hz");
    p->sliderTarget[0][0] = 46; // module 1 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Pan Depth");
    p->sliderTarget[1][0] = 56; // module 1 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0x6F, 0xFF, 0xFF); // 14.999999
    writeText(p->sliderCaption[2], "EnvFol Time ms");
    p->sliderTarget[2][0] = 21; // module 0 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0xAF, 0x00, 0x00); // 350
    writeText(p->sliderCaption[3], "Pan Rate Mod Depth");
    p->sliderTarget[3][0] = 146; // module 4 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "EnvFol->Pan Rate");

    // "EnvFol->Rotary"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "The signal's envelope controls an LFO which sweeps the filter frequency and delay time, resulting in phase shifts, filter and panning fx.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180 ms
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0xFA, 0x47); // 0.9999127
    p->processTime[0] = floatFromBigEndian(0x45, 0xF8, 0x10, 0x01); // 7938.0005 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::FreqMod;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x41, 0x40, 0x00, 0x01); // 12.000001 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::FilterFrq;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->modKind[1][1] = ModKind::DelayMod;
    p->modTarget[1][1] = 3;
    p->modDepth[1][1] = floatFromBigEndian(0x3A, 0x83, 0x12, 0x6F); // 0.001
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->oscPhase[1][0] = floatFromBigEndian(0x3F, 0x6C, 0x00, 0x62); // 0.92188084 rad
    p->oscPhase[1][1] = floatFromBigEndian(0x40, 0x93, 0xDE, 0xE0); // 4.6209564 rad

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0x5B, 0xFF, 0xFC); // 219.99994 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 3;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x45, 0x1C, 0x40, 0x00); // 2500 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 3;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->oscFrequency[3] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::Delay;
    p->mainValue[3] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120 ms
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[3] = floatFromBigEndian(0x45, 0xA5, 0x60, 0x00); // 5292 samples
    p->modKind[3][0] = ModKind::NoMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[3] = 1;
    p->moduleWord1060[3] = 1;
    p->channelWord[3][0] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x45, 0xA5, 0x60, 0x00); // 5292 samples
    p->modKind[4][0] = ModKind::NoMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[4] = 1;
    p->moduleWord1060[4] = 1;
    p->channelWord[4][0] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0xC1, 0x40, 0x00, 0x01); // -12.000001 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->mainValue[5] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::FilterFrq;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->modKind[5][1] = ModKind::DelayMod;
    p->modTarget[5][1] = 7;
    p->modDepth[5][1] = floatFromBigEndian(0x3A, 0x83, 0x12, 0x6F); // 0.001
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->oscPhase[5][0] = floatFromBigEndian(0x40, 0xAB, 0x8F, 0xF0); // 5.3613205 rad
    p->oscPhase[5][1] = floatFromBigEndian(0x3F, 0xD4, 0xB1, 0xD5); // 1.661677 rad

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::LowPass;
    p->mainValue[6] = floatFromBigEndian(0x45, 0x1C, 0x40, 0x00); // 2500 Hz
    p->filterQ[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::Delay;
    p->mainValue[7] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120 ms
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->processTime[7] = floatFromBigEndian(0x45, 0xA5, 0x60, 0x00); // 5292 samples
    p->modKind[7][0] = ModKind::NoMod;
    p->modTarget[7][0] = 1;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->moduleWord1044[7] = 1;
    p->moduleWord1060[7] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[0], "EnvFol Time ms");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 141; // module 4 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x2A, 0xAA, 0xAB); // 0.6666667
    p->sliderTarget[0][2] = 111; // module 3 main value
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x2A, 0xAA, 0xAB); // 0.6666667
    p->sliderTarget[0][3] = 231; // module 7 main value
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x2A, 0xAA, 0xAB); // 0.6666667

    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[1] = floatFromBigEndian(0x41, 0xC0, 0x00, 0x00); // 24
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x40, 0x00, 0x01); // 12.000001
    writeText(p->sliderCaption[1], "LFO Freq Hz");
    p->sliderTarget[1][0] = 46; // module 1 frequency
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 166; // module 5 frequency
    p->sliderRatio[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[2], "FiltMod Depth");
    p->sliderTarget[2][0] = 56; // module 1 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 176; // module 5 slot A depth
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[3], "DelayMod Depth");
    p->sliderTarget[3][0] = 59; // module 1 slot B depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 179; // module 5 slot B depth
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderMax[4] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[4] = floatFromBigEndian(0x45, 0x1C, 0x40, 0x00); // 2500
    writeText(p->sliderCaption[4], "Lowpass Freq Hz");
    p->sliderTarget[4][0] = 81; // module 2 main value
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xA0, 0x00, 0x00); // 320
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 123; // module 3 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[6] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[6], "Delayed Dry Mix");
    p->sliderTarget[6][0] = 153; // module 4 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 154; // module 4 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "EnvFol->Rotary");

    // "In & Out of Phase"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This periodically  inverts the phase of one or both channels. To keep one channel fixed, set its Rate slider to 0. Set Phases to either 100 or -100.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->pendingAmplMod[0][0] = 1;
    p->pendingAmplMod[0][1] = 34816;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::RightIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][1] = 1;
    p->pendingAmplMod[1][0] = 1;
    p->pendingAmplMod[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->freqMode[2] = FreqMode::Bpm;
    p->sliderFreqMode[2] = FreqMode::Bpm;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[2] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[2][0] = ModKind::RingMod;
    p->modDepth[2][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 1;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5 Hz
    p->freqMode[3] = FreqMode::Bpm;
    p->sliderFreqMode[3] = FreqMode::Bpm;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[3] = ProcessKind::RaiseToPwr;
    p->mainValue[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[3][0] = ModKind::RingMod;
    p->modTarget[3][0] = 1;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[3] = 1;
    p->oscPhase[3][0] = floatFromBigEndian(0x3D, 0x05, 0xF0, 0x3D); // 0.032699812 rad
    p->oscPhase[3][1] = floatFromBigEndian(0x3D, 0x05, 0xF0, 0x3D); // 0.032699812 rad

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[0], "L Inversion Rate BPM");
    p->sliderTarget[0][0] = 76; // module 2 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[1], "R Inversion Rate BPM");
    p->sliderTarget[1][0] = 106; // module 3 frequency
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    writeText(p->sliderCaption[2], "Raise to power");
    p->sliderTarget[2][0] = 81; // module 2 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 111; // module 3 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    writeText(p->sliderCaption[3], "L Phase (+/-100)");
    p->sliderTarget[3][0] = 86; // module 2 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "R Phase (+/-100)");
    p->sliderTarget[4][0] = 116; // module 3 slot A depth
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[5], "Output Volume");
    p->sliderTarget[5][0] = 33; // module 0 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "In & Out of Phase");

    // "Modulated AutoPan"
    p = &bank[first + 11];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The sine wave which pans a stereo selection between left and right is itself slowly frequency modulated.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0x2F, 0x46, 0x93); // 0.6846706 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0x2F, 0x46, 0x93); // 0.6846706 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0x7F, 0xFF, 0xFF); // 3.9999998 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::PanMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->oscPhase[1][0] = floatFromBigEndian(0x3E, 0xF1, 0xD2, 0x79); // 0.4723089 rad
    p->oscPhase[1][1] = floatFromBigEndian(0x3E, 0xF1, 0xD2, 0x79); // 0.4723089 rad

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x7F, 0xFF, 0xFF); // 3.9999998
    writeText(p->sliderCaption[0], "Pan Rate Hz");
    p->sliderTarget[0][0] = 46; // module 1 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Pan Depth");
    p->sliderTarget[1][0] = 56; // module 1 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[2] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    writeText(p->sliderCaption[2], "Pan Mod Rate Hz");
    p->sliderTarget[2][0] = 16; // module 0 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[3], "Pan Mod Depth");
    p->sliderTarget[3][0] = 26; // module 0 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Modulated AutoPan");

    // "Mono Unlike Stereo"
    p = &bank[first + 12];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Use this to encode audio so it will sound like the right input when mixed to stereo, but like the left input (at a low level) when mixed to mono.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3D, 0x4C, 0xCC, 0xCB); // 0.049999993
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3D, 0x4C, 0xCC, 0xCB); // 0.049999993
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->channelWord[0][0] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::RightIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 4;
    p->modDepth[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x00); // -2
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = 0; // kind 0: passes the signal unprocessed
    p->modKind[4][0] = ModKind::NoMod;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = 0; // kind 0: passes the signal unprocessed
    p->modKind[5][0] = ModKind::NoMod;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x9F, 0xFF, 0xFF); // 4.9999995
    writeText(p->sliderCaption[0], "Left Input Level");
    p->sliderTarget[0][0] = 26; // module 0 slot A depth
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 29; // module 0 slot B depth
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[1], "Right Input Level");
    p->sliderTarget[1][0] = 56; // module 1 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 59; // module 1 slot B depth
    p->sliderRatio[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 153; // module 4 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 184; // module 5 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Mono Unlike Stereo");

    // "M-S Decoder"
    p = &bank[first + 13];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "M/S Decoder (Also works as M/S Encoder). Converts mid-side coincident stereo microphone pair to left/right signals. Width normally = 100.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 3;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x42, 0x0D, 0x33, 0x33); // 35.3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 3;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputGain[1][1] = floatFromBigEndian(0xBF, 0x40, 0x00, 0x00); // -0.75
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::RightIn;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->mainValue[5] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 1;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "Stereo Width");
    p->sliderTarget[0][0] = 176; // module 5 slot A depth
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[1], "Output Volume");
    p->sliderTarget[1][0] = 33; // module 0 left gain
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // module 0 right gain
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 63; // module 1 left gain
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 64; // module 1 right gain
    p->sliderRatio[1][3] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "M-S Decoder");

    // "PingPong Echoes"
    p = &bank[first + 14];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Stereo echoes ping-pong back and forth.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0x06, 0x0A, 0x92); // 0.5235988 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0x06, 0x0A, 0x92); // 0.5235988 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0x06, 0x0A, 0x92); // 0.5235988 rad
    p->lastPitch[0][0] = floatFromBigEndian(0x43, 0x8C, 0x38, 0xFB); // 280.44516 Hz
    p->lastPitch[0][1] = floatFromBigEndian(0x43, 0x8C, 0x38, 0xFB); // 280.44516 Hz

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xB9, 0xB3, 0x33); // 371.4 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x46, 0x7F, 0xEA, 0xF6); // 16378.74 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::RightIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xB9, 0xB3, 0x33); // 371.4 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x7F, 0xEA, 0xF6); // 16378.74 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xB9, 0xB3, 0x33); // 371.4
    writeText(p->sliderCaption[0], "Delay ms");
    p->sliderTarget[0][0] = 51; // module 1 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 81; // module 2 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x34, 0x00, 0x00); // 45
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 56; // module 1 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 86; // module 2 slot A depth
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 64; // module 1 right gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 93; // module 2 left gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 33; // module 0 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 34; // module 0 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "PingPong Echoes");

    // "PingPong Echoes 2"
    p = &bank[first + 15];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 65536;
    writeText(p->description, "Left channel ping-pongs from left, to center, to right, back to left, and so on. Likewise for the right. Setting Feedback to 0 stops it after one cycle.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0x06, 0x0A, 0x92); // 0.5235988 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 2.8
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0x06, 0x0A, 0x92); // 0.5235988 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0x06, 0x0A, 0x92); // 0.5235988 rad
    p->lastPitch[0][0] = floatFromBigEndian(0x43, 0x8C, 0x38, 0xFB); // 280.44516 Hz
    p->lastPitch[0][1] = floatFromBigEndian(0x43, 0x8C, 0x38, 0xFB); // 280.44516 Hz

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xFD, 0x63, 0x89); // 1.9796001
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xFD, 0x63, 0x89); // 1.9796001
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 3;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 2.8
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->oscFrequency[3] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::Delay;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[3] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 1;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 2.8
    p->outputGain[3][1] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->moduleWord1060[3] = 1;
    p->channelWord[3][0] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::RightIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 2.8
    p->moduleWord1060[4] = 1;
    p->channelWord[4][0] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0xFD, 0x63, 0x89); // 1.9796001
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0xFD, 0x63, 0x89); // 1.9796001
    p->moduleWord1060[5] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 2.8
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[6] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::Delay;
    p->mainValue[7] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->processTime[7] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[7][0] = ModKind::Mix;
    p->modTarget[7][0] = 5;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->outputGain[7][1] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 2.8
    p->moduleWord1060[7] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    writeText(p->sliderCaption[0], "Delay ms");
    p->sliderTarget[0][0] = 51; // module 1 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 81; // module 2 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 111; // module 3 main value
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 171; // module 5 main value
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][4] = 201; // module 6 main value
    p->sliderRatio[0][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][5] = 231; // module 7 main value
    p->sliderRatio[0][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[1], "Feed- forward");
    p->sliderTarget[1][0] = 26; // module 0 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 56; // module 1 slot A depth
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 86; // module 2 slot A depth
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 146; // module 4 slot A depth
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][4] = 176; // module 5 slot A depth
    p->sliderRatio[1][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][5] = 206; // module 6 slot A depth
    p->sliderRatio[1][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 116; // module 3 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 236; // module 7 slot A depth
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x8C, 0x00, 0x00); // 280
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 94; // module 2 right gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 63; // module 1 left gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x34, 0xFD, 0xF4); // 0.707
    p->sliderTarget[3][2] = 64; // module 1 right gain
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x34, 0xFD, 0xF4); // 0.707
    p->sliderTarget[3][3] = 123; // module 3 left gain
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][4] = 183; // module 5 left gain
    p->sliderRatio[3][4] = floatFromBigEndian(0x3F, 0x34, 0xFD, 0xF4); // 0.707
    p->sliderTarget[3][5] = 184; // module 5 right gain
    p->sliderRatio[3][5] = floatFromBigEndian(0x3F, 0x34, 0xFD, 0xF4); // 0.707
    p->sliderTarget[3][6] = 213; // module 6 left gain
    p->sliderRatio[3][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][7] = 244; // module 7 right gain
    p->sliderRatio[3][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x8C, 0x00, 0x00); // 280
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 33; // module 0 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 154; // module 4 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "PingPong Echoes 2");

    // "PitchTrack->Pan"
    p = &bank[first + 16];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Pan monophonic sounds left/right according to their pitch. PanMod varies effect amount. Adjust L/R skew - negative skews to left.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x01); // 150.00002
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->minLag[0] = 147;
    p->maxLag[0] = 294;
    p->trackInterval[0] = floatFromBigEndian(0x44, 0xA5, 0x60, 0x00); // 1323 samples
    p->processTime[0] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x02); // 6615.001 samples
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x42, 0xC6, 0x00, 0x00); // 99
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x41, 0x0B, 0xA0, 0x58); // 8.726646 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x41, 0x0B, 0xA0, 0x58); // 8.726646 rad
    p->lastPitch[0][0] = floatFromBigEndian(0x43, 0x3C, 0x76, 0x27); // 188.46153 Hz
    p->lastPitch[0][1] = floatFromBigEndian(0x43, 0x94, 0xFC, 0x8A); // 297.97296 Hz

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::DcOffset;
    p->mainValue[1] = floatFromBigEndian(0xC2, 0xB4, 0x00, 0x00); // -90
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->dcOffset[1] = floatFromBigEndian(0xBF, 0x66, 0x66, 0x66); // -0.9
    p->modKind[1][0] = ModKind::PanMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x44, 0xA5, 0x60, 0x00); // 1323 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x01); // 150.00002
    writeText(p->sliderCaption[0], "PitchTrk Lo hz");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk  Hi hz");
    p->sliderTarget[1][0] = 22; // module 0 minimum lag
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[2], "PtchTrk Int ms");
    p->sliderTarget[2][0] = 19; // module 0 interval
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x46, 0x3B, 0x80, 0x00); // 12000
    p->sliderCurrent[3] = floatFromBigEndian(0x46, 0x1A, 0xB0, 0x00); // 9900
    writeText(p->sliderCaption[3], "Pan Mod Depth");
    p->sliderTarget[3][0] = 26; // module 0 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[4] = floatFromBigEndian(0xC2, 0xB4, 0x00, 0x00); // -90
    writeText(p->sliderCaption[4], "L/R Skew");
    p->sliderTarget[4][0] = 51; // module 1 main value
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "PitchTrack->Pan");

    // "PsychoAcoustic Pan"
    p = &bank[first + 17];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "This does psycho-acoustic panning by varying the phase and delay between the two channels. Best with held chords and headphones.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3B, 0x03, 0x12, 0x6E); // 0.0019999999
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x69, 0xF3, 0x20); // 3.6554642 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x69, 0xF3, 0x20); // 3.6554642 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftIn;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->channelWord[1][0] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x3F, 0xA6, 0x66, 0x66); // 1.3 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3B, 0x03, 0x12, 0x6E); // 0.0019999999
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[4] = 1;
    p->moduleWord1076[4] = 1;
    p->oscPhase[4][0] = floatFromBigEndian(0x40, 0x94, 0x00, 0xC8); // 4.6250954 rad
    p->oscPhase[4][1] = floatFromBigEndian(0x40, 0x94, 0x00, 0xC8); // 4.6250954 rad

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::RightIn;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::NoMod;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->channelWord[5][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[0], "Pan Rate 1 hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCC); // 2.1999998
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xA6, 0x66, 0x66); // 1.3
    writeText(p->sliderCaption[1], "Pan Rate 2 hz");
    p->sliderTarget[1][0] = 136; // module 4 frequency
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[2] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    writeText(p->sliderCaption[2], "DelayMod Depth");
    p->sliderTarget[2][0] = 26; // module 0 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 146; // module 4 slot A depth
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Delay Time 1");
    p->sliderTarget[3][0] = 51; // module 1 main value
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "Delay Time 2");
    p->sliderTarget[4][0] = 171; // module 5 main value
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x82, 0x00, 0x00); // 65
    writeText(p->sliderCaption[5], "Output Volume");
    p->sliderTarget[5][0] = 63; // module 1 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 184; // module 5 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "PsychoAcoustic Pan");

    // "Random Pan"
    p = &bank[first + 18];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This samples white noise, lowpasses it, and uses the resulting signal to randomly pan the source signal left and right.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Noise;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::SampHold;
    p->mainValue[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50 ms
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[0] = floatFromBigEndian(0x45, 0x09, 0xD0, 0x00); // 2205 samples
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0xE0, 0x00, 0x00); // 7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x3F, 0xFF, 0xFF, 0xFE); // 1.9999998 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::PanMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xD9, 0x99, 0x99); // 1.6999999
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xD9, 0x99, 0x99); // 1.6999999
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[0], "S/H Time ms");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xFF, 0xFF, 0xFE); // 1.9999998
    writeText(p->sliderCaption[1], "Lowpass Freq Hz");
    p->sliderTarget[1][0] = 51; // module 1 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[2], "Lowpass Q");
    p->sliderTarget[2][0] = 52; // module 1 Q
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    writeText(p->sliderCaption[3], "PanMod Depth");
    p->sliderTarget[3][0] = 56; // module 1 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Random Pan");

    // "Stereo Sim"
    p = &bank[first + 19];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Stereo simulation: Sums both source channels, sends LF to both sides, applies mono compatible stereo effect on HF.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = -3;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x41, 0x02, 0xD0, 0x10); // 8.1757965 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->octave[1] = -1;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80 Hz
    p->filterQ[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 1;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->oscFrequency[2] = floatFromBigEndian(0x40, 0x23, 0x61, 0x6F); // 2.5528219 Hz
    p->freqMode[2] = FreqMode::Tempo;
    p->sliderFreqMode[2] = FreqMode::Tempo;
    p->note[2] = 9; // A
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 3;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->oscFrequency[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 10; // A#
    p->octave[3] = 1;
    p->processKind[3] = ProcessKind::Delay;
    p->mainValue[3] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 ms
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[3] = floatFromBigEndian(0x43, 0x84, 0x4C, 0xCD); // 264.6 samples
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 5;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[3][1] = ModKind::Mix;
    p->modTarget[3][1] = 6;
    p->modDepth[3][1] = floatFromBigEndian(0xBF, 0xC0, 0x00, 0x00); // -1.5
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->moduleWord1044[3] = 1;
    p->moduleWord1076[3] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xD6, 0x80, 0x00); // 429 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x44, 0xC8, 0x00, 0x00); // 1600
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 6;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[4] = 1;
    p->moduleWord1076[4] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0x3B, 0x00, 0x00); // 187 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->mainValue[5] = floatFromBigEndian(0x45, 0x48, 0x00, 0x00); // 3200
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::NoMod;
    p->modTarget[5][0] = 3;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modTarget[5][1] = 1;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->channelWord[5][0] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x45, 0xC8, 0x00, 0x00); // 6400
    p->filterQ[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::NoMod;
    p->modTarget[6][0] = 3;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->channelWord[6][1] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Combs (ms)");
    p->sliderTarget[0][0] = 111; // module 3 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[1], "Width");
    p->sliderTarget[1][0] = 86; // module 2 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x41, 0x60, 0x00, 0x00); // 14
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[2], "Input Trim");
    p->sliderTarget[2][0] = 26; // module 0 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[3], "hz Cutoff");
    p->sliderTarget[3][0] = 51; // module 1 main value
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[4], "Output Volume");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 183; // module 5 left gain
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 214; // module 6 right gain
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Stereo Sim");

    // "Stereo Width"
    p = &bank[first + 20];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Stereo Width control, using an M-S encoder and decoder, with a gain in the Side channel path. Set Width <100 to decrease, >100 to increase.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0xB4, 0xFD, 0xF3); // 1.4139999
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0xB4, 0xFD, 0xF3); // 1.4139999
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 4;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9B); // 0.6000001
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9B); // 0.6000001
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::RightIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 1;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0xB4, 0xFD, 0xF3); // 1.4139999
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0xBF, 0xB4, 0xFD, 0xF3); // -1.4139999
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[4] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->mainValue[5] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x45, 0x3D, 0x60, 0x00); // 3030
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::NoMod;
    p->modTarget[6][0] = 3;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9B); // 0.6000001
    p->outputGain[6][1] = floatFromBigEndian(0xBF, 0x19, 0x99, 0x9B); // -0.6000001
    p->moduleWord1060[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[0], "Stereo Width");
    p->sliderTarget[0][0] = 176; // module 5 slot A depth
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x70, 0x00, 0x02); // 60.000008
    writeText(p->sliderCaption[1], "Output Volume");
    p->sliderTarget[1][0] = 63; // module 1 left gain
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 64; // module 1 right gain
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 213; // module 6 left gain
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 214; // module 6 right gain
    p->sliderRatio[1][3] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "Stereo Width");

    // "VariBand CrossPan"
    p = &bank[first + 21];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The signal is split into 2 frequency bands which are crosspanned. The crosspan LFO rate is slowly modulated by the LFO Mod Freq.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x01); // 6.0000005 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x53, 0x33, 0x33); // 3.3
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::PanMod;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::PanMod;
    p->modTarget[2][1] = 1;
    p->modDepth[2][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x40, 0x52, 0xF1, 0x05); // 3.2959607 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x40, 0x52, 0xF1, 0x05); // 3.2959607 rad

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x45, 0x3D, 0x60, 0x00); // 3030
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::FreqMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0x86, 0xBF, 0x68); // 4.210865 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0x86, 0xBF, 0x68); // 4.210865 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Filter Q");
    p->sliderTarget[1][0] = 22; // module 0 Q
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52; // module 1 Q
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x01); // 6.0000005
    writeText(p->sliderCaption[2], "LFO Rate Hz");
    p->sliderTarget[2][0] = 76; // module 2 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[3] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    writeText(p->sliderCaption[3], "LFO Mod Freq Hz");
    p->sliderTarget[3][0] = 196; // module 6 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[4], "LFO Mod Depth");
    p->sliderTarget[4][0] = 206; // module 6 slot A depth
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 33; // module 0 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34; // module 0 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 63; // module 1 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 64; // module 1 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "VariBand CrossPan");

    // "VariBand CrossPan 2"
    p = &bank[first + 22];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Two frequency bands are crosspanned at a rate which is slowly modulated by the LFO Mod Freq. The Cutoff Freq is also modulated.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[0] = floatFromBigEndian(0x40, 0xA0, 0x28, 0xF6); // 5.005
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[1] = floatFromBigEndian(0x40, 0xA0, 0x28, 0xF6); // 5.005
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x53, 0x33, 0x33); // 3.3
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::PanMod;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::PanMod;
    p->modTarget[2][1] = 1;
    p->modDepth[2][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x3F, 0x9C, 0x8E, 0x24); // 1.2230878 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x3F, 0x9C, 0x8E, 0x24); // 1.2230878 rad

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->mainValue[5] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::FilterFrq;
    p->modDepth[5][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->modKind[5][1] = ModKind::FilterFrq;
    p->modTarget[5][1] = 1;
    p->modDepth[5][1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->oscPhase[5][0] = floatFromBigEndian(0x40, 0x63, 0x93, 0x6A); // 3.5558724 rad
    p->oscPhase[5][1] = floatFromBigEndian(0x40, 0x63, 0x93, 0x6A); // 3.5558724 rad

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x45, 0x3D, 0x60, 0x00); // 3030
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::FreqMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x3E, 0xD8, 0xC4, 0x8B); // 0.4233745 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x3E, 0xD8, 0xC4, 0x8B); // 0.4233745 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xA0, 0x28, 0xF6); // 5.005
    writeText(p->sliderCaption[1], "Filter Q");
    p->sliderTarget[1][0] = 22; // module 0 Q
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52; // module 1 Q
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[2], "LFO Rate Hz");
    p->sliderTarget[2][0] = 76; // module 2 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->sliderCurrent[3] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    writeText(p->sliderCaption[3], "LFO Mod Freq Hz");
    p->sliderTarget[3][0] = 166; // module 5 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 196; // module 6 frequency
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[4], "LFO&Filt Depth");
    p->sliderTarget[4][0] = 206; // module 6 slot A depth
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 176; // module 5 slot A depth
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    p->sliderTarget[4][2] = 179; // module 5 slot B depth
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 33; // module 0 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34; // module 0 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 63; // module 1 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 64; // module 1 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "VariBand CrossPan 2");

    // "VariBand EnvFol CrossPan"
    p = &bank[first + 23];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "The signal is split into 2 frequency bands which are crosspanned. The crosspan LFO rate is modulated at a rate based on the signal's envelope.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x01); // 6.0000005 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x53, 0x33, 0x33); // 3.3
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::PanMod;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFE); // 0.49999994
    p->modKind[2][1] = ModKind::PanMod;
    p->modTarget[2][1] = 1;
    p->modDepth[2][1] = floatFromBigEndian(0xBE, 0xFF, 0xFF, 0xFE); // -0.49999994
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x40, 0x6C, 0xA0, 0xA4); // 3.6973047 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x3F, 0x85, 0x47, 0xA7); // 1.0412492 rad

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = 0; // kind 0: passes the signal unprocessed
    p->modKind[3][0] = ModKind::NoMod;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][0] = 1;
    p->outputOn[3][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->oscFrequency[6] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[6] = ProcessKind::EnvFollow;
    p->mainValue[6] = floatFromBigEndian(0x45, 0x3D, 0x60, 0x00); // 3030 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->envCoefficient[6] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->processTime[6] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0xFF, 0xFF, 0xFE); // 1.9999998
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::DcOffset;
    p->mainValue[7] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->dcOffset[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][0] = ModKind::FreqMod;
    p->modTarget[7][0] = 2;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[7] = 1;
    p->channelWord[7][0] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x01); // 6.0000005
    writeText(p->sliderCaption[1], "LFO Rate Hz");
    p->sliderTarget[1][0] = 76; // module 2 frequency
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x47, 0xFF, 0xFF); // 49.999996
    writeText(p->sliderCaption[2], "Pan Mod Depth %");
    p->sliderTarget[2][0] = 86; // module 2 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 89; // module 2 slot B depth
    p->sliderRatio[2][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x47, 0xFF, 0xFF); // 199.99998
    writeText(p->sliderCaption[3], "Env. Fol Depth %");
    p->sliderTarget[3][0] = 206; // module 6 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[4], "LFO Freq Mod Depth");
    p->sliderTarget[4][0] = 236; // module 7 slot A depth
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 33; // module 0 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34; // module 0 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 63; // module 1 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 64; // module 1 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 123; // module 3 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 124; // module 3 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "VariBand EnvFol CrossPan");

    // "VariBand EnvFol CrossPan 2"
    p = &bank[first + 24];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Two frequency bands are crosspanned at a rate which is slowly modulated by the LFO Mod Freq. The Cutoff Freq is also modulated.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[0] = floatFromBigEndian(0x40, 0xA0, 0x28, 0xF6); // 5.005
    p->modKind[0][0] = ModKind::NoMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 1;
    p->outputOn[0][1] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x78, 0x51, 0xEB); // 0.96999997
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x78, 0x51, 0xEB); // 0.96999997
    p->moduleWord1044[0] = 1;
    p->moduleWord1060[0] = 1;
    p->channelWord[0][0] = 1;
    p->channelWord[0][1] = 1;

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803 Hz
    p->filterQ[1] = floatFromBigEndian(0x40, 0xA0, 0x28, 0xF6); // 5.005
    p->modKind[1][0] = ModKind::NoMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x78, 0x51, 0xEB); // 0.96999997
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x78, 0x51, 0xEB); // 0.96999997
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x53, 0x33, 0x33); // 3.3
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::PanMod;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::PanMod;
    p->modTarget[2][1] = 1;
    p->modDepth[2][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x40, 0x4E, 0xC3, 0xBA); // 3.2306962 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x40, 0x9E, 0x5B, 0x90); // 4.948677 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::EnvFollow;
    p->mainValue[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->envCoefficient[4] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->processTime[4] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 6;
    p->modDepth[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[4] = 1;
    p->channelWord[4][0] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->oscFrequency[5] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::DcOffset;
    p->mainValue[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->dcOffset[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::FilterFrq;
    p->modDepth[5][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    p->modKind[5][1] = ModKind::FilterFrq;
    p->modTarget[5][1] = 1;
    p->modDepth[5][1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[6] = ProcessKind::DcOffset;
    p->mainValue[6] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->dcOffset[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::FreqMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFE); // 0.49999994
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xFA, 0x01, 0x07); // 500.00803
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xA0, 0x28, 0xF6); // 5.005
    writeText(p->sliderCaption[1], "Filter Q");
    p->sliderTarget[1][0] = 22; // module 0 Q
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52; // module 1 Q
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[2], "LFO Rate Hz");
    p->sliderTarget[2][0] = 76; // module 2 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x47, 0xFF, 0xFF); // 49.999996
    writeText(p->sliderCaption[3], "LFO&Filt Depth");
    p->sliderTarget[3][0] = 206; // module 6 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 176; // module 5 slot A depth
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    p->sliderTarget[3][2] = 179; // module 5 slot B depth
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC2, 0x00, 0x00); // 97
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 33; // module 0 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 34; // module 0 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 63; // module 1 left gain
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 64; // module 1 right gain
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Pan Effects");
    writeText(p->programName, "VariBand EnvFol CrossPan 2");

    return first + 25;
}
