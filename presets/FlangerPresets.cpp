#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildFlangerPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Allpass PseudoPhaser"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Allpass PseudoPhaser");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCD); // 270%
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 4;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 3;
    p->modDepth[1][0] = floatFromBigEndian(0x40, 0x2C, 0xCC, 0xCD); // 270%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 3;
    p->modDepth[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::Mix;
    p->modTarget[3][0] = 0;
    p->modDepth[3][0] = floatFromBigEndian(0x40, 0x06, 0x66, 0x66); // 210%
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 39.999998%
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 39.999998%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x41, 0x90, 0x00, 0x00); // 18 ms
    p->processTime[4] = floatFromBigEndian(0x44, 0x46, 0x73, 0x34); // 793.80005 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0xC0, 0x2C, 0xCC, 0xCD); // -270%
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 1;
    p->modDepth[4][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 300%
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x41, 0xB0, 0x00, 0x01); // 22.000002 ms
    p->processTime[5] = floatFromBigEndian(0x44, 0x72, 0x8C, 0xCF); // 970.20013 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 1;
    p->modDepth[5][0] = floatFromBigEndian(0xC0, 0x2C, 0xCC, 0xCD); // -270%
    p->modKind[5][1] = ModKind::Mix;
    p->modTarget[5][1] = 3;
    p->modDepth[5][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 300%
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::Sine;
    p->oscFrequency[7] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 0.25 Hz
    p->freqMode[7] = FreqMode::Hz;
    p->sliderFreqMode[7] = FreqMode::Hz;
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::DelayMod;
    p->modTarget[7][0] = 4;
    p->modDepth[7][0] = floatFromBigEndian(0x3E, 0x23, 0xD7, 0x0A); // 16%
    p->modKind[7][1] = ModKind::DelayMod;
    p->modTarget[7][1] = 5;
    p->modDepth[7][1] = floatFromBigEndian(0x3E, 0x23, 0xD7, 0x0A); // 16%
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x87, 0x00, 0x00); // 270
    writeText(p->sliderCaption[0], "Allpass Coeff");
    p->sliderTarget[0][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[0][2] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderTarget[0][3] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[0][3] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[1], "Feed forward");
    p->sliderTarget[1][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x91, 0x00, 0x00); // 290
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x52, 0x00, 0x00); // 210
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 116; // fieldId(3, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[3] = floatFromBigEndian(0x41, 0x90, 0x00, 0x00); // 18
    writeText(p->sliderCaption[3], "Allpass Delay ms");
    p->sliderTarget[3][0] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x9C, 0x71, 0xC8); // 1.2222223
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x80, 0x00, 0x00); // 16
    writeText(p->sliderCaption[4], "Delay Mod Depth");
    p->sliderTarget[4][0] = 236; // fieldId(7, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 239; // fieldId(7, Column::SlotBDepth)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 123; // fieldId(3, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 124; // fieldId(3, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Allpass PseudoPhaser");

    // "Double Bifurcated Sprocket Fl."
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Two parallel flangers with the same modulation rate and depth, but different delay times.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0x88, 0x88, 0x89); // 0.26666668 Hz
    p->freqMode[0] = FreqMode::Bpm;
    p->sliderFreqMode[0] = FreqMode::Bpm;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x73, 0x33, 0x33); // 95%
    p->modKind[0][1] = ModKind::DelayMod;
    p->modTarget[0][1] = 6;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x73, 0x33, 0x33); // 95%
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0x84, 0x4C, 0xCD); // 66.15 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 5;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x81, 0x99, 0x9A); // 405%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x81, 0x99, 0x9A); // 405%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002 ms
    p->processTime[6] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCE); // 132.30002 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 1;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x81, 0x99, 0x9A); // 405%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x81, 0x99, 0x9A); // 405%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x80, 0x00, 0x00); // 16
    writeText(p->sliderCaption[0], "LFO Rate BPM");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xBE, 0x00, 0x00); // 95
    writeText(p->sliderCaption[1], "Delay Mod");
    p->sliderTarget[1][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 29; // fieldId(0, Column::SlotBDepth)
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[2] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[2], "1st Delay Time ms");
    p->sliderTarget[2][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x01); // 3.0000002
    writeText(p->sliderCaption[3], "2nd Delay Time ms");
    p->sliderTarget[3][0] = 201; // fieldId(6, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[4], "Flange Depth");
    p->sliderTarget[4][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 206; // fieldId(6, Column::SlotADepth)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0xCA, 0x80, 0x01); // 405.00003
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 183; // fieldId(5, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 213; // fieldId(6, Column::LeftGain)
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 214; // fieldId(6, Column::RightGain)
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Double Bifurcated Sprocket Fl.");

    // "Echo + Flange"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Echo followed by Flanger.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x95); // 0.29999986 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 280%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x33, 0x33, 0x33); // 280%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0x84, 0x4C, 0xCD); // 66.15 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 1;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 150%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 150%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x10, 0x62); // 100.05%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xA3, 0xD7, 0x0A); // 0.02
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x95); // 0.29999986
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x07, 0x00, 0x00); // 135
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[2], "Flange Feedback");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Echo Time ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x19, 0x9A); // 100.05
    writeText(p->sliderCaption[4], "Echo Feedback");
    p->sliderTarget[4][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x8C, 0x00, 0x00); // 280
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Echo + Flange");

    // "EnvFol->ExtremeFlangeEcho"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Envelope Follower modulates extreme flanger plus echo.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::EnvFollow;
    p->mainValue[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30 ms
    p->processTime[0] = floatFromBigEndian(0x44, 0xA5, 0x60, 0x00); // 1323 samples
    p->envThreshold[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->envCoefficient[0] = floatFromBigEndian(0x3F, 0x7F, 0xDD, 0xAC); // 0.9994762 = 0.5^(1 / 1323)
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0xB0, 0xA3, 0xD7); // 138%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15 ms
    p->processTime[2] = floatFromBigEndian(0x44, 0x25, 0x60, 0x00); // 661.5 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xB0, 0xA3, 0xD7); // 138%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0xFD, 0x70, 0xA3); // 197.99999%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    writeText(p->sliderCaption[0], "Flange Delay ms");
    p->sliderTarget[0][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x0A, 0x00, 0x00); // 138
    writeText(p->sliderCaption[1], "Flange Feedback");
    p->sliderTarget[1][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "Echo Time ms");
    p->sliderTarget[2][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x46, 0x00, 0x00); // 198
    writeText(p->sliderCaption[3], "Echo Feedback");
    p->sliderTarget[3][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 153; // fieldId(4, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 154; // fieldId(4, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "EnvFol->ExtremeFlangeEcho");

    // "Extreme Flange + Echo"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Flanger with extreme feedback, plus echo.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0x84, 0x4C, 0xCD); // 66.15 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3E, 0x75, 0xC2, 0x8F); // 24%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3E, 0x75, 0xC2, 0x8F); // 24%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x08, 0x00, 0x00); // 136
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x07, 0x00, 0x00); // 135
    writeText(p->sliderCaption[2], "Flange Feedback");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Echo Time ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "Echo Feedback");
    p->sliderTarget[4][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[5] = floatFromBigEndian(0x41, 0xC0, 0x00, 0x00); // 24
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
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Extreme Flange + Echo");

    // "Extreme Flange + Echo Expl."
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Pitch Shift Flanger with extreme feedback, plus echo explosions.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0x8B, 0x40, 0x00); // 278.5 ms
    p->processTime[2] = floatFromBigEndian(0x46, 0x3F, 0xE7, 0x67); // 12281.851 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x8C, 0xCC, 0xCD); // 110%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x8C, 0xCC, 0xCD); // 110%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x44, 0x0B, 0x40, 0x00); // 557
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x8B, 0x40, 0x00); // 278.5
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x02, 0x00, 0x00); // 130
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[2], "Flange Feedback");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Echo Time ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "Echo Feedback");
    p->sliderTarget[4][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xDC, 0x00, 0x00); // 110
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
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Extreme Flange + Echo Expl.");

    // "Flange + Echo"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Flanger plus echo.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0x84, 0x4C, 0xCD); // 66.15 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCE); // 160.00001%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0xCC, 0xCC, 0xCE); // 160.00001%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0x09, 0xD0, 0x00); // 8820 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Flange Feedback");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Echo Time ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "Echo Feedback");
    p->sliderTarget[4][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x20, 0x00, 0x01); // 160.00002
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
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Flange + Echo");

    // "Flange + Echo 2"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Flanger plus echo.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x9A); // 0.15 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0x84, 0x4C, 0xCD); // 66.15 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0xCE, 0xB8, 0x01); // 26460.002 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 150%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x9A); // 0.15
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3C, 0x23, 0xD7, 0x0A); // 0.01
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Flange Feedback");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    writeText(p->sliderCaption[3], "Echo Time ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[4], "Echo Feedback");
    p->sliderTarget[4][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
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
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Flange + Echo 2");

    // "Flange 1"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Simple flanger ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0x84, 0x4C, 0xCD); // 66.15 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[2], "Delay Mod");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Flange 1");

    // "Flange 2"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Another simple flanger.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 180%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 180%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0xA8, 0xF5, 0xC2); // 32.999998%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 180%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xE6, 0x66, 0x66); // 180%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCC); // 0.19999999
    writeText(p->sliderCaption[0], "Flange Rate hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[1], "Mod Depth");
    p->sliderTarget[1][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x04, 0x00, 0x00); // 33
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[3], "Delay Time ms");
    p->sliderTarget[3][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x34, 0x00, 0x00); // 180
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Flange 2");

    // "FlangeVerb"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Flanger feeds a series of 3 interconnected delays  for a reverberant flange effect.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x73, 0x33, 0x33); // 95%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75 ms
    p->processTime[4] = floatFromBigEndian(0x45, 0x4E, 0xB8, 0x01); // 3307.5002 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 4;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x42, 0x74, 0x00, 0x00); // 61 ms
    p->processTime[5] = floatFromBigEndian(0x45, 0x28, 0x21, 0x9A); // 2690.1 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 5;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[5][1] = ModKind::Mix;
    p->modTarget[5][1] = 6;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x42, 0x9E, 0x00, 0x00); // 79 ms
    p->processTime[6] = floatFromBigEndian(0x45, 0x59, 0xBE, 0x67); // 3483.9001 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 6;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[6][1] = ModKind::Mix;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 0.29999998
    writeText(p->sliderCaption[0], "Flange Rate hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xBE, 0x00, 0x00); // 95
    writeText(p->sliderCaption[1], "Flange Depth");
    p->sliderTarget[1][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[2], "Short Delay ms");
    p->sliderTarget[2][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x74, 0x00, 0x00); // 61
    writeText(p->sliderCaption[3], "Long Delay ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x9D, 0x60, 0x86); // 1.2295082
    p->sliderTarget[3][2] = 201; // fieldId(6, Column::MainValue)
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0xA5, 0xC5, 0x3F); // 1.295082
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 153; // fieldId(4, Column::LeftGain)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 154; // fieldId(4, Column::RightGain)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][4] = 183; // fieldId(5, Column::LeftGain)
    p->sliderRatio[4][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][5] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[4][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][6] = 213; // fieldId(6, Column::LeftGain)
    p->sliderRatio[4][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][7] = 214; // fieldId(6, Column::RightGain)
    p->sliderRatio[4][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "FlangeVerb");

    // "Ned Flangers"
    p = &bank[first + 11];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Self-modulating flanger, in which the envelope of the signal  is used to modulate the flanger delay time. ");
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xD3, 0x33, 0x33); // 165%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xD3, 0x33, 0x33); // 165%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2 ms
    p->processTime[2] = floatFromBigEndian(0x42, 0xB0, 0x66, 0x67); // 88.200005 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 65%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xD3, 0x33, 0x33); // 165%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xD3, 0x33, 0x33); // 165%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::StereoIn;
    p->processKind[4] = ProcessKind::EnvFollow;
    p->mainValue[4] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60 ms
    p->processTime[4] = floatFromBigEndian(0x45, 0x25, 0x60, 0x00); // 2646 samples
    p->envThreshold[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->envCoefficient[4] = floatFromBigEndian(0x3F, 0x7F, 0xEE, 0xD6); // 0.9997381 = 0.5^(1 / 2646)
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 2;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 79.999995%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[0], "DelayMod Depth");
    p->sliderTarget[0][0] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x2F, 0x00, 0x00); // 175
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x82, 0x00, 0x00); // 65
    writeText(p->sliderCaption[1], "Feedback");
    p->sliderTarget[1][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    writeText(p->sliderCaption[2], "Delay Time ms");
    p->sliderTarget[2][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    writeText(p->sliderCaption[3], "EnvFol Time ms");
    p->sliderTarget[3][0] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x61, 0x00, 0x00); // 225
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x25, 0x00, 0x00); // 165
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Ned Flangers");

    // "Random Flange"
    p = &bank[first + 12];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "A low-pass filtered noise is used to modulate the flanger delay time. ");
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x1A, 0x59, 0x9A); // 154.35 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x67); // 90.000004%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xAC, 0xCC, 0xCD); // 135%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Noise;
    p->processKind[4] = ProcessKind::LowPass;
    p->mainValue[4] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2 Hz
    p->filterQ[4] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // Q 3
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 2;
    p->modDepth[4][0] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 8000%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    writeText(p->sliderCaption[0], "Noise Cutoff Hz");
    p->sliderTarget[0][0] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderMax[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[1], "Filter Q Slope");
    p->sliderTarget[1][0] = 142; // fieldId(4, Column::SecondValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x46, 0x1C, 0x40, 0x00); // 10000
    p->sliderCurrent[2] = floatFromBigEndian(0x45, 0xFA, 0x00, 0x00); // 8000
    writeText(p->sliderCaption[2], "DelayMod Depth");
    p->sliderTarget[2][0] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x2F, 0x00, 0x00); // 175
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x01); // 90.00001
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0x60, 0x00, 0x00); // 3.5
    writeText(p->sliderCaption[4], "Delay Time ms");
    p->sliderTarget[4][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x07, 0x00, 0x00); // 135
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Random Flange");

    // "Submarine"
    p = &bank[first + 13];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Flanger feeds a series of 3 interconnected delays for a reverberant metallic underwater sound. Adjust Flange Time for different effects.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x7D, 0x70, 0xA3); // 98.999995%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::StereoIn;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x5C, 0x80, 0x01); // 220.50002 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 2;
    p->modDepth[2][0] = floatFromBigEndian(0xBF, 0xE0, 0x00, 0x00); // -175%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75 ms
    p->processTime[4] = floatFromBigEndian(0x45, 0x4E, 0xB8, 0x01); // 3307.5002 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 4;
    p->modDepth[4][0] = floatFromBigEndian(0xBF, 0xE0, 0x00, 0x00); // -175%
    p->modKind[4][1] = ModKind::Mix;
    p->modTarget[4][1] = 5;
    p->modDepth[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x42, 0x74, 0x00, 0x00); // 61 ms
    p->processTime[5] = floatFromBigEndian(0x45, 0x28, 0x21, 0x9A); // 2690.1 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 5;
    p->modDepth[5][0] = floatFromBigEndian(0xBF, 0xE0, 0x00, 0x00); // -175%
    p->modKind[5][1] = ModKind::Mix;
    p->modTarget[5][1] = 6;
    p->modDepth[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x42, 0x9E, 0x00, 0x00); // 79 ms
    p->processTime[6] = floatFromBigEndian(0x45, 0x59, 0xBE, 0x67); // 3483.9001 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 6;
    p->modDepth[6][0] = floatFromBigEndian(0xBF, 0xE0, 0x00, 0x00); // -175%
    p->modKind[6][1] = ModKind::Mix;
    p->modTarget[6][1] = 3;
    p->modDepth[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    writeText(p->sliderCaption[0], "Flange Rate hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[1], "Flange Time ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xF4, 0x00, 0x00); // 122
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x74, 0x00, 0x00); // 61
    writeText(p->sliderCaption[2], "Delay Time ms");
    p->sliderTarget[2][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x9D, 0x60, 0x86); // 1.2295082
    p->sliderTarget[2][2] = 201; // fieldId(6, Column::MainValue)
    p->sliderRatio[2][2] = floatFromBigEndian(0x3F, 0xA5, 0xC5, 0x3F); // 1.295082
    p->sliderMin[3] = floatFromBigEndian(0xC3, 0x2F, 0x00, 0x00); // -175
    p->sliderMax[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[3] = floatFromBigEndian(0xC3, 0x2F, 0x00, 0x00); // -175
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][2] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[3][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][3] = 206; // fieldId(6, Column::SlotADepth)
    p->sliderRatio[3][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 153; // fieldId(4, Column::LeftGain)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 154; // fieldId(4, Column::RightGain)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][4] = 183; // fieldId(5, Column::LeftGain)
    p->sliderRatio[4][4] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][5] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[4][5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][6] = 213; // fieldId(6, Column::LeftGain)
    p->sliderRatio[4][6] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][7] = 214; // fieldId(6, Column::RightGain)
    p->sliderRatio[4][7] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Submarine");

    // "Tape Flange"
    p = &bank[first + 14];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Gentle tape flange.  Use for vocals, etc.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 140%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 140%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0xBE, 0x75, 0xC2, 0x8F); // -24%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 140%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 140%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0xCC, 0xCC, 0xCC); // 0.39999998
    writeText(p->sliderCaption[0], "Flange Rate hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[1], "Mod Depth");
    p->sliderTarget[1][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[2] = floatFromBigEndian(0xC1, 0xC0, 0x00, 0x00); // -24
    writeText(p->sliderCaption[2], "Feedback");
    p->sliderTarget[2][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[3], "Delay Time ms");
    p->sliderTarget[3][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Tape Flange");

    // "Thru-Zero Flange"
    p = &bank[first + 15];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Through-zero tape flange. Depth & delay time vary pitch, Feedback varies sharpness.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::Mix;
    p->modTarget[0][1] = 5;
    p->modDepth[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9B); // 0.30000004 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::DelayMod;
    p->modTarget[1][0] = 5;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::Delay;
    p->mainValue[4] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[4] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 0;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 300%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 300%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[5] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 0;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 300%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 300%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9B); // 0.30000004
    writeText(p->sliderCaption[0], "LFO rate hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[1], "DelayMod Depth");
    p->sliderTarget[1][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[2], "Delay time ms");
    p->sliderTarget[2][0] = 141; // fieldId(4, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 153; // fieldId(4, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 154; // fieldId(4, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 183; // fieldId(5, Column::LeftGain)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Thru-Zero Flange");

    // "Vocal Flange"
    p = &bank[first + 16];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Double flange for vocals");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Triangle;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 60%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 5;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x84, 0x4C, 0xCD); // 264.6 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 45%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 5;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0xBE, 0xCC, 0xCC, 0xCB); // -0.39999995 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 6;
    p->modDepth[4][0] = floatFromBigEndian(0x3E, 0xAE, 0x14, 0x7C); // 34.000003%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 360%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 360%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6 ms
    p->processTime[6] = floatFromBigEndian(0x43, 0x84, 0x4C, 0xCD); // 264.6 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 5;
    p->modDepth[6][0] = floatFromBigEndian(0x3E, 0xE6, 0x66, 0x66); // 45%
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 360%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 360%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    writeText(p->sliderCaption[0], "LFO 1 hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderMax[1] = floatFromBigEndian(0xBC, 0xF5, 0xC2, 0x8F); // -0.03
    p->sliderCurrent[1] = floatFromBigEndian(0xBE, 0xCC, 0xCC, 0xCB); // -0.39999995
    writeText(p->sliderCaption[1], "LFO 2 hz");
    p->sliderTarget[1][0] = 136; // fieldId(4, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x70, 0x00, 0x01); // 60.000004
    writeText(p->sliderCaption[2], "DelayMod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x11, 0x11, 0x11); // 0.56666666
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x34, 0x00, 0x00); // 45
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 206; // fieldId(6, Column::SlotADepth)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    writeText(p->sliderCaption[4], "Delay Time ms");
    p->sliderTarget[4][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 201; // fieldId(6, Column::MainValue)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x44, 0x3B, 0x80, 0x00); // 750
    p->sliderCurrent[5] = floatFromBigEndian(0x43, 0xB4, 0x00, 0x00); // 360
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 183; // fieldId(5, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][2] = 213; // fieldId(6, Column::LeftGain)
    p->sliderRatio[5][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][3] = 214; // fieldId(6, Column::RightGain)
    p->sliderRatio[5][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "Vocal Flange");

    // "XFlange"
    p = &bank[first + 17];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Pitch Shift Flanger with extreme feedback, plus echo explosions.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x0A, 0x3D, 0x72); // 0.5400001 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->exponent[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->modKind[1][1] = ModKind::Mix;
    p->modTarget[1][1] = 4;
    p->modDepth[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400 ms
    p->processTime[2] = floatFromBigEndian(0x46, 0x89, 0xD0, 0x00); // 17640 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->modKind[2][1] = ModKind::Mix;
    p->modTarget[2][1] = 4;
    p->modDepth[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x99, 0x99, 0x99); // 119.99999%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x66, 0x66, 0x66); // 90%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::Delay;
    p->mainValue[5] = floatFromBigEndian(0x43, 0xBC, 0x80, 0x00); // 377 ms
    p->processTime[5] = floatFromBigEndian(0x46, 0x81, 0xE3, 0x66); // 16625.7 samples
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 4;
    p->modDepth[5][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x0A, 0x3D, 0x72); // 0.5400001
    writeText(p->sliderCaption[0], "Flange LFO  hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x44, 0x0B, 0x40, 0x00); // 557
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[1], "Flange Delay ms");
    p->sliderTarget[1][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x02, 0x00, 0x00); // 130
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    writeText(p->sliderCaption[2], "Flange Feedback");
    p->sliderTarget[2][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0xBC, 0x80, 0x00); // 377
    writeText(p->sliderCaption[3], "Echo Time ms");
    p->sliderTarget[3][0] = 171; // fieldId(5, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[4], "Echo Feedback");
    p->sliderTarget[4][0] = 176; // fieldId(5, Column::SlotADepth)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
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
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "XFlange");

    // "2 to 1 Flange"
    p = &bank[first + 18];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "The left channel flanges at twice the rate of the right channel.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::DelayMod;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x8F, 0x5C, 0x29); // 112%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::Delay;
    p->mainValue[2] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[2] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 1;
    p->modDepth[2][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 125%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x8F, 0x5C, 0x29); // 112%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::Sine;
    p->oscFrequency[4] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9B); // 0.30000004 Hz
    p->freqMode[4] = FreqMode::Hz;
    p->sliderFreqMode[4] = FreqMode::Hz;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::DelayMod;
    p->modTarget[4][0] = 6;
    p->modDepth[4][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::RightIn;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::Mix;
    p->modTarget[5][0] = 6;
    p->modDepth[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[5][1] = ModKind::NoMod;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x8F, 0x5C, 0x29); // 112%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::NoOsc;
    p->processKind[6] = ProcessKind::Delay;
    p->mainValue[6] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 ms
    p->processTime[6] = floatFromBigEndian(0x43, 0x04, 0x4C, 0xCD); // 132.3 samples
    p->modKind[6][0] = ModKind::Mix;
    p->modTarget[6][0] = 5;
    p->modDepth[6][0] = floatFromBigEndian(0x3F, 0xA0, 0x00, 0x00); // 125%
    p->modKind[6][1] = ModKind::NoMod;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x8F, 0x5C, 0x29); // 112%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    writeText(p->sliderCaption[0], "LFlange Rate hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3C, 0xF5, 0xC2, 0x8F); // 0.03
    p->sliderMax[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderCurrent[1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x9B); // 0.30000004
    writeText(p->sliderCaption[1], "RFlange Rate hz");
    p->sliderTarget[1][0] = 136; // fieldId(4, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[2], "Flange Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xFA, 0x00, 0x00); // 125
    writeText(p->sliderCaption[3], "Feedback");
    p->sliderTarget[3][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 206; // fieldId(6, Column::SlotADepth)
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xE0, 0x00, 0x00); // 112
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][2] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[4][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][3] = 214; // fieldId(6, Column::RightGain)
    p->sliderRatio[4][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Flanger");
    writeText(p->programName, "2 to 1 Flange");

    return first + 19;
}
