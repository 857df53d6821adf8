#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildPitchTrackPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Calliope"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "We slowly pitch track a monophonic input, frequency modulate a squared-off sine wave and frequency quantize it. Filtered noise is added.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftRightIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x45, 0x5C, 0x80, 0x01); // 3528.0002 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[0][1] = ModKind::FilterFrq;
    p->modTarget[0][1] = 4;
    p->modDepth[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->freqMode[1] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::QuantizeFrq;
    p->quantizeStep[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 semitones
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
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->exponent[2] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Noise;
    p->processKind[4] = ProcessKind::BandPass;
    p->mainValue[4] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500 Hz
    p->filterQ[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x41, 0x06, 0x66, 0x66); // 8.4
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x41, 0x06, 0x66, 0x66); // 8.4
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  Hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[2], "PitchTrk Int ms");
    p->sliderTarget[2][0] = 19; // module 0, column 11
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Pitch Scale");
    p->sliderTarget[3][0] = 26; // module 0, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 29; // module 0, column 21
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    writeText(p->sliderCaption[4], "Tone Volume");
    p->sliderTarget[4][0] = 93; // module 2, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x96, 0x00, 0x00); // 1200
    p->sliderCurrent[5] = floatFromBigEndian(0x44, 0x52, 0x00, 0x00); // 840
    writeText(p->sliderCaption[5], "Noise Volume");
    p->sliderTarget[5][0] = 153; // module 4, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "Calliope");

    // "PitchTrack Bandpass"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and use it to sweep the bandpass filter frequency.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x89, 0xD0, 0x00); // 1102.5 samples
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1 Hz
    p->filterQ[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 1.25
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  Hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "FilterFrq Scale");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[3] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[3], "Filter Q");
    p->sliderTarget[3][0] = 52; // module 1, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "PitchTrack Bandpass");

    // "PitchTrack Whistle"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and sweep the filter freq of white noise, resulting in a whistled sound.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Noise;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500 Hz
    p->filterQ[1] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0xB3, 0x33, 0x33); // 5.6
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x45, 0x25, 0x60, 0x00); // 2646 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0xAA, 0x3D, 0x70); // 0.33249998
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xAA, 0x3D, 0x70); // 1.3299999
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "FilterFrq Scale");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    writeText(p->sliderCaption[3], "Filter Q");
    p->sliderTarget[3][0] = 52; // module 1, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[4] = floatFromBigEndian(0x44, 0x0C, 0x00, 0x00); // 560
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x05, 0x00, 0x00); // 133
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 94; // module 2, column 26
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 93; // module 2, column 25
    p->sliderRatio[5][1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "PitchTrack Whistle");

    // "PitchTrack Whistle 2"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale = 400), and sweep the filter freq of white noise, resulting in a whistled sound.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Noise;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500 Hz
    p->filterQ[1] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x45, 0x25, 0x60, 0x00); // 2646 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "FilterFrq Scale");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    writeText(p->sliderCaption[3], "Filter Q");
    p->sliderTarget[3][0] = 52; // module 1, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "PitchTrack Whistle 2");

    // "PitchTrack Whistle + Vib"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "We pitch-track the input, raise the pitch 2 octaves (FilterFrq Scale= 400),  sweep the noise filter freq and add vibrato, resulting in a musical saw.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Noise;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500 Hz
    p->filterQ[1] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x01); // 4.0000005
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x01); // 4.0000005
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::FilterFrq;
    p->modTarget[4][0] = 1;
    p->modDepth[4][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x45, 0x25, 0x60, 0x00); // 2646 samples
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 1.1999999
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "FilterFrq Scale");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x2A, 0x00, 0x00); // 170
    writeText(p->sliderCaption[3], "Filter Q");
    p->sliderTarget[3][0] = 52; // module 1, column 14
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[4], "Vibrato Depth");
    p->sliderTarget[4][0] = 146; // module 4, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x02); // 400.00006
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // module 1, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // module 1, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x70, 0x00, 0x00); // 240
    p->sliderCurrent[6] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 183; // module 5, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 184; // module 5, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "PitchTrack Whistle + Vib");

    // "PitchTrack->RingMod"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "This pitch-tracks a monophonic signal and uses the result to modulate a ring modulation oscillator, resulting in ring mod that follows the original pitch.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
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
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    writeText(p->sliderCaption[2], "PitchTrk Int ms");
    p->sliderTarget[2][0] = 19; // module 0, column 11
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Freq Mod Depth");
    p->sliderTarget[3][0] = 26; // module 0, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // module 2, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // module 2, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 153; // module 4, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 154; // module 4, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "PitchTrack->RingMod");

    // "PitchTrack->SitarDrone"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Resonant delay gives voice or instrumentals a sitar-like drone. Pitch Tracker modulates Delay Time, which in turn controls the drone pitch. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x99); // 0.14999999
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x41, 0x8D, 0x1E, 0xB9); // 17.640001 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 1;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0xFD, 0x70, 0xA3); // 1.9799999
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::PitchTrack;
    p->maxLag[2] = 276; // samples
    p->minLag[2] = 147; // samples
    p->trackInterval[2] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[2][0] = ModKind::DelayMod;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 0.9
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCD); // 0.4
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 51; // module 1, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0xC2, 0xB4, 0x00, 0x00); // -90
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x46, 0x00, 0x00); // 198
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x46, 0x00, 0x00); // 198
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 56; // module 1, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[2], "DelayMod Depth");
    p->sliderTarget[2][0] = 86; // module 2, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[3], "Wet Mix");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 33; // module 0, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 34; // module 0, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "PitchTrack->SitarDrone");

    // "Pitch Wah"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Pitch Wah. The signal's frequency envelope controls a lowpass filter's  cutoff frequency.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 441; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x9A); // 0.15
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x9A); // 0.15
    p->sliderMin[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 1.8
    writeText(p->sliderCaption[0], "Filter Q");
    p->sliderTarget[0][0] = 52; // module 1, column 14
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    writeText(p->sliderCaption[1], "Delay Mod Depth");
    p->sliderTarget[1][0] = 26; // module 0, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x70, 0x00, 0x01); // 15.000001
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "Pitch Wah");

    // "Slide Whistle"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "We pitch track the input and frequency modulate a slightly distorted  sine wave. Envelope Follower controls the amplitude.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftRightIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x5C, 0x80, 0x01); // 882.00006 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->modKind[0][1] = ModKind::FilterFrq;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->freqMode[1] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->note[1] = 9; // A
    p->octave[1] = 4;
    p->processKind[1] = ProcessKind::RaiseToPwr;
    p->exponent[1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x86, 0x66, 0x66); // 1.05
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x86, 0x66, 0x66); // 1.05
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Noise;
    p->processKind[2] = ProcessKind::BandPass;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x41, 0x06, 0x66, 0x66); // 8.4
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x41, 0x06, 0x66, 0x66); // 8.4
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->note[4] = 9; // A
    p->octave[4] = 4;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::FreqMod;
    p->modTarget[4][0] = 1;
    p->modDepth[4][0] = floatFromBigEndian(0x3C, 0x23, 0xD7, 0x0A); // 0.01
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::LeftRightIn;
    p->processKind[5] = ProcessKind::Delay;
    p->processTime[5] = floatFromBigEndian(0x44, 0xDC, 0x80, 0x01); // 1764.0001 samples
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
    p->processKind[6] = ProcessKind::EnvFollow;
    p->envCoefficient[6] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->envThreshold[6] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->processTime[6] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[6][0] = ModKind::AmplMod;
    p->modTarget[6][0] = 1;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][1] = ModKind::AmplMod;
    p->modTarget[6][1] = 2;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
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
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  Hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "Pitch Scale %");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 29; // module 0, column 21
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCD); // 0.4
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    writeText(p->sliderCaption[3], "Power Distort");
    p->sliderTarget[3][0] = 51; // module 1, column 13
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0xBB, 0x80, 0x00); // 1500
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xD2, 0x00, 0x00); // 105
    writeText(p->sliderCaption[4], "Tone Volume");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0xBB, 0x80, 0x00); // 1500
    p->sliderCurrent[5] = floatFromBigEndian(0x44, 0x52, 0x00, 0x00); // 840
    writeText(p->sliderCaption[5], "Noise Volume");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // module 7, column 25
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // module 7, column 26
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "Slide Whistle");

    // "Theremin"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "We pitch track the input at 4 different intervals (to smooth the tracking) and frequency modulate a slightly distorted sine wave.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0xAB, 0x1B, 0xA6); // 1368.864 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::PitchTrack;
    p->maxLag[1] = 276; // samples
    p->minLag[1] = 147; // samples
    p->trackInterval[1] = floatFromBigEndian(0x44, 0xCC, 0x39, 0xC8); // 1633.8057 samples
    p->modKind[1][0] = ModKind::FreqMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->freqMode[2] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::PhaseShape;
    p->phaseShape[2] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::PitchTrack;
    p->maxLag[4] = 276; // samples
    p->minLag[4] = 147; // samples
    p->trackInterval[4] = floatFromBigEndian(0x44, 0xED, 0x57, 0xE7); // 1898.747 samples
    p->modKind[4][0] = ModKind::FreqMod;
    p->modTarget[4][0] = 2;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::PitchTrack;
    p->maxLag[5] = 276; // samples
    p->minLag[5] = 147; // samples
    p->trackInterval[5] = floatFromBigEndian(0x45, 0x12, 0x45, 0x0F); // 2340.3162 samples
    p->modKind[5][0] = ModKind::FreqMod;
    p->modTarget[5][0] = 2;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::FreqMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3D, 0x75, 0xC2, 0x8F); // 0.06
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 0;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][1] = 0;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1, column 13
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 141; // module 4, column 13
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 171; // module 5, column 13
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52; // module 1, column 14
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 142; // module 4, column 14
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 172; // module 5, column 14
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xF8, 0x51, 0xEC); // 31.04
    writeText(p->sliderCaption[2], "PitchTrk Int ms");
    p->sliderTarget[2][0] = 19; // module 0, column 11
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 49; // module 1, column 11
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x98, 0xC6, 0x32); // 1.1935484
    p->sliderTarget[2][2] = 139; // module 4, column 11
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0xB1, 0x8C, 0x63); // 1.3870968
    p->sliderTarget[2][3] = 169; // module 5, column 11
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0xDA, 0xD6, 0xB6); // 1.7096775
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[3], "Pitch Scale %");
    p->sliderTarget[3][0] = 26; // module 0, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 56; // module 1, column 18
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 146; // module 4, column 18
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 176; // module 5, column 18
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[4], "Vibrato Depth");
    p->sliderTarget[4][0] = 206; // module 6, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
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
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "Theremin");

    // "Theremin+EnvFol"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 32768;
    writeText(p->description, "We pitch track the input and frequency modulate a slightly distorted  sine wave. Envelope Follower controls the amplitude.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftRightIn;
    p->processKind[0] = ProcessKind::PitchTrack;
    p->maxLag[0] = 276; // samples
    p->minLag[0] = 147; // samples
    p->trackInterval[0] = floatFromBigEndian(0x44, 0x89, 0xD0, 0x00); // 1102.5 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftRightIn;
    p->processKind[1] = ProcessKind::PitchTrack;
    p->maxLag[1] = 276; // samples
    p->minLag[1] = 147; // samples
    p->trackInterval[1] = floatFromBigEndian(0x44, 0xA5, 0x60, 0x01); // 1323.0001 samples
    p->modKind[1][0] = ModKind::FreqMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x43, 0xDB, 0xFF, 0xFC); // 439.99988 Hz
    p->freqMode[2] = 0; // mode 0: shown as Hz
    p->sliderFreqMode[2] = FreqMode::Hz;
    p->note[2] = 9; // A
    p->octave[2] = 4;
    p->processKind[2] = ProcessKind::PhaseShape;
    p->phaseShape[2] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::LeftRightIn;
    p->processKind[3] = ProcessKind::Delay;
    p->processTime[3] = floatFromBigEndian(0x45, 0xA5, 0x60, 0x01); // 5292.0005 samples
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 7;
    p->modDepth[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::LeftRightIn;
    p->processKind[4] = ProcessKind::PitchTrack;
    p->maxLag[4] = 276; // samples
    p->minLag[4] = 147; // samples
    p->trackInterval[4] = floatFromBigEndian(0x44, 0xC0, 0xF0, 0x00); // 1543.5 samples
    p->modKind[4][0] = ModKind::FreqMod;
    p->modTarget[4][0] = 2;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::LeftRightIn;
    p->processKind[5] = ProcessKind::PitchTrack;
    p->maxLag[5] = 276; // samples
    p->minLag[5] = 147; // samples
    p->trackInterval[5] = floatFromBigEndian(0x44, 0xEA, 0x48, 0x00); // 1874.25 samples
    p->modKind[5][0] = ModKind::FreqMod;
    p->modTarget[5][0] = 2;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::Sine;
    p->oscFrequency[6] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 Hz
    p->freqMode[6] = FreqMode::Hz;
    p->sliderFreqMode[6] = FreqMode::Hz;
    p->note[6] = 9; // A
    p->octave[6] = 4;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::FreqMod;
    p->modTarget[6][0] = 2;
    p->modDepth[6][0] = floatFromBigEndian(0x3D, 0x4C, 0xCC, 0xCC); // 0.049999997
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 0;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][1] = 0;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->processKind[7] = ProcessKind::EnvFollow;
    p->envCoefficient[7] = floatFromBigEndian(0x3F, 0x7F, 0xBB, 0x5D); // 0.9989527
    p->envThreshold[7] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 0.099999994
    p->processTime[7] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[7][0] = ModKind::AmplMod;
    p->modTarget[7][0] = 2;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 0;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[7][1] = 0;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[0], "PitchTrk Lo  Hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1, column 13
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 141; // module 4, column 13
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 171; // module 5, column 13
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[1], "PitchTrk Hi  Hz");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52; // module 1, column 14
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 142; // module 4, column 14
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 172; // module 5, column 14
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[2] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[2], "PitchTrk Int ms");
    p->sliderTarget[2][0] = 19; // module 0, column 11
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 49; // module 1, column 11
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x9A); // 1.2
    p->sliderTarget[2][2] = 139; // module 4, column 11
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 1.4
    p->sliderTarget[2][3] = 169; // module 5, column 11
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0xD9, 0x99, 0x9A); // 1.7
    p->sliderTarget[2][4] = 111; // module 3, column 13
    p->sliderRatio[2][4] = floatFromBigEndian(0x40, 0x99, 0x99, 0x9A); // 4.8
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[3], "Pitch Scale %");
    p->sliderTarget[3][0] = 26; // module 0, column 18
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 56; // module 1, column 18
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 146; // module 4, column 18
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 176; // module 5, column 18
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[4], "Vibrato Depth");
    p->sliderTarget[4][0] = 206; // module 6, column 18
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[5], "Output Volume");
    p->sliderTarget[5][0] = 93; // module 2, column 25
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // module 2, column 26
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Pitch Track");
    writeText(p->programName, "Theremin+EnvFol");

    return first + 11;
}
