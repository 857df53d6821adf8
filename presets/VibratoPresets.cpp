#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildVibratoPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "EnvFol -> Vibrato"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "We let the amplitude envelope of the original sound modulate both the amplitude and frequency of the vibrato LFO, for an effect that breathes.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0xF1, 0x49); // 0.99977547
    p->envThreshold[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->processTime[0] = floatFromBigEndian(0x45, 0x40, 0xF0, 0x00); // 3087 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->modKind[0][1] = ModKind::AmplMod;
    p->modTarget[0][1] = 1;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x01); // 6.0000005 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::DelayMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 0.45
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x43, 0x30, 0x66, 0x67); // 176.40001 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x01); // 6.0000005
    writeText(p->sliderCaption[0], "LFO Freq hz");
    p->sliderTarget[0][0] = 46; // module 1, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[1], "LFO AM Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "LFO FM Depth");
    p->sliderTarget[2][0] = 29; // module 0, column 21
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x34, 0x00, 0x00); // 45
    writeText(p->sliderCaption[3], "Vibrato Depth");
    p->sliderTarget[3][0] = 56; // module 1, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    writeText(p->sliderCaption[4], "Delay Time ms");
    p->sliderTarget[4][0] = 81; // module 2, column 13
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
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
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "EnvFol -> Vibrato");

    // "EnvFol -> Vibrato & Tremolo"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "The signal's amplitude envelope controls the rate of an LFO which in turn controls both the tremolo and vibrato, which slow as the signal fades.");
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x40, 0x1F, 0xFF, 0xFF); // 2.4999998 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::AmplMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3E, 0x7F, 0xFF, 0xFE); // 0.24999997
    p->modKind[1][1] = ModKind::DelayMod;
    p->modTarget[1][1] = 2;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x20, 0x00, 0x00); // 0.625
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x42, 0x0D, 0x1E, 0xB9); // 35.280003 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 2.2
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 2.2
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = ProcessKind::EnvFollow;
    p->envCoefficient[3] = floatFromBigEndian(0x3F, 0x7F, 0xD6, 0xCF); // 0.99937147
    p->envThreshold[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->processTime[3] = floatFromBigEndian(0x44, 0x89, 0xCF, 0xFF); // 1102.4999 samples
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 6;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::DcOffset;
    p->dcOffset[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::FreqMod;
    p->modTarget[6][0] = 1;
    p->modDepth[6][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 0;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
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
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0xC7, 0xFF, 0xFE); // 24.999996
    writeText(p->sliderCaption[0], "EnvFol Time ms");
    p->sliderTarget[0][0] = 111; // module 3, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0x1F, 0xFF, 0xFF); // 2.4999998
    writeText(p->sliderCaption[1], "LFO Freq Hz");
    p->sliderTarget[1][0] = 46; // module 1, column 8
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "LFO Freq Mod Depth");
    p->sliderTarget[2][0] = 206; // module 6, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0xC7, 0xFF, 0xFF); // 24.999998
    writeText(p->sliderCaption[3], "Tremolo Depth");
    p->sliderTarget[3][0] = 56; // module 1, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x7A, 0x00, 0x00); // 62.5
    writeText(p->sliderCaption[4], "Vibrato Depth");
    p->sliderTarget[4][0] = 59; // module 1, column 21
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x5C, 0x00, 0x00); // 220
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
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "EnvFol -> Vibrato & Tremolo");

    // "Filter Vibrato"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Vibrato-like effect that varies the filter frequency  instead of the signal's pitch.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800 Hz
    p->filterQ[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Vibrato Rate Hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[1], "Vibrato Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[2] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[2] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    writeText(p->sliderCaption[2], "Bandpass Frq Hz");
    p->sliderTarget[2][0] = 51; // module 1, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[3], "Bandpass Q");
    p->sliderTarget[3][0] = 52; // module 1, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x82, 0x00, 0x00); // 65
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x82, 0x00, 0x00); // 65
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "Filter Vibrato");

    // "Random Vibrato"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Lowpass-filtered noise modulates the delay time, generating a random vibrato. Lowpass Freq controls vibrato rate; Q controls coherence.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Noise;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x40, 0x3F, 0xFF, 0xFF); // 2.9999998 Hz
    p->filterQ[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    p->modKind[0][1] = ModKind::DelayMod;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0xBE, 0x4C, 0xCC, 0xCC); // -0.19999999
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::AmplMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::Delay;
    p->processTime[4] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->phaseOrLfoDepth[7] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::AmplMod;
    p->modTarget[7][0] = 6;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 0;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 0;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x3F, 0xFF, 0xFF); // 2.9999998
    writeText(p->sliderCaption[0], "Lowpass Freq Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[1], "Lowpass Q");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[2], "Vibrato Depth");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 29; // module 0, column 21
    p->sliderRatio[2][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Delay Time ms");
    p->sliderTarget[3][0] = 51; // module 1, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 171; // module 5, column 13
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002
    writeText(p->sliderCaption[4], "Crossfade Rate Hz");
    p->sliderTarget[4][0] = 106; // module 3, column 8
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 226; // module 7, column 8
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x52, 0x00, 0x00); // 210
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 213; // module 6, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 214; // module 6, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Delayed Dry Mix");
    p->sliderTarget[6][0] = 153; // module 4, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 154; // module 4, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "Random Vibrato");

    // "Random Vibrato 2"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Lowpass-filtered noise modulates the delay time, generating a random vibrato. Lowpass Freq controls vibrato rate; Q controls coherence.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Noise;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 Hz
    p->filterQ[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->modKind[0][1] = ModKind::DelayMod;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::AmplMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::Delay;
    p->processTime[4] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 2.1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->phaseOrLfoDepth[7] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::AmplMod;
    p->modTarget[7][0] = 6;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 0;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 0;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[0], "Lowpass Freq Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[1], "Lowpass Q");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[2], "Vibrato Depth");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 29; // module 0, column 21
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Delay Time ms");
    p->sliderTarget[3][0] = 51; // module 1, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 171; // module 5, column 13
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002
    writeText(p->sliderCaption[4], "Crossfade Rate Hz");
    p->sliderTarget[4][0] = 106; // module 3, column 8
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 226; // module 7, column 8
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xE1, 0x00, 0x00); // 450
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x52, 0x00, 0x00); // 210
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 213; // module 6, column 25
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 214; // module 6, column 26
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 153; // module 4, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 154; // module 4, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "Random Vibrato 2");

    // "SharpFlat Vibrato"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Cross-fades between upward and downward pitch shifts.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Saw;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0xB3, 0x33, 0x33); // 0.35
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x43, 0x30, 0x66, 0x68); // 176.40002 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::Sine;
    p->oscFrequency[3] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[3] = FreqMode::Hz;
    p->sliderFreqMode[3] = FreqMode::Hz;
    p->note[3] = 9; // A
    p->octave[3] = 4;
    p->phaseOrLfoDepth[3] = floatFromBigEndian(0x3F, 0xC9, 0x0F, 0xDB); // 1.5707964 rad
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::AmplMod;
    p->modTarget[3][0] = 2;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Saw;
    p->oscFrequency[4] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->phaseOrLfoDepth[4] = floatFromBigEndian(0x40, 0x49, 0x0F, 0xDB); // 3.1415927 rad
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0xBE, 0xB3, 0x33, 0x33); // -0.35
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x43, 0x30, 0x66, 0x68); // 176.40002 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->note[7] = 9; // A
    p->octave[7] = 4;
    p->phaseOrLfoDepth[7] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // 4.712389 rad
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::AmplMod;
    p->modTarget[7][0] = 6;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 0;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 0;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "LFO Freq Hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 136; // module 4, column 8
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 106; // module 3, column 8
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 226; // module 7, column 8
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x0C, 0x00, 0x00); // 35
    writeText(p->sliderCaption[1], "Pitch Mod Depth %");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 146; // module 4, column 18
    p->sliderRatio[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x80, 0x00, 0x01); // 4.0000005
    writeText(p->sliderCaption[2], "Delay Time ms.");
    p->sliderTarget[2][0] = 51; // module 1, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 171; // module 5, column 13
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[3], "Output Volume");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 213; // module 6, column 25
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 214; // module 6, column 26
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "SharpFlat Vibrato");

    // "Vibrato 1"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Simple vibrato. Adjust rate and depth for desired effect.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9A); // 0.3
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x42, 0x30, 0x66, 0x67); // 44.100002 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[0], "Vibrato Rate hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x01); // 30.000002
    writeText(p->sliderCaption[1], "Vibrato Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[2], "Time Delay ms");
    p->sliderTarget[2][0] = 51; // module 1, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 243; // module 7, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 244; // module 7, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "Vibrato 1");

    // "Vibrato 2"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Subtle vibrato. Adjust rate and depth for desired effect.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x40, 0xB0, 0x00, 0x00); // 5.5 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->note[0] = 9; // A
    p->octave[0] = 4;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x9A); // 0.15
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x42, 0x30, 0x66, 0x67); // 44.100002 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xB0, 0x00, 0x00); // 5.5
    writeText(p->sliderCaption[0], "Vibrato Rate hz");
    p->sliderTarget[0][0] = 16; // module 0, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x70, 0x00, 0x01); // 15.000001
    writeText(p->sliderCaption[1], "Vibrato Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[2], "Time Delay ms");
    p->sliderTarget[2][0] = 51; // module 1, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[3], "Output Volume");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Vibrato");
    writeText(p->programName, "Vibrato 2");

    return first + 8;
}
