#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildFilterUtilitiesPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Bandpass"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Second-order bandpass filter. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::BandPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x01); // 500.00003 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x57, 0x0A, 0x3D); // 84%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x57, 0x0A, 0x3D); // 84%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = 0; // kind 0: passes the signal unprocessed
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x01); // 500.00003
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Q Slope");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xA8, 0x00, 0x00); // 84
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 33;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 34;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 63;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Bandpass");

    // "BS Filter"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "BS Filter automatically removes lies from politician's speeches.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -100%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -100%
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "% BS Reduction");
    p->sliderTarget[0][0] = 33;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34;
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "BS Filter");

    // "Cardboard Tube"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple physical model of an 11-inch cardboard tube. Feedback controls comb filter resonance; delay time varies length of tube.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::Delay;
    p->mainValue[1] = floatFromBigEndian(0x40, 0x4C, 0xCC, 0xCC); // 3.1999998 ms
    p->processTime[1] = floatFromBigEndian(0x43, 0x0D, 0x1E, 0xB8); // 141.12 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x2A, 0xC0, 0x82); // 66.699994%
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x2A, 0xC0, 0x82); // 66.699994%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 6;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::LowPass;
    p->mainValue[6] = floatFromBigEndian(0x43, 0xAE, 0xFF, 0xFF); // 349.99997 Hz
    p->filterQ[6] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x8C, 0xCC, 0xCD); // 440%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x8C, 0xCC, 0xCD); // 440%
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x4C, 0xCC, 0xCC); // 3.1999998
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 51;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0xC2, 0xF0, 0x00, 0x00); // -120
    p->sliderMax[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[1] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 56;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xAE, 0xFF, 0xFF); // 349.99997
    writeText(p->sliderCaption[2], "Lowpass Freq Hz");
    p->sliderTarget[2][0] = 201;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderCurrent[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[3], "Lowpass Q");
    p->sliderTarget[3][0] = 202;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 213;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 214;
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 33;
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34;
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Cardboard Tube");

    // "DC Offset Filter"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "6th-order filter for eliminating DC offsets.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[0], "Cutoff Freq hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51;
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 81;
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Filter Q slope");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52;
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 93;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 94;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "DC Offset Filter");

    // "Filtered Noise"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "This lets you select different flavors of filtered noise.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Noise;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 2;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->processKind[3] = ProcessKind::BandPass;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000 Hz
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 79.999995%
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 79.999995%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Noise;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 3;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    // Modules 6 to 8 are not in use yet hold the fields of a switched-off module.
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::NoMod;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[5][1] = ModKind::NoMod;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[6][1] = ModKind::NoMod;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->oscKind[7] = OscKind::NoOsc;
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modDepth[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[7][1] = ModKind::NoMod;
    p->modDepth[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 51;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 81;
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 111;
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Q Slope");
    p->sliderTarget[1][0] = 52;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 82;
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 112;
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[2], "Lowpass Mix");
    p->sliderTarget[2][0] = 63;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Highpass Mix");
    p->sliderTarget[3][0] = 93;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[4], "Bandpass Mix");
    p->sliderTarget[4][0] = 123;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 124;
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 33;
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 34;
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Filtered Noise");

    // "Highpass"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Second-order highpass filter. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xF9, 0xFF, 0xFF); // 499.99997 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x7F, 0xFF, 0xFF); // 0.99999994
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 220%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x0C, 0xCC, 0xCD); // 220%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = 0; // kind 0: passes the signal unprocessed
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xF9, 0xFF, 0xFF); // 499.99997
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x7F, 0xFF, 0xFF); // 0.99999994
    writeText(p->sliderCaption[1], "Q Slope");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x5C, 0x00, 0x00); // 220
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 33;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 34;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 63;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Highpass");

    // "Lowpass"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Second-order lowpass filter. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x01); // 500.00003 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x7F, 0xFF, 0xFF); // 0.99999994
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x26, 0x66, 0x66); // 260%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x26, 0x66, 0x66); // 260%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = 0; // kind 0: passes the signal unprocessed
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x01); // 500.00003
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x7F, 0xFF, 0xFF); // 0.99999994
    writeText(p->sliderCaption[1], "Q Slope");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x82, 0x00, 0x00); // 260
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 33;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 34;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 63;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Lowpass");

    // "Notch Filter"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "A crude notch filter made from multiple parallel lowpass and highpass filters. (Works most predictably with a Q of 1.)");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 3;
    p->modDepth[0][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 3;
    p->modDepth[1][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 5;
    p->modDepth[2][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->processKind[3] = ProcessKind::HighPass;
    p->mainValue[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 4;
    p->modDepth[3][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->modKind[3][1] = ModKind::Mix;
    p->modTarget[3][1] = 5;
    p->modDepth[3][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[3][1] = 0;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::LowPass;
    p->mainValue[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 6;
    p->modDepth[4][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 7;
    p->modDepth[4][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[4][0] = 0;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::HighPass;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->modKind[5][1] = ModKind::Mix;
    p->modTarget[5][1] = 7;
    p->modDepth[5][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::LowPass;
    p->mainValue[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x41, 0x18, 0x00, 0x00); // 950%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x41, 0x18, 0x00, 0x00); // 950%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::NoOsc;
    p->processKind[7] = ProcessKind::HighPass;
    p->mainValue[7] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x41, 0x18, 0x00, 0x00); // 950%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x41, 0x18, 0x00, 0x00); // 950%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[0], "Notch Freq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51;
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 81;
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 141;
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][4] = 171;
    p->sliderRatio[0][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][5] = 201;
    p->sliderRatio[0][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][6] = 111;
    p->sliderRatio[0][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][7] = 231;
    p->sliderRatio[0][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x74, 0xBC, 0x6A); // 0.956
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Notch Q");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52;
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 82;
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 142;
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][4] = 172;
    p->sliderRatio[1][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][5] = 202;
    p->sliderRatio[1][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][6] = 112;
    p->sliderRatio[1][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][7] = 232;
    p->sliderRatio[1][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    writeText(p->sliderCaption[2], "Feedfwd Gain");
    p->sliderTarget[2][0] = 26;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 29;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 56;
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 59;
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 86;
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][5] = 89;
    p->sliderRatio[2][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][6] = 146;
    p->sliderRatio[2][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][7] = 149;
    p->sliderRatio[2][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][8] = 176;
    p->sliderRatio[2][8] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][9] = 179;
    p->sliderRatio[2][9] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][10] = 116;
    p->sliderRatio[2][10] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][11] = 119;
    p->sliderRatio[2][11] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0xC8, 0x00, 0x00); // 1600
    p->sliderCurrent[3] = floatFromBigEndian(0x44, 0x6D, 0x80, 0x00); // 950
    writeText(p->sliderCaption[3], "Output Volume");
    p->sliderTarget[3][0] = 213;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 214;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 243;
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 244;
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Notch Filter");

    // "Phone Bandwidth"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Three lowpass filters in series, to simulate telephone bandwidth.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x44, 0xE1, 0xA0, 0x00); // 1805 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x45, 0x3B, 0x7F, 0xFF); // 2999.9998 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x45, 0x16, 0x00, 0x01); // 2400.0002 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x90, 0x00, 0x00); // 1.125
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 800%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 800%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0xE1, 0xA0, 0x00); // 1805
    writeText(p->sliderCaption[0], "Lowpass Freq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[1] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[1] = floatFromBigEndian(0x45, 0x16, 0x00, 0x01); // 2400.0002
    writeText(p->sliderCaption[1], "Lowpass Freq Hz");
    p->sliderTarget[1][0] = 81;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[2] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[2] = floatFromBigEndian(0x45, 0x3B, 0x7F, 0xFF); // 2999.9998
    writeText(p->sliderCaption[2], "Lowpass Freq Hz");
    p->sliderTarget[2][0] = 51;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[3], "Q Slope");
    p->sliderTarget[3][0] = 22;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 82;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->sliderTarget[3][2] = 52;
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0xC8, 0x00, 0x00); // 1600
    p->sliderCurrent[4] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94;
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243;
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244;
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Phone Bandwidth");

    // "Pseudo-Stereo"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple Pseudo-Stereo using alternate filter banks. Start with a 2-channel selection with both channels being the same.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::BandPass;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::BandPass;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->outputOn[2][1] = 0;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = ProcessKind::BandPass;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800 Hz
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 0;
    p->outputGain[3][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::BandPass;
    p->mainValue[4] = floatFromBigEndian(0x44, 0xC8, 0x00, 0x00); // 1600 Hz
    p->filterQ[4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::BandPass;
    p->mainValue[5] = floatFromBigEndian(0x45, 0x48, 0x00, 0x00); // 3200 Hz
    p->filterQ[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->processKind[6] = ProcessKind::BandPass;
    p->mainValue[6] = floatFromBigEndian(0x45, 0xC8, 0x00, 0x00); // 6400 Hz
    p->filterQ[6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->outputOn[6][1] = 0;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = ProcessKind::BandPass;
    p->mainValue[7] = floatFromBigEndian(0x46, 0x48, 0x00, 0x00); // 12800 Hz
    p->filterQ[7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 0;
    p->outputGain[7][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x93, 0x33, 0x33); // 115%
    p->sliderMin[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "Lowest Band Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51;
    p->sliderRatio[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderTarget[0][2] = 81;
    p->sliderRatio[0][2] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderTarget[0][3] = 111;
    p->sliderRatio[0][3] = floatFromBigEndian(0x41, 0x00, 0x00, 0x00); // 8
    p->sliderTarget[0][4] = 141;
    p->sliderRatio[0][4] = floatFromBigEndian(0x41, 0x80, 0x00, 0x00); // 16
    p->sliderTarget[0][5] = 171;
    p->sliderRatio[0][5] = floatFromBigEndian(0x42, 0x00, 0x00, 0x00); // 32
    p->sliderTarget[0][6] = 201;
    p->sliderRatio[0][6] = floatFromBigEndian(0x42, 0x80, 0x00, 0x00); // 64
    p->sliderTarget[0][7] = 231;
    p->sliderRatio[0][7] = floatFromBigEndian(0x43, 0x00, 0x00, 0x00); // 128
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Q Slope");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52;
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 82;
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 112;
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][4] = 142;
    p->sliderRatio[1][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][5] = 172;
    p->sliderRatio[1][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][6] = 202;
    p->sliderRatio[1][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][7] = 232;
    p->sliderRatio[1][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xE6, 0x00, 0x00); // 115
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 33;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][2] = 93;
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][3] = 124;
    p->sliderRatio[2][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][4] = 153;
    p->sliderRatio[2][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][5] = 184;
    p->sliderRatio[2][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][6] = 213;
    p->sliderRatio[2][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][7] = 244;
    p->sliderRatio[2][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Pseudo-Stereo");

    // "Simple Graphic EQ"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple parallel filter bank.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::LowPass;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100 Hz
    p->filterQ[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::BandPass;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 Hz
    p->filterQ[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::StereoIn;
    p->processKind[3] = ProcessKind::BandPass;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x48, 0x00, 0x00); // 800 Hz
    p->filterQ[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::BandPass;
    p->mainValue[4] = floatFromBigEndian(0x44, 0xC8, 0x00, 0x00); // 1600 Hz
    p->filterQ[4] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::StereoIn;
    p->processKind[5] = ProcessKind::BandPass;
    p->mainValue[5] = floatFromBigEndian(0x45, 0x48, 0x00, 0x00); // 3200 Hz
    p->filterQ[5] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->processKind[6] = ProcessKind::BandPass;
    p->mainValue[6] = floatFromBigEndian(0x45, 0xC8, 0x00, 0x00); // 6400 Hz
    p->filterQ[6] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = ProcessKind::BandPass;
    p->mainValue[7] = floatFromBigEndian(0x46, 0x48, 0x00, 0x00); // 12800 Hz
    p->filterQ[7] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[0], "100 hz level");
    p->sliderTarget[0][0] = 33;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34;
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[1], "200 hz level");
    p->sliderTarget[1][0] = 63;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 64;
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "400 hz level");
    p->sliderTarget[2][0] = 93;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 94;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "800 hz level");
    p->sliderTarget[3][0] = 123;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 124;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "1.6 kHz level");
    p->sliderTarget[4][0] = 153;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 154;
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[5], "3.2 kHz & above");
    p->sliderTarget[5][0] = 183;
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 184;
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 213;
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 214;
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][4] = 243;
    p->sliderRatio[5][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][5] = 244;
    p->sliderRatio[5][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Simple Graphic EQ");

    // "Simple Noise Reduction"
    p = &bank[first + 11];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple single-ended noise reduction. We track the amplitude envelope of the input and use it to control the cutoff of a bandpass filter. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->mainValue[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 ms
    p->processTime[0] = floatFromBigEndian(0x43, 0x5C, 0x80, 0x01); // 220.50002 samples
    p->envThreshold[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0x32, 0x4F); // 0.9968614 = 0.5^(1 / 220.50002)
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x45, 0xDA, 0xC0, 0x00); // 7000 Hz
    p->filterQ[1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[0], "EnvFol Time ms");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[1], "FilterMod Depth");
    p->sliderTarget[1][0] = 26;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x46, 0x5A, 0xC0, 0x00); // 14000
    p->sliderCurrent[2] = floatFromBigEndian(0x45, 0xDA, 0xC0, 0x00); // 7000
    writeText(p->sliderCaption[2], "Lowpass Freq Hz");
    p->sliderTarget[2][0] = 51;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderCurrent[3] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    writeText(p->sliderCaption[3], "Q Slope");
    p->sliderTarget[3][0] = 52;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x07, 0x00, 0x00); // 135
    writeText(p->sliderCaption[4], "Output Volume");
    p->sliderTarget[4][0] = 63;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64;
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Simple Noise Reduction");

    // "Single-End Noise Reduction"
    p = &bank[first + 12];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple single-ended noise reduction. When the amplitude envelope  tails off, we lower the cutoff of a bandpass filter.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->mainValue[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 ms
    p->processTime[0] = floatFromBigEndian(0x43, 0x5C, 0x80, 0x01); // 220.50002 samples
    p->envThreshold[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0x32, 0x4F); // 0.9968614 = 0.5^(1 / 220.50002)
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x45, 0xDA, 0xC0, 0x00); // 7000 Hz
    p->filterQ[1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->sliderMin[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[0], "EnvFol Time ms");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[1], "EnvFol Thresh");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[2], "EnvFol Depth");
    p->sliderTarget[2][0] = 26;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[3] = floatFromBigEndian(0x46, 0x6A, 0x60, 0x00); // 15000
    p->sliderCurrent[3] = floatFromBigEndian(0x45, 0xDA, 0xC0, 0x00); // 7000
    writeText(p->sliderCaption[3], "Lowpass Freq Hz");
    p->sliderTarget[3][0] = 51;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[4] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25
    writeText(p->sliderCaption[4], "Lowpass Q");
    p->sliderTarget[4][0] = 52;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x07, 0x00, 0x00); // 135
    writeText(p->sliderCaption[5], "Output Volume");
    p->sliderTarget[5][0] = 63;
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64;
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Single-End Noise Reduction");

    // "Vocal Pop Remover"
    p = &bank[first + 13];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Remove vocal pops ('P's and 'B's, etc.).  Highpass filters the signal to get rid of the strong low frequency burst.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 Hz
    p->filterQ[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 159.99999%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCC); // 159.99999%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = 0; // kind 0: passes the signal unprocessed
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[0], "Highpass Frq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[1], "Highpass Q");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x20, 0x00, 0x00); // 160
    writeText(p->sliderCaption[2], "Wet Mix");
    p->sliderTarget[2][0] = 33;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 34;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[3], "Dry Mix");
    p->sliderTarget[3][0] = 63;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64;
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Vocal Pop Remover");

    // "Whisper"
    p = &bank[first + 14];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "This filters out much of a voice's fundamental and its harmonics, and passes the sibilants.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x45, 0x67, 0x40, 0x00); // 3700 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x20, 0x00, 0x00); // 250%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::LowPass;
    p->mainValue[1] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x01); // 5000.0005 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 500%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 500%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[0] = floatFromBigEndian(0x45, 0xE7, 0x40, 0x00); // 7400
    p->sliderCurrent[0] = floatFromBigEndian(0x45, 0x67, 0x40, 0x00); // 3700
    writeText(p->sliderCaption[0], "Lowpass Freq Hz");
    p->sliderTarget[0][0] = 21;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Lowpass Q");
    p->sliderTarget[1][0] = 22;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[2] = floatFromBigEndian(0x46, 0x1C, 0x40, 0x00); // 10000
    p->sliderCurrent[2] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x01); // 5000.0005
    writeText(p->sliderCaption[2], "Hipass Freq Hz");
    p->sliderTarget[2][0] = 51;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[3], "Highpass Q");
    p->sliderTarget[3][0] = 52;
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63;
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64;
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243;
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244;
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Whisper");

    // "Wind Noise Filter"
    p = &bank[first + 15];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "A simple filter for removing low-frequency wind noise. ");
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[0], "Cutoff Freq Hz");
    p->sliderTarget[0][0] = 81;
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Q Slope");
    p->sliderTarget[1][0] = 82;
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 93;
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 94;
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Filter Utilities");
    writeText(p->programName, "Wind Noise Filter");

    return first + 16;
}
