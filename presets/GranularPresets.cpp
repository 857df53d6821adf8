#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildGranularPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Auto Freeze Pan"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is delayed, looped & panned. Capture rate controls how often we grab the incoming audio.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x01); // 0.50000006 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0xC0, 0xBA, 0xB8); // 1.5056982 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0xC0, 0xBA, 0xB8); // 1.5056982 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x2C, 0x44, 0x00); // 11025 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 3.6
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 3.6
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::RaiseToPwr;
    p->mainValue[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->exponent[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[6][0] = ModKind::PanMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0xC7, 0x7C, 0x63); // 6.233934 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0xC7, 0x7C, 0x63); // 6.233934 rad
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

    p->sliderMin[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 81; // module 2 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x47, 0xCC, 0xCD); // 199.8
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 86; // module 2 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[2], "Pan Rate Hz");
    p->sliderTarget[2][0] = 196; // module 6 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x01); // 0.50000006
    writeText(p->sliderCaption[3], "Capture Rate Hz");
    p->sliderTarget[3][0] = 16; // module 0 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[4], "Capture Mix");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    writeText(p->sliderCaption[5], "Loop Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Auto Freeze Pan");

    // "Auto Freeze Pan 2"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is delayed, looped & panned. Capture rate controls how often we grab the incoming audio.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0x07, 0xEA, 0x84); // 0.13273054 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0xD7, 0xF7, 0xDB); // 1.6872514 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0xD7, 0xF7, 0xDB); // 1.6872514 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x8D, 0x90, 0x7E); // 283.12885 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x43, 0x17, 0xEE); // 12485.982 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xEC, 0x15, 0xBC); // 1.8444133
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x8A, 0xFB, 0xC6); // 1.0858085 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::RaiseToPwr;
    p->mainValue[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->exponent[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[6][0] = ModKind::PanMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x3F, 0x73, 0x4E, 0x3B); // 0.95041245 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x3F, 0x73, 0x4E, 0x3B); // 0.95041245 rad
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

    p->sliderMin[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x8D, 0x90, 0x7E); // 283.12885
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 81; // module 2 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x47, 0xCC, 0xCD); // 199.8
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x38, 0x70, 0xFB); // 184.44133
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 86; // module 2 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0x8A, 0xFB, 0xC6); // 1.0858085
    writeText(p->sliderCaption[2], "Pan Rate Hz");
    p->sliderTarget[2][0] = 196; // module 6 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x3E, 0x07, 0xEA, 0x84); // 0.13273054
    writeText(p->sliderCaption[3], "Capture Rate Hz");
    p->sliderTarget[3][0] = 16; // module 0 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x03, 0x40, 0x00); // 525
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[4], "Capture Mix");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x03, 0x40, 0x00); // 525
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x70, 0x00, 0x00); // 240
    writeText(p->sliderCaption[5], "Loop Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Auto Freeze Pan 2");

    // "Capture & Loop"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is then delayed and looped. Capture Rate controls how often the new audio is captured.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x82, 0x39, 0xD9); // 4.0695615 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x82, 0x39, 0xD9); // 4.0695615 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xF3, 0x33, 0x33); // 1.9
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
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

    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 81; // module 2 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x3E, 0x00, 0x00); // 190
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    writeText(p->sliderCaption[3], "Capture Rate (Hz)");
    p->sliderTarget[3][0] = 16; // module 0 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[4], "Initial Mix");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[5], "Echo Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Capture & Loop");

    // "DoubleFreeze"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "2 narrow granular pulses gate the audio, which is then delayed and looped. ");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA4, 0x4B, 0x2B); // 0.0802215 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0x6B, 0xF7, 0x51); // 0.9217425 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0x6B, 0xF7, 0x51); // 0.9217425 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x45, 0x89, 0xD0, 0x00); // 4410 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xFF, 0x5C, 0x29); // 1.995
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x3D, 0xA4, 0x4B, 0x2B); // 0.0802215 Hz
    p->freqMode[4] = FreqMode::Tempo;
    p->sliderFreqMode[4] = FreqMode::Tempo;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->phaseOrLfoDepth[4] = floatFromBigEndian(0x3F, 0xB2, 0xB8, 0xC2); // 1.3962634 rad
    p->processKind[4] = ProcessKind::RaiseToPwr;
    p->mainValue[4] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[4] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->modKind[4][0] = ModKind::RingMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[4] = 1;
    p->moduleWord1076[4] = 1;
    p->oscPhase[4][0] = floatFromBigEndian(0x3F, 0x3F, 0x49, 0x21); // 0.7472096 rad
    p->oscPhase[4][1] = floatFromBigEndian(0x3F, 0x3F, 0x49, 0x21); // 0.7472096 rad

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::NoProcess;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->moduleWord1044[5] = 1;
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x42, 0x92, 0x00, 0x00); // 73 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x45, 0x49, 0x34, 0xCE); // 3219.3003 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 6;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0xFF, 0x5C, 0x29); // 1.995
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
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

    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 141; // module 4 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Delay1 Time ms");
    p->sliderTarget[1][0] = 81; // module 2 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x92, 0x00, 0x00); // 73
    writeText(p->sliderCaption[2], "Delay2 Time ms");
    p->sliderTarget[2][0] = 201; // module 6 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[3], "Init Phase1 \xA1");
    p->sliderTarget[3][0] = 19; // module 0 initial phase
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[4], "Init Phase2 \xA1");
    p->sliderTarget[4][0] = 139; // module 4 initial phase
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][4] = 183; // module 5 left gain
    p->sliderRatio[5][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][5] = 184; // module 5 right gain
    p->sliderRatio[5][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][6] = 213; // module 6 left gain
    p->sliderRatio[5][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][7] = 214; // module 6 right gain
    p->sliderRatio[5][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "DoubleFreeze");

    // "Freeze"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is then delayed and looped. ");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA4, 0x4B, 0x2B); // 0.0802215 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x87, 0xFE, 0xEA); // 4.2498674 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x87, 0xFE, 0xEA); // 4.2498674 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x45, 0xAC, 0x44, 0x00); // 5512.5 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xFA, 0xE1, 0x47); // 1.9599999
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
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

    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 81; // module 2 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x44, 0x00, 0x00); // 196
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xE1, 0x00, 0x00); // 450
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x70, 0x00, 0x01); // 60.000004
    writeText(p->sliderCaption[3], "Initial Mix");
    p->sliderTarget[3][0] = 63; // module 1 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xE1, 0x00, 0x00); // 450
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[4], "Echo Mix");
    p->sliderTarget[4][0] = 93; // module 2 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Freeze");

    // "Freeze Boing"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is then delayed and looped.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA3, 0xB5, 0x70); // 0.07993591 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x85, 0xF5, 0x45); // 4.18619 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x85, 0xF5, 0x45); // 4.18619 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
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
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xFE, 0xB8, 0x52); // 1.99
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::DelayMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x3F, 0xD7, 0x0F, 0x2E); // 1.6801507 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x3F, 0xD7, 0x0F, 0x2E); // 1.6801507 rad
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

    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 81; // module 2 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x47, 0x00, 0x00); // 199
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    writeText(p->sliderCaption[3], "Boing Freq Hz");
    p->sliderTarget[3][0] = 196; // module 6 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[4], "Boing Depth");
    p->sliderTarget[4][0] = 206; // module 6 slot A depth
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 63; // module 1 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 64; // module 1 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Freeze Boing");

    // "Freeze Boing discrete"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Freeze Boing with discrete shifts. The audio is pulse gated, delayed and looped.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA3, 0xB5, 0x70); // 0.07993591 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0xB5, 0xA9, 0xBB); // 5.676969 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0xB5, 0xA9, 0xBB); // 5.676969 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
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
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x3B, 0x80, 0x00); // 187.5 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x01, 0x33, 0x01); // 8268.751 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xF9, 0x99, 0x99); // 1.9499999
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x01); // 0.50000006 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::DelayMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x3F, 0xEA, 0x80, 0xD4); // 1.8320565 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x3F, 0xEA, 0x80, 0xD4); // 1.8320565 rad
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

    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x01); // -50.000004
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x3B, 0x80, 0x00); // 187.5
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 81; // module 2 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x43, 0x00, 0x00); // 195
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x01); // 0.50000006
    writeText(p->sliderCaption[3], "Boing Freq Hz");
    p->sliderTarget[3][0] = 196; // module 6 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[4], "Boing Depth");
    p->sliderTarget[4][0] = 206; // module 6 slot A depth
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 63; // module 1 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 64; // module 1 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Freeze Boing discrete");

    // "Freeze Boingfest"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is then delayed and looped. A wide range of effects are possible -- try the Random button.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA3, 0xB5, 0x70); // 0.07993591 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x56, 0xD3, 0x76); // 3.3566566 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x56, 0xD3, 0x76); // 3.3566566 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x51, 0xEB, 0x85); // 0.82
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x51, 0xEB, 0x85); // 0.82
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xF9, 0x99, 0x99); // 1.9499999
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x51, 0xEB, 0x85); // 0.82
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x51, 0xEB, 0x85); // 0.82
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::RaiseToPwr;
    p->mainValue[6] = floatFromBigEndian(0xC2, 0x70, 0x00, 0x00); // -60
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->exponent[6] = floatFromBigEndian(0xC2, 0x70, 0x00, 0x00); // -60
    p->modKind[6][0] = ModKind::DelayMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCB); // 0.19999997
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0xC7, 0x4D, 0x5B); // 6.228193 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0xC7, 0x4D, 0x5B); // 6.228193 rad
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

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 81; // module 2 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x43, 0x00, 0x00); // 195
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 86; // module 2 slot A depth
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[2], "Boing Freq Hz");
    p->sliderTarget[2][0] = 196; // module 6 frequency
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x9F, 0xFF, 0xFF); // 19.999998
    writeText(p->sliderCaption[3], "Boing Depth");
    p->sliderTarget[3][0] = 206; // module 6 slot A depth
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0xC2, 0x70, 0x00, 0x00); // -60
    writeText(p->sliderCaption[4], "Boing shape");
    p->sliderTarget[4][0] = 201; // module 6 main value
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xA4, 0x00, 0x00); // 82
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // module 2 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // module 2 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Freeze Boingfest");

    // "Freeze Pan"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "A narrow granular pulse gates the audio, which is delayed, looped & panned. (Reclick the Preset name to sample a new segment.)");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3C, 0xD1, 0x5D, 0x5E); // 0.025557216 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0xB8, 0xCE, 0x47); // 5.7751803 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0xB8, 0xCE, 0x47); // 5.7751803 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0xAC, 0x44, 0x00); // 22050 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xFF, 0xBE, 0x77); // 1.998
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::RaiseToPwr;
    p->mainValue[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->exponent[6] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[6][0] = ModKind::PanMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0x95, 0x7D, 0xBF); // 4.6716 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0x95, 0x7D, 0xBF); // 4.6716 rad
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

    p->sliderMin[0] = floatFromBigEndian(0xC2, 0x70, 0x00, 0x00); // -60
    p->sliderMax[0] = floatFromBigEndian(0xC2, 0x20, 0x00, 0x00); // -40
    p->sliderCurrent[0] = floatFromBigEndian(0xC2, 0x48, 0x00, 0x00); // -50
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderMax[1] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    writeText(p->sliderCaption[1], "Delay Time ms");
    p->sliderTarget[1][0] = 81; // module 2 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x47, 0xCC, 0xCD); // 199.8
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x47, 0xCC, 0xCD); // 199.8
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // module 2 slot A depth
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[3], "Pan Rate Hz");
    p->sliderTarget[3][0] = 196; // module 6 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    writeText(p->sliderCaption[4], "Initial Mix");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[5], "Echo Mix");
    p->sliderTarget[5][0] = 93; // module 2 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Freeze Pan");

    // "Granular Stretch Echo"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 65536;
    writeText(p->description, "4 narrow granular pulses gate the audio at different phases, producing a slight time compression & some audio overlap.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xB0, 0x0A, 0x77); // 1.3753194 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3F, 0x29, 0xF7, 0x34); // 0.6639283 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3F, 0x29, 0xF7, 0x34); // 0.6639283 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[1] = FreqMode::Tempo;
    p->sliderFreqMode[1] = FreqMode::Tempo;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->phaseOrLfoDepth[1] = floatFromBigEndian(0x3F, 0x7B, 0x8D, 0x02); // 0.98262036 rad
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->mainValue[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[1][0] = ModKind::RingMod;
    p->modTarget[1][0] = 5;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->oscPhase[1][0] = floatFromBigEndian(0x3E, 0x8A, 0x2A, 0xDB); // 0.2698582 rad
    p->oscPhase[1][1] = floatFromBigEndian(0x3E, 0x8A, 0x2A, 0xDB); // 0.2698582 rad

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[2] = FreqMode::Tempo;
    p->sliderFreqMode[2] = FreqMode::Tempo;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x3F, 0x17, 0x05, 0x15); // 0.5899213 rad
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->mainValue[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[2][0] = ModKind::RingMod;
    p->modTarget[2][0] = 6;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x40, 0xC5, 0x1F, 0x92); // 6.160104 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x40, 0xC5, 0x1F, 0x92); // 6.160104 rad

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[3] = FreqMode::Tempo;
    p->sliderFreqMode[3] = FreqMode::Tempo;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x3E, 0x49, 0xF4, 0x9D); // 0.19722219 rad
    p->processKind[3] = ProcessKind::RaiseToPwr;
    p->mainValue[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[3][0] = ModKind::RingMod;
    p->modTarget[3][0] = 7;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[3] = 1;
    p->moduleWord1076[3] = 1;
    p->oscPhase[3][0] = floatFromBigEndian(0x40, 0xB8, 0x77, 0xC3); // 5.7646194 rad
    p->oscPhase[3][1] = floatFromBigEndian(0x40, 0xB8, 0x77, 0xC3); // 5.7646194 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x46, 0x78, 0x10, 0x01); // 15876.001 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[4] = 1;
    p->moduleWord1060[4] = 1;
    p->channelWord[4][0] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->oscFrequency[5] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x70, 0x00, 0x00); // 240 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0x25, 0x60, 0x00); // 10584 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x45, 0xA5, 0x60, 0x00); // 5292 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::NoProcess;
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->modKind[7][0] = ModKind::NoMod;
    p->modTarget[7][0] = 7;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[7][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[7] = 1;
    p->moduleWord1060[7] = 1;
    p->channelWord[7][0] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 81; // module 2 main value
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 111; // module 3 main value
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x9D, 0x99, 0x99); // 78.799995
    writeText(p->sliderCaption[1], "Init Phase1 \xA1");
    p->sliderTarget[1][0] = 19; // module 0 initial phase
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x61, 0x33, 0x33); // 56.3
    writeText(p->sliderCaption[2], "Init Phase2 \xA1");
    p->sliderTarget[2][0] = 49; // module 1 initial phase
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x07, 0x33, 0x33); // 33.8
    writeText(p->sliderCaption[3], "Init Phase3 \xA1");
    p->sliderTarget[3][0] = 79; // module 2 initial phase
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x34, 0xCC, 0xCC); // 11.299999
    writeText(p->sliderCaption[4], "Init Phase4 \xA1");
    p->sliderTarget[4][0] = 109; // module 3 initial phase
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    writeText(p->sliderCaption[5], "Output Volume");
    p->sliderTarget[5][0] = 153; // module 4 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 183; // module 5 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 184; // module 5 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][4] = 213; // module 6 left gain
    p->sliderRatio[5][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][5] = 214; // module 6 right gain
    p->sliderRatio[5][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][6] = 243; // module 7 left gain
    p->sliderRatio[5][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][7] = 244; // module 7 right gain
    p->sliderRatio[5][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Granular Stretch Echo");

    // "Granular Stretch Echo 2"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 65536;
    writeText(p->description, "4 narrow granular pulses gate the audio at different phases, producing a slight time stretch and some audio overlap.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[0] = FreqMode::Tempo;
    p->sliderFreqMode[0] = FreqMode::Tempo;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x3F, 0xB0, 0x0A, 0x77); // 1.3753194 rad
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0xBF, 0x8C, 0xBF); // 5.985931 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0xBF, 0x8C, 0xBF); // 5.985931 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[1] = FreqMode::Tempo;
    p->sliderFreqMode[1] = FreqMode::Tempo;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->phaseOrLfoDepth[1] = floatFromBigEndian(0x3F, 0x7B, 0x8D, 0x02); // 0.98262036 rad
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->mainValue[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[1][0] = ModKind::RingMod;
    p->modTarget[1][0] = 5;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->oscPhase[1][0] = floatFromBigEndian(0x40, 0xB2, 0xDA, 0xA6); // 5.5891905 rad
    p->oscPhase[1][1] = floatFromBigEndian(0x40, 0xB2, 0xDA, 0xA6); // 5.5891905 rad

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[2] = FreqMode::Tempo;
    p->sliderFreqMode[2] = FreqMode::Tempo;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x3F, 0x17, 0x05, 0x15); // 0.5899213 rad
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->mainValue[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[2][0] = ModKind::RingMod;
    p->modTarget[2][0] = 6;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x40, 0xA6, 0x38, 0xD1); // 5.1944356 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x40, 0xA6, 0x38, 0xD1); // 5.1944356 rad

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x3D, 0xA3, 0x61, 0x6F); // 0.07977568 Hz
    p->freqMode[3] = FreqMode::Tempo;
    p->sliderFreqMode[3] = FreqMode::Tempo;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x3E, 0x49, 0xF4, 0x9D); // 0.19722219 rad
    p->processKind[3] = ProcessKind::RaiseToPwr;
    p->mainValue[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->modKind[3][0] = ModKind::RingMod;
    p->modTarget[3][0] = 7;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[3] = 1;
    p->moduleWord1076[3] = 1;
    p->oscPhase[3][0] = floatFromBigEndian(0x40, 0x99, 0x91, 0x02); // 4.798951 rad
    p->oscPhase[3][1] = floatFromBigEndian(0x40, 0x99, 0x91, 0x02); // 4.798951 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[4] = 1;
    p->moduleWord1060[4] = 1;
    p->channelWord[4][0] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->oscFrequency[5] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x45, 0xA5, 0x60, 0x00); // 5292 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x70, 0x00, 0x00); // 240 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x46, 0x25, 0x60, 0x00); // 10584 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::Delay;
    p->mainValue[7] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360 ms
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->processTime[7] = floatFromBigEndian(0x46, 0x78, 0x10, 0x01); // 15876.001 samples
    p->modKind[7][0] = ModKind::NoMod;
    p->modTarget[7][0] = 7;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->outputGain[7][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 2.5
    p->moduleWord1044[7] = 1;
    p->moduleWord1060[7] = 1;
    p->channelWord[7][0] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[0], "Power (width)");
    p->sliderTarget[0][0] = 21; // module 0 main value
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1 main value
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 81; // module 2 main value
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 111; // module 3 main value
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x9D, 0x99, 0x99); // 78.799995
    writeText(p->sliderCaption[1], "Init Phase1 \xA1");
    p->sliderTarget[1][0] = 19; // module 0 initial phase
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x61, 0x33, 0x33); // 56.3
    writeText(p->sliderCaption[2], "Init Phase2 \xA1");
    p->sliderTarget[2][0] = 49; // module 1 initial phase
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x07, 0x33, 0x33); // 33.8
    writeText(p->sliderCaption[3], "Init Phase3 \xA1");
    p->sliderTarget[3][0] = 79; // module 2 initial phase
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x34, 0xCC, 0xCC); // 11.299999
    writeText(p->sliderCaption[4], "Init Phase4 \xA1");
    p->sliderTarget[4][0] = 109; // module 3 initial phase
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    writeText(p->sliderCaption[5], "Output Volume");
    p->sliderTarget[5][0] = 153; // module 4 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 183; // module 5 left gain
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 184; // module 5 right gain
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][4] = 213; // module 6 left gain
    p->sliderRatio[5][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][5] = 214; // module 6 right gain
    p->sliderRatio[5][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][6] = 243; // module 7 left gain
    p->sliderRatio[5][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][7] = 244; // module 7 right gain
    p->sliderRatio[5][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Granular Stretch Echo 2");

    // "Granular Synth"
    p = &bank[first + 11];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 65536;
    writeText(p->description, "A narrow granular pulse gates the audio, which is then multitap delayed. Adjust the 1st 3 sliders to get different effects. E&F enable more repeats.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xA9, 0xBA, 0x5E); // 5.304 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC0, 0xA1, 0xE3, 0x54); // -5.059
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC0, 0xA1, 0xE3, 0x54); // -5.059
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0xB9, 0x72, 0x63); // 5.795213 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0xB9, 0x72, 0x63); // 5.795213 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x56, 0x00, 0x00); // 214 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x13, 0x75, 0x9A); // 9437.4 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = 0; // kind 0: passes the signal unprocessed
    p->modKind[3][0] = ModKind::NoMod;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][0] = 1;
    p->outputOn[3][1] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x56, 0x00, 0x00); // 214 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x46, 0x13, 0x75, 0x9A); // 9437.4 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->moduleWord1044[4] = 1;
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
    p->mainValue[5] = floatFromBigEndian(0x43, 0x56, 0x00, 0x00); // 214 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0x13, 0x75, 0x9A); // 9437.4 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x41, 0xEB, 0x85); // 3.03
    p->moduleWord1044[5] = 1;
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x56, 0x00, 0x00); // 214 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x46, 0x13, 0x75, 0x9A); // 9437.4 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::Delay;
    p->mainValue[7] = floatFromBigEndian(0x43, 0x56, 0x00, 0x00); // 214 ms
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->processTime[7] = floatFromBigEndian(0x46, 0x13, 0x75, 0x9A); // 9437.4 samples
    p->modKind[7][0] = ModKind::NoMod;
    p->modTarget[7][0] = 1;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;
    p->moduleWord1044[7] = 1;
    p->moduleWord1060[7] = 1;
    p->channelWord[7][0] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA9, 0xBA, 0x5E); // 5.304
    writeText(p->sliderCaption[0], "Trigger Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0xC0, 0xC0, 0x00, 0x00); // -6
    p->sliderMax[1] = floatFromBigEndian(0xC0, 0x80, 0x00, 0x00); // -4
    p->sliderCurrent[1] = floatFromBigEndian(0xC0, 0xA1, 0xE3, 0x54); // -5.059
    writeText(p->sliderCaption[1], "Power (width)");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x56, 0x00, 0x00); // 214
    writeText(p->sliderCaption[2], "ms Time");
    p->sliderTarget[2][0] = 81; // module 2 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 141; // module 4 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 171; // module 5 main value
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 201; // module 6 main value
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 231; // module 7 main value
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x11, 0x00, 0x00); // 580
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x97, 0x80, 0x00); // 303
    writeText(p->sliderCaption[3], "Volume 1st 4");
    p->sliderTarget[3][0] = 63; // module 1 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 93; // module 2 left gain
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 94; // module 2 right gain
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][4] = 153; // module 4 left gain
    p->sliderRatio[3][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][5] = 154; // module 4 right gain
    p->sliderRatio[3][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][6] = 183; // module 5 left gain
    p->sliderRatio[3][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][7] = 184; // module 5 right gain
    p->sliderRatio[3][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x11, 0x00, 0x00); // 580
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Volume 5");
    p->sliderTarget[4][0] = 213; // module 6 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 214; // module 6 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x11, 0x00, 0x00); // 580
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Volume 6");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 123; // module 3 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 124; // module 3 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Granular Synth");

    // "Granular Synth 2"
    p = &bank[first + 12];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 65536;
    writeText(p->description, "A narrow granular pulse gates the audio, which is then multitap delayed. Adjust the 1st 3 sliders to get different effects. E&F enable more repeats.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xBF, 0xFF, 0xFF, 0xFC); // -1.9999995
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xBF, 0xFF, 0xFF, 0xFC); // -1.9999995
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x8A, 0xB9, 0xCC); // 4.3351803 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x8A, 0xB9, 0xCC); // 4.3351803 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
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
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x89, 0xD0, 0x00); // 17640 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = 0; // kind 0: passes the signal unprocessed
    p->modKind[3][0] = ModKind::NoMod;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][0] = 1;
    p->outputOn[3][1] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x46, 0x89, 0xD0, 0x00); // 17640 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[4] = 1;
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
    p->mainValue[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0x89, 0xD0, 0x00); // 17640 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[5] = 1;
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x46, 0x89, 0xD0, 0x00); // 17640 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::Delay;
    p->mainValue[7] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 ms
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->processTime[7] = floatFromBigEndian(0x46, 0x89, 0xD0, 0x00); // 17640 samples
    p->modKind[7][0] = ModKind::NoMod;
    p->modTarget[7][0] = 1;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0xF0, 0x00, 0x00); // 1.875
    p->moduleWord1044[7] = 1;
    p->moduleWord1060[7] = 1;
    p->channelWord[7][0] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5
    writeText(p->sliderCaption[0], "Trigger Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0xC1, 0xA0, 0x00, 0x00); // -20
    p->sliderMax[1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[1] = floatFromBigEndian(0xBF, 0xFF, 0xFF, 0xFC); // -1.9999995
    writeText(p->sliderCaption[1], "Power (width)");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "ms Time");
    p->sliderTarget[2][0] = 81; // module 2 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 141; // module 4 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 171; // module 5 main value
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 201; // module 6 main value
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 231; // module 7 main value
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x3B, 0x80, 0x00); // 187.5
    writeText(p->sliderCaption[3], "Volume 1st 4");
    p->sliderTarget[3][0] = 63; // module 1 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 93; // module 2 left gain
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 94; // module 2 right gain
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][4] = 153; // module 4 left gain
    p->sliderRatio[3][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][5] = 154; // module 4 right gain
    p->sliderRatio[3][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][6] = 183; // module 5 left gain
    p->sliderRatio[3][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][7] = 184; // module 5 right gain
    p->sliderRatio[3][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x3B, 0x80, 0x00); // 187.5
    writeText(p->sliderCaption[4], "Volume 5");
    p->sliderTarget[4][0] = 213; // module 6 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 214; // module 6 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x3B, 0x80, 0x00); // 187.5
    writeText(p->sliderCaption[5], "Volume 6");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xBB, 0x80, 0x00); // 375
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 123; // module 3 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 124; // module 3 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Granular Synth 2");

    // "Reverse Playback 1 Sec."
    p = &bank[first + 13];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "This reverses continuous audio playback. To match the original pitch, make sure the LFO Mod Rate x Delay Time = 1000.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x5E, 0xCC, 0xCC); // 222.79999
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 3;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x5E, 0x66, 0x5C); // 3.4749975 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x5E, 0x66, 0x5C); // 3.4749975 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x47, 0x2C, 0x44, 0x00); // 44100 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x89, 0x80, 0x00); // 275
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 5;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->pendingAmplMod[2][0] = 1;
    p->pendingAmplMod[2][1] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::NoProcess;
    p->mainValue[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::AmplMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[3] = 1;
    p->moduleWord1076[3] = 1;
    p->oscPhase[3][0] = floatFromBigEndian(0x40, 0xA1, 0x77, 0x25); // 5.045794 rad
    p->oscPhase[3][1] = floatFromBigEndian(0x40, 0xA1, 0x77, 0x25); // 5.045794 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Saw;
    p->oscFrequency[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->phaseOrLfoDepth[4] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x5E, 0xCC, 0xCC); // 222.79999
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[4] = 1;
    p->moduleWord1076[4] = 1;
    p->oscPhase[4][0] = floatFromBigEndian(0x3E, 0xAB, 0x37, 0x10); // 0.33440447 rad
    p->oscPhase[4][1] = floatFromBigEndian(0x3E, 0xAB, 0x37, 0x10); // 0.33440447 rad

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x47, 0x2C, 0x44, 0x00); // 44100 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x89, 0x80, 0x00); // 275
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::NoMod;
    p->modTarget[6][0] = 5;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->pendingAmplMod[6][0] = 1;
    p->pendingAmplMod[6][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->phaseOrLfoDepth[7] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[7] = ProcessKind::NoProcess;
    p->mainValue[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->modKind[7][0] = ModKind::AmplMod;
    p->modTarget[7][0] = 6;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[7] = 1;
    p->moduleWord1076[7] = 1;
    p->oscPhase[7][0] = floatFromBigEndian(0x3F, 0xF3, 0xBF, 0x7C); // 1.9042811 rad
    p->oscPhase[7][1] = floatFromBigEndian(0x3F, 0xF3, 0xBF, 0x7C); // 1.9042811 rad
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[0], "LFO Mod Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 136; // module 4 frequency
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 106; // module 3 frequency
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 226; // module 7 frequency
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    writeText(p->sliderCaption[1], "Delay Time ms.");
    p->sliderTarget[1][0] = 51; // module 1 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 171; // module 5 main value
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x8C, 0x00, 0x00); // 280
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 93; // module 2 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 94; // module 2 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 213; // module 6 left gain
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 214; // module 6 right gain
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Reverse Playback 1 Sec.");

    // "Reverse Playback 2 Sec."
    p = &bank[first + 14];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "This reverses continuous audio playback. To match the original pitch, make sure the LFO Mod Rate x Delay Time = 1000.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[0] = ProcessKind::NoProcess;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x5E, 0xCC, 0xCC); // 222.79999
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 3;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x81, 0xF8, 0x24); // 4.0615406 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x81, 0xF8, 0x24); // 4.0615406 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000 ms
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[1] = floatFromBigEndian(0x47, 0xAC, 0x44, 0x00); // 88200 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[2] = ProcessKind::NoProcess;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x89, 0x80, 0x00); // 275
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 5;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->pendingAmplMod[2][0] = 1;
    p->pendingAmplMod[2][1] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::NoProcess;
    p->mainValue[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::AmplMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[3] = 1;
    p->moduleWord1076[3] = 1;
    p->oscPhase[3][0] = floatFromBigEndian(0x40, 0xB4, 0x3C, 0x1B); // 5.632337 rad
    p->oscPhase[3][1] = floatFromBigEndian(0x40, 0xB4, 0x3C, 0x1B); // 5.632337 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Saw;
    p->oscFrequency[4] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->phaseOrLfoDepth[4] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[4] = ProcessKind::NoProcess;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x5E, 0xCC, 0xCC); // 222.79999
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[4] = 1;
    p->moduleWord1076[4] = 1;
    p->oscPhase[4][0] = floatFromBigEndian(0x3F, 0x6A, 0xF7, 0x15); // 0.9178327 rad
    p->oscPhase[4][1] = floatFromBigEndian(0x3F, 0x6A, 0xF7, 0x15); // 0.9178327 rad

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x47, 0xAC, 0x44, 0x00); // 88200 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[5] = 1;
    p->moduleWord1076[5] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->phaseOrLfoDepth[6] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x89, 0x80, 0x00); // 275
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::NoMod;
    p->modTarget[6][0] = 5;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->oscPhase[6][0] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->oscPhase[6][1] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->pendingAmplMod[6][0] = 1;
    p->pendingAmplMod[6][1] = 1;

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->phaseOrLfoDepth[7] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[7] = ProcessKind::NoProcess;
    p->mainValue[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->modKind[7][0] = ModKind::AmplMod;
    p->modTarget[7][0] = 6;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[7] = 1;
    p->moduleWord1076[7] = 1;
    p->oscPhase[7][0] = floatFromBigEndian(0x40, 0x1F, 0x44, 0x92); // 2.4885602 rad
    p->oscPhase[7][1] = floatFromBigEndian(0x40, 0x1F, 0x44, 0x92); // 2.4885602 rad
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xFF, 0xFF, 0xFF); // 0.49999997
    writeText(p->sliderCaption[0], "LFO Mod Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 136; // module 4 frequency
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 106; // module 3 frequency
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 226; // module 7 frequency
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    writeText(p->sliderCaption[1], "Delay Time ms.");
    p->sliderTarget[1][0] = 51; // module 1 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 171; // module 5 main value
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x8C, 0x00, 0x00); // 280
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 93; // module 2 left gain
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 94; // module 2 right gain
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 213; // module 6 left gain
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 214; // module 6 right gain
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Reverse Playback 2 Sec.");

    // "Reverse Stutter"
    p = &bank[first + 15];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "This gates the audio with multiple granular pulses,  then reverses each set of three.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0xBF, 0xFF, 0xFF); // 1.4999999 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0xB7, 0xE5, 0x2A); // 5.746724 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0xB7, 0xE5, 0x2A); // 5.746724 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x3F, 0xBF, 0xFF, 0xFF); // 1.4999999 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->phaseOrLfoDepth[1] = floatFromBigEndian(0x40, 0x06, 0x0A, 0x92); // 2.0943952 rad
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->mainValue[1] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[1] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    p->modKind[1][0] = ModKind::RingMod;
    p->modTarget[1][0] = 5;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->moduleWord1044[1] = 1;
    p->moduleWord1076[1] = 1;
    p->oscPhase[1][0] = floatFromBigEndian(0x3F, 0xC7, 0x62, 0x49); // 1.5576869 rad
    p->oscPhase[1][1] = floatFromBigEndian(0x3F, 0xC7, 0x62, 0x49); // 1.5576869 rad

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x3F, 0xBF, 0xFF, 0xFF); // 1.4999999 Hz
    p->freqMode[2] = FreqMode::Hz;
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x40, 0x86, 0x0A, 0x92); // 4.1887903 rad
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->mainValue[2] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[2] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    p->modKind[2][0] = ModKind::RingMod;
    p->modTarget[2][0] = 6;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->moduleWord1044[2] = 1;
    p->moduleWord1076[2] = 1;
    p->oscPhase[2][0] = floatFromBigEndian(0x40, 0x69, 0xBF, 0xC1); // 3.6523287 rad
    p->oscPhase[2][1] = floatFromBigEndian(0x40, 0x69, 0xBF, 0xC1); // 3.6523287 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x44, 0x09, 0x80, 0x00); // 550 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x46, 0xBD, 0x7E, 0x00); // 24255 samples
    p->modKind[4][0] = ModKind::NoMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->moduleWord1044[4] = 1;
    p->moduleWord1060[4] = 1;
    p->channelWord[4][0] = 1;
    p->channelWord[4][1] = 1;

    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->oscFrequency[5] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[5] = FreqMode::Hz;
    p->note[5] = 9; // A
    p->octave[5] = 4;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x61, 0x00, 0x00); // 225 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0x1B, 0x0A, 0x00); // 9922.5 samples
    p->modKind[5][0] = ModKind::NoMod;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->moduleWord1044[5] = 1;
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->oscFrequency[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x88, 0x00, 0x00); // 272
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->modKind[6][0] = ModKind::NoMod;
    p->modTarget[6][0] = 4;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 5;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 1.5999999
    p->moduleWord1044[6] = 1;
    p->moduleWord1076[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
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

    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0xBF, 0xFF, 0xFF); // 1.4999999
    writeText(p->sliderCaption[0], "Gate Rate Hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 46; // module 1 frequency
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 76; // module 2 frequency
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 106; // module 3 frequency
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0xC2, 0x20, 0x00, 0x00); // -40
    p->sliderMax[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[1] = floatFromBigEndian(0xC0, 0x00, 0x00, 0x02); // -2.0000005
    writeText(p->sliderCaption[1], "Power (width)");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 51; // module 1 main value
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 81; // module 2 main value
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 111; // module 3 main value
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x09, 0x80, 0x00); // 550
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0x09, 0x80, 0x00); // 550
    writeText(p->sliderCaption[2], "Delay Time ms");
    p->sliderTarget[2][0] = 141; // module 4 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 171; // module 5 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3E, 0xD1, 0x74, 0x5D); // 0.4090909

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 153; // module 4 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 154; // module 4 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 183; // module 5 left gain
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 184; // module 5 right gain
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][4] = 213; // module 6 left gain
    p->sliderRatio[3][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][5] = 214; // module 6 right gain
    p->sliderRatio[3][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // module 7 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // module 7 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Reverse Stutter");

    // "Stutter"
    p = &bank[first + 16];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 65536;
    writeText(p->description, "This raises a sine wave to a large negative power, creating a narrow granular pulse which gates the audio, which is then multitap delayed.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC1, 0x1F, 0xFF, 0xFD); // -9.999997
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC1, 0x1F, 0xFF, 0xFD); // -9.999997
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x40, 0x69, 0x84, 0xCC); // 3.6487303 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x40, 0x69, 0x84, 0xCC); // 3.6487303 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = 0; // kind 0: passes the signal unprocessed
    p->modKind[3][0] = ModKind::NoMod;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][0] = 1;
    p->outputOn[3][1] = 1;

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->moduleWord1044[4] = 1;
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
    p->mainValue[5] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x82, 0x8F, 0x5C); // 4.08
    p->moduleWord1044[5] = 1;
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->oscFrequency[7] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->processKind[7] = ProcessKind::Delay;
    p->mainValue[7] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 ms
    p->filterQ[7] = floatFromBigEndian(0x42, 0x81, 0x00, 0x00); // 64.5
    p->processTime[7] = floatFromBigEndian(0x45, 0xCE, 0xB8, 0x01); // 6615.0005 samples
    p->modKind[7][0] = ModKind::NoMod;
    p->modTarget[7][0] = 1;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;
    p->moduleWord1044[7] = 1;
    p->moduleWord1060[7] = 1;
    p->channelWord[7][0] = 1;
    p->channelWord[7][1] = 1;
    p->lastPitch[7][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[7][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[0], "Trigger Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[1] = floatFromBigEndian(0xC1, 0x1F, 0xFF, 0xFD); // -9.999997
    writeText(p->sliderCaption[1], "Power (width)");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[2], "ms Time");
    p->sliderTarget[2][0] = 81; // module 2 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 141; // module 4 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 171; // module 5 main value
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 201; // module 6 main value
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 231; // module 7 main value
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0xCC, 0x00, 0x00); // 408
    writeText(p->sliderCaption[3], "Volume 1st 4");
    p->sliderTarget[3][0] = 63; // module 1 left gain
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1 right gain
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 93; // module 2 left gain
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 94; // module 2 right gain
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][4] = 153; // module 4 left gain
    p->sliderRatio[3][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][5] = 154; // module 4 right gain
    p->sliderRatio[3][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][6] = 183; // module 5 left gain
    p->sliderRatio[3][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][7] = 184; // module 5 right gain
    p->sliderRatio[3][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Volume 5");
    p->sliderTarget[4][0] = 213; // module 6 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 214; // module 6 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Volume 6");
    p->sliderTarget[5][0] = 243; // module 7 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // module 7 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 123; // module 3 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 124; // module 3 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Stutter");

    // "Stutter Pan"
    p = &bank[first + 17];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "This raises a sine wave to a large negative power, creating a narrow granular pulse which gates the audio, which is then multitap delayed.");

    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->mainValue[0] = floatFromBigEndian(0xC1, 0x1F, 0xFF, 0xFD); // -9.999997
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[0] = floatFromBigEndian(0xC1, 0x1F, 0xFF, 0xFD); // -9.999997
    p->modKind[0][0] = ModKind::RingMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][1] = ModKind::NoMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1044[0] = 1;
    p->moduleWord1076[0] = 1;
    p->oscPhase[0][0] = floatFromBigEndian(0x3E, 0x91, 0xCC, 0x0A); // 0.28475982 rad
    p->oscPhase[0][1] = floatFromBigEndian(0x3E, 0x91, 0xCC, 0x0A); // 0.28475982 rad

    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][0] = 1;
    p->outputOn[1][1] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->moduleWord1044[1] = 1;
    p->moduleWord1060[1] = 1;
    p->channelWord[1][0] = 1;
    p->channelWord[1][1] = 1;

    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[2] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][1] = ModKind::NoMod;
    p->modTarget[2][1] = 3;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][0] = 1;
    p->outputOn[2][1] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->moduleWord1044[2] = 1;
    p->moduleWord1060[2] = 1;
    p->channelWord[2][0] = 1;
    p->channelWord[2][1] = 1;

    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x3F, 0xFF, 0xFF, 0xFF); // 1.9999999 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->processKind[3] = ProcessKind::RaiseToPwr;
    p->mainValue[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->exponent[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[3][0] = ModKind::PanMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->modKind[3][1] = ModKind::NoMod;
    p->modTarget[3][1] = 4;
    p->modDepth[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->moduleWord1060[3] = 1;
    p->oscPhase[3][0] = floatFromBigEndian(0x3F, 0x61, 0x56, 0x39); // 0.8802219 rad
    p->oscPhase[3][1] = floatFromBigEndian(0x3F, 0x61, 0x56, 0x39); // 0.8802219 rad

    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->oscFrequency[4] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[4] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][1] = ModKind::NoMod;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][0] = 1;
    p->outputOn[4][1] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->moduleWord1044[4] = 1;
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
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][0] = 1;
    p->outputOn[5][1] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x19, 0x99, 0x99); // 2.3999999
    p->moduleWord1044[5] = 1;
    p->moduleWord1060[5] = 1;
    p->channelWord[5][0] = 1;
    p->channelWord[5][1] = 1;

    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->oscFrequency[6] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->filterQ[6] = floatFromBigEndian(0x42, 0x26, 0x00, 0x00); // 41.5
    p->processTime[6] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 7;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::NoMod;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][0] = 1;
    p->outputOn[6][1] = 1;
    p->moduleWord1044[6] = 1;
    p->moduleWord1060[6] = 1;
    p->channelWord[6][0] = 1;
    p->channelWord[6][1] = 1;
    p->lastPitch[6][0] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->lastPitch[6][1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz

    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->mainValue[7] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][0] = 1;
    p->outputOn[7][1] = 1;

    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    writeText(p->sliderCaption[0], "Trigger Rate hz");
    p->sliderTarget[0][0] = 16; // module 0 frequency
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[1] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderCurrent[1] = floatFromBigEndian(0xC1, 0x1F, 0xFF, 0xFD); // -9.999997
    writeText(p->sliderCaption[1], "Power (width)");
    p->sliderTarget[1][0] = 21; // module 0 main value
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "ms Time");
    p->sliderTarget[2][0] = 81; // module 2 main value
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 141; // module 4 main value
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 171; // module 5 main value
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 201; // module 6 main value
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 231; // module 7 main value
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0xFF, 0xFF, 0xFF); // 1.9999999
    writeText(p->sliderCaption[3], "Pan Rate Hz");
    p->sliderTarget[3][0] = 106; // module 3 frequency
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x70, 0x00, 0x00); // 240
    writeText(p->sliderCaption[4], "Output Level 1-4");
    p->sliderTarget[4][0] = 63; // module 1 left gain
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1 right gain
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 93; // module 2 left gain
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 94; // module 2 right gain
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][4] = 153; // module 4 left gain
    p->sliderRatio[4][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][5] = 154; // module 4 right gain
    p->sliderRatio[4][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][6] = 183; // module 5 left gain
    p->sliderRatio[4][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][7] = 184; // module 5 right gain
    p->sliderRatio[4][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Output Level 5");
    p->sliderTarget[5][0] = 213; // module 6 left gain
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 214; // module 6 right gain
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7 left gain
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7 right gain
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1

    writeText(p->categoryName, "Granular");
    writeText(p->programName, "Stutter Pan");

    return first + 18;
}
