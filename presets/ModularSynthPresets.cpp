#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildModularSynthPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Diminished S/H"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Stereo diminished Sample/Hold arpeggios. The Semitone slider controls the pitch quantization interval.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Noise;
    p->processKind[0] = ProcessKind::SampHold;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0xCC, 0xCC); // 90.399994 ms
    p->processTime[0] = floatFromBigEndian(0x45, 0x79, 0x2A, 0x3D); // 3986.64 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 79.999995%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::QuantizeFrq;
    p->quantizeStep[1] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3 semitones
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::RaiseToPwr;
    p->exponent[2] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 3.6
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x99); // 14.999999%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3E, 0x19, 0x99, 0x99); // 14.999999%
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
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xB4, 0xCC, 0xCC); // 90.399994
    writeText(p->sliderCaption[0], "Hold Time ms");
    p->sliderTarget[0][0] = 21; // fieldId(0, Column::MainValue)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[1], "PitchMod Depth");
    p->sliderTarget[1][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440
    writeText(p->sliderCaption[2], "Center Freq hz");
    p->sliderTarget[2][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x40, 0xC0, 0x00, 0x00); // 6
    p->sliderCurrent[3] = floatFromBigEndian(0x40, 0x40, 0x00, 0x00); // 3
    writeText(p->sliderCaption[3], "Quant. Semitone");
    p->sliderTarget[3][0] = 51; // fieldId(1, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[4] = floatFromBigEndian(0x40, 0x66, 0x66, 0x66); // 3.6
    writeText(p->sliderCaption[4], "Raise to Power");
    p->sliderTarget[4][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[5] = floatFromBigEndian(0x41, 0x70, 0x00, 0x00); // 15
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Diminished S/H");

    // "Full-Wave Rectifier"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Full Wave Rectifier. The negative part of the waveform is inverted to become positive.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::RaiseToPwr;
    p->exponent[0] = floatFromBigEndian(0xBF, 0x7F, 0xFF, 0xFF); // -0.99999994
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 140%
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0xB3, 0x33, 0x33); // 140%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0xC0, 0xA0, 0x00, 0x00); // -5
    p->sliderMax[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderCurrent[0] = floatFromBigEndian(0xBF, 0x7F, 0xFF, 0xFF); // -0.99999994
    writeText(p->sliderCaption[0], "Raise to Power");
    p->sliderTarget[0][0] = 21; // fieldId(0, Column::MainValue)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x0C, 0x00, 0x00); // 140
    writeText(p->sliderCaption[1], "Wet Mix");
    p->sliderTarget[1][0] = 33; // fieldId(0, Column::LeftGain)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // fieldId(0, Column::RightGain)
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[2], "Dry Mix");
    p->sliderTarget[2][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Full-Wave Rectifier");

    // "Infinite Clipper"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Extreme Distortion. Multiplies the gain by 100 million, then uses Raise to Power to clip the signal at +/- 100% (1 bit). Wet Mix lowers the volume.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 10000%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 10000%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 9.9999994%
    p->outputGain[1][1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 9.9999994%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::Mix;
    p->modTarget[2][0] = 4;
    p->modDepth[2][0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 10000%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::Mix;
    p->modTarget[4][0] = 5;
    p->modDepth[4][0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 10000%
    p->modKind[4][1] = ModKind::NoMod;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::RaiseToPwr;
    p->exponent[5] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 9.9999994%
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 9.9999994%
    p->inUse[6] = 1;
    p->oscKind[6] = OscKind::StereoIn;
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderMax[0] = floatFromBigEndian(0x46, 0x1C, 0x40, 0x00); // 10000
    p->sliderCurrent[0] = floatFromBigEndian(0x46, 0x1C, 0x40, 0x00); // 10000
    writeText(p->sliderCaption[0], "Distort. mult.");
    p->sliderTarget[0][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][3] = 146; // fieldId(4, Column::SlotADepth)
    p->sliderRatio[0][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    writeText(p->sliderCaption[1], "Wet mix");
    p->sliderTarget[1][0] = 183; // fieldId(5, Column::LeftGain)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 184; // fieldId(5, Column::RightGain)
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[2], "Dry mix");
    p->sliderTarget[2][0] = 213; // fieldId(6, Column::LeftGain)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 214; // fieldId(6, Column::RightGain)
    p->sliderRatio[2][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Infinite Clipper");

    // "Phase Mod Alt Tones"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Harsh alternating PhaseShaping tones");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0x5C, 0xE6, 0x67); // 220.90001 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::PhaseShape;
    p->phaseShape[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 2;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 9.9999994%
    p->outputGain[0][1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCC); // 9.9999994%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x42, 0x2F, 0x33, 0x35); // 43.800007 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::PhaseMod;
    p->modTarget[1][0] = 0;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x44, 0x79, 0xFF, 0xFE); // 999.9999 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // Q 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 25%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 25%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x5C, 0xE6, 0x67); // 220.90001
    writeText(p->sliderCaption[0], "Carrier Freq hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[1], "Phase Shape");
    p->sliderTarget[1][0] = 21; // fieldId(0, Column::MainValue)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x7A, 0x00, 0x00); // 250
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x2F, 0x33, 0x35); // 43.800007
    writeText(p->sliderCaption[2], "Mod Freq hz");
    p->sliderTarget[2][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[3], "Phase ModDepth");
    p->sliderTarget[3][0] = 56; // fieldId(1, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x45, 0x9C, 0x40, 0x00); // 5000
    p->sliderCurrent[4] = floatFromBigEndian(0x44, 0x79, 0xFF, 0xFE); // 999.9999
    writeText(p->sliderCaption[4], "Lowpass Freq Hz");
    p->sliderTarget[4][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    p->sliderCurrent[5] = floatFromBigEndian(0x41, 0xC8, 0x00, 0x00); // 25
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Phase Mod Alt Tones");

    // "PhaseShape OverMod"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Harsh PhaseShaping overmodulation.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x43, 0x54, 0xE6, 0x67); // 212.90001 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][0] = ModKind::PhaseMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0x5D, 0xB3, 0x33); // 221.7 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::PhaseShape;
    p->phaseShape[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 3;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3D, 0x0F, 0x5C, 0x29); // 3.5%
    p->outputGain[1][1] = floatFromBigEndian(0x3D, 0x0F, 0x5C, 0x29); // 3.5%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::Sine;
    p->oscFrequency[2] = floatFromBigEndian(0x3E, 0xA3, 0xB5, 0x70); // 0.31974363 Hz
    p->freqMode[2] = FreqMode::Tempo;
    p->sliderFreqMode[2] = FreqMode::Tempo;
    p->phaseOrLfoDepth[2] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // initial phase 270 degrees
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::ModAMod;
    p->modTarget[2][0] = 0;
    p->modDepth[2][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[2][1] = ModKind::NoMod;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[3] = 1;
    p->oscKind[3] = OscKind::NoOsc;
    p->processKind[3] = ProcessKind::LowPass;
    p->mainValue[3] = floatFromBigEndian(0x44, 0x3B, 0x7F, 0xFF); // 749.99994 Hz
    p->filterQ[3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // Q 1
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3E, 0xB3, 0x33, 0x33); // 35%
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3E, 0xB3, 0x33, 0x33); // 35%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x54, 0xE6, 0x67); // 212.90001
    writeText(p->sliderCaption[0], "Mod Freq hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x5D, 0xB3, 0x33); // 221.7
    writeText(p->sliderCaption[1], "Carrier Freq hz");
    p->sliderTarget[1][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "Phase ModDepth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "Phase Mod Mod");
    p->sliderTarget[3][0] = 86; // fieldId(2, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[4] = floatFromBigEndian(0x44, 0x3B, 0x7F, 0xFF); // 749.99994
    writeText(p->sliderCaption[4], "Lowpass Freq Hz");
    p->sliderTarget[4][0] = 111; // fieldId(3, Column::MainValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x0C, 0x00, 0x00); // 35
    writeText(p->sliderCaption[5], "Wet Mix");
    p->sliderTarget[5][0] = 123; // fieldId(3, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 124; // fieldId(3, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[6] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[6] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[6], "Dry Mix");
    p->sliderTarget[6][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[6][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "PhaseShape OverMod");

    // "Sample/Hold Tones"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "We sample and hold the modulating sine wave and use that to frequency modulate the carrier. All parameters affect the resulting pattern.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x01); // 80.00001 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::SampHold;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90 ms
    p->processTime[0] = floatFromBigEndian(0x45, 0x78, 0x10, 0x01); // 3969.0002 samples
    p->modKind[0][0] = ModKind::FreqMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Sine;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3D, 0xF5, 0xC2, 0x8F); // 12%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3D, 0xF5, 0xC2, 0x8F); // 12%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[0] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x01); // 80.00001
    writeText(p->sliderCaption[0], "Mod Freq hz");
    p->sliderTarget[0][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[1] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0xDC, 0x00, 0x00); // 440
    writeText(p->sliderCaption[1], "Carrier Freq hz");
    p->sliderTarget[1][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[2], "Hold Time ms");
    p->sliderTarget[2][0] = 21; // fieldId(0, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[3], "FM Depth");
    p->sliderTarget[3][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[4] = floatFromBigEndian(0x41, 0x40, 0x00, 0x00); // 12
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 63; // fieldId(1, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // fieldId(1, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Sample/Hold Tones");

    // "Saw Harmonics"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "A swept bandpass filter separates out the harmonics of a fixed sawtooth wave.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Triangle;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // initial phase 270 degrees
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 200%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Saw;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0x02, 0xCC, 0xCC); // 130.79999 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300 Hz
    p->filterQ[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // Q 100
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 70%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x02, 0xCC, 0xCC); // 130.79999
    writeText(p->sliderCaption[0], "Saw Freq Hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3C, 0xA3, 0xD7, 0x0A); // 0.02
    p->sliderMax[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderCurrent[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[1], "FiltMod LFO Hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0xFA, 0x00, 0x00); // 500
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "FiltMod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[3], "Bandpass Frq Hz");
    p->sliderTarget[3][0] = 51; // fieldId(1, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Filter Q slope");
    p->sliderTarget[4][0] = 52; // fieldId(1, Column::SecondValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0xF0, 0x00, 0x00); // 120
    p->sliderCurrent[5] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
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
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Saw Harmonics");

    // "Square Harmonics"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "This demonstrates how a swept bandpass filter can separate out the harmonics of a fixed square wave. Note it has odd harmonics only.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Triangle;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->phaseOrLfoDepth[0] = floatFromBigEndian(0x40, 0x96, 0xCB, 0xE4); // initial phase 270 degrees
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[0][0] = ModKind::FilterFrq;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 400%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::Square;
    p->oscFrequency[1] = floatFromBigEndian(0x43, 0x02, 0xCC, 0xCD); // 130.8 Hz
    p->freqMode[1] = FreqMode::Hz;
    p->sliderFreqMode[1] = FreqMode::Hz;
    p->processKind[1] = ProcessKind::BandPass;
    p->mainValue[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300 Hz
    p->filterQ[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // Q 100
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 29.999998%
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x99, 0x99, 0x99); // 29.999998%
    p->inUse[7] = 1;
    p->oscKind[7] = OscKind::StereoIn;
    p->processKind[7] = 0; // kind 0: passes the signal unprocessed
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0%
    p->sliderMin[0] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[0] = floatFromBigEndian(0x43, 0x02, 0xCC, 0xCD); // 130.8
    writeText(p->sliderCaption[0], "Square Freq Hz");
    p->sliderTarget[0][0] = 46; // fieldId(1, Column::OscFrequency)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3C, 0x23, 0xD7, 0x0A); // 0.01
    p->sliderMax[1] = floatFromBigEndian(0x3E, 0x4C, 0xCC, 0xCD); // 0.2
    p->sliderCurrent[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    writeText(p->sliderCaption[1], "FiltMod LFO Hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0xC8, 0x00, 0x00); // 400
    writeText(p->sliderCaption[2], "FiltMod Depth");
    p->sliderTarget[2][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderMax[3] = floatFromBigEndian(0x44, 0x16, 0x00, 0x00); // 600
    p->sliderCurrent[3] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    writeText(p->sliderCaption[3], "Bandpass Frq Hz");
    p->sliderTarget[3][0] = 51; // fieldId(1, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Filter Q slope");
    p->sliderTarget[4][0] = 52; // fieldId(1, Column::SecondValue)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    p->sliderCurrent[5] = floatFromBigEndian(0x41, 0xF0, 0x00, 0x00); // 30
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
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Square Harmonics");

    // "Swept Aliasing"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0302);
    writeText(p->description, "Harsh aliasing sounds produced by sweeping a very short sample/hold time.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::Sine;
    p->oscFrequency[0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCB); // 0.09999999 Hz
    p->freqMode[0] = FreqMode::Hz;
    p->sliderFreqMode[0] = FreqMode::Hz;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::SampHoldMod;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 50%
    p->modKind[0][1] = ModKind::NoMod;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::SampHold;
    p->mainValue[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5 ms
    p->processTime[1] = floatFromBigEndian(0x41, 0xB0, 0x66, 0x67); // 22.050001 samples
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 100%
    p->modKind[1][1] = ModKind::NoMod;
    p->outputGain[1][0] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 25%
    p->outputGain[1][1] = floatFromBigEndian(0x3E, 0x80, 0x00, 0x00); // 25%
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::LowPass;
    p->mainValue[2] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x01); // 2000.0001 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // Q 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 79.999995%
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 79.999995%
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
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x48, 0x00, 0x00); // 50
    writeText(p->sliderCaption[0], "SampHold Depth");
    p->sliderTarget[0][0] = 26; // fieldId(0, Column::SlotADepth)
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0x75, 0xC2, 0x8F); // 0.06
    p->sliderMax[1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->sliderCurrent[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCB); // 0.09999999
    writeText(p->sliderCaption[1], "SampHold Frq hz");
    p->sliderTarget[1][0] = 16; // fieldId(0, Column::OscFrequency)
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[2] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    writeText(p->sliderCaption[2], "S/H Time ms");
    p->sliderTarget[2][0] = 51; // fieldId(1, Column::MainValue)
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x45, 0xFA, 0x00, 0x00); // 8000
    p->sliderCurrent[3] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x01); // 2000.0001
    writeText(p->sliderCaption[3], "Lowpass Freq Hz");
    p->sliderTarget[3][0] = 81; // fieldId(2, Column::MainValue)
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[4], "Wet Mix");
    p->sliderTarget[4][0] = 93; // fieldId(2, Column::LeftGain)
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 94; // fieldId(2, Column::RightGain)
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[5] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[5] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    writeText(p->sliderCaption[5], "Dry Mix");
    p->sliderTarget[5][0] = 243; // fieldId(7, Column::LeftGain)
    p->sliderRatio[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[5][1] = 244; // fieldId(7, Column::RightGain)
    p->sliderRatio[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Modular Synth");
    writeText(p->programName, "Swept Aliasing");

    return first + 9;
}
