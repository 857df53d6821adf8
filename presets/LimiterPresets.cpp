#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildLimiterPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Limiter Setup"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Slider controls limiter threshold for ALL presets. If your host program clips plug-ins at 100%, try 70% or so (-3 dB), because 100% will have no effect.");
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
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::ModAMod;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Limiter Thresh %");
    p->sliderTarget[0][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Limiter");
    writeText(p->programName, "Limiter Setup");

    return first + 1;
}
