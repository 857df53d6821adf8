#include "FactoryPresets.h"
#include "PresetWriting.h"

int buildUtilitiesPresets(OrvPreset* bank, int first)
{
    OrvPreset* p = nullptr;

    // "Adjust L/R Balance"
    p = &bank[first + 0];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Use this to adjust the left/right balance, in case one channel is louder  than the other.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::RightIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Left Out Vol");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[1], "Right Out Vol");
    p->sliderTarget[1][0] = 64; // module 1, column 26
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Adjust L/R Balance");

    // "Bipolar->Unipolar"
    p = &bank[first + 1];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Converts a normal bipolar (pos & neg) signal to unipolar (positive only) by doing a DC offset then scaling by half. Only for test signals, not music.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x00, 0x00, 0x00); // 0.5
    p->oscKind[1] = OscKind::NoOsc; // module 1 not in use, kinds set for the editor
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[2] = OscKind::NoOsc; // module 2 not in use, kinds set for the editor
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[3] = OscKind::NoOsc; // module 3 not in use, kinds set for the editor
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[4] = OscKind::NoOsc; // module 4 not in use, kinds set for the editor
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[5] = OscKind::NoOsc; // module 5 not in use, kinds set for the editor
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[6] = OscKind::NoOsc; // module 6 not in use, kinds set for the editor
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[7] = OscKind::NoOsc; // module 7 not in use, kinds set for the editor
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Bipolar->Unipolar");

    // "Correct DC Offset"
    p = &bank[first + 2];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Adjust Slider A to correct a DC offset without filtering.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0xBD, 0x4C, 0xCC, 0xCC); // -0.049999997
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x26, 0x66, 0x66); // 0.65
    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0xC0, 0xA0, 0x00, 0x00); // -5
    writeText(p->sliderCaption[0], "DC Offset %");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x82, 0x00, 0x00); // 65
    writeText(p->sliderCaption[1], "Output Level");
    p->sliderTarget[1][0] = 33; // module 0, column 25
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // module 0, column 26
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Correct DC Offset");

    // "Feedback Eliminator"
    p = &bank[first + 3];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 524288;
    writeText(p->description, "Adds a slight frequency modulation to break up feedback. Experiment to find the best settings.");
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x43, 0x5C, 0x80, 0x01); // 220.50002 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x38, 0x51, 0xEB); // 0.71999997
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x38, 0x51, 0xEB); // 0.71999997
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::Sine;
    p->oscFrequency[5] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4 Hz
    p->freqMode[5] = FreqMode::Hz;
    p->sliderFreqMode[5] = 0; // word 0: a slider writes Hz
    p->note[5] = 0; // C
    p->octave[5] = 0;
    p->processKind[5] = 0; // kind 0: passes the signal unprocessed
    p->modKind[5][0] = ModKind::DelayMod;
    p->modTarget[5][0] = 1;
    p->modDepth[5][0] = floatFromBigEndian(0x3D, 0x4C, 0xCC, 0xCC); // 0.049999997
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->outputOn[5][1] = 0;
    p->outputGain[5][1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMin[0] = floatFromBigEndian(0x3D, 0x4C, 0xCC, 0xCD); // 0.05
    p->sliderMax[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[0] = floatFromBigEndian(0x40, 0x80, 0x00, 0x00); // 4
    writeText(p->sliderCaption[0], "LFO Rate Hz");
    p->sliderTarget[0][0] = 166; // module 5, column 8
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[1] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[1], "Delay Mod Depth %");
    p->sliderTarget[1][0] = 176; // module 5, column 18
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderCurrent[2] = floatFromBigEndian(0x40, 0xA0, 0x00, 0x00); // 5
    writeText(p->sliderCaption[2], "Delay Time ms.");
    p->sliderTarget[2][0] = 51; // module 1, column 13
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x90, 0x00, 0x00); // 72
    writeText(p->sliderCaption[3], "Output Volume");
    p->sliderTarget[3][0] = 63; // module 1, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 64; // module 1, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Feedback Eliminator");

    // "Filter 60Hz+harmonix"
    p = &bank[first + 4];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "This comb filter puts notches at 60 Hz & each harmonic (0, 120, 180, etc.) (Delay Time = 1/frequency). The result is rough due to cancellations.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x40, 0x00, 0x00); // 0.75
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x44, 0x38, 0x1E, 0x14); // 736.47 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0xBF, 0x40, 0x00, 0x00); // -0.75
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0xBF, 0x40, 0x00, 0x00); // -0.75
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x42, 0x20, 0x00, 0x00); // 40
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x85, 0x99, 0x99); // 16.699999
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 51; // module 1, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x96, 0x00, 0x00); // 75
    writeText(p->sliderCaption[1], "Output Volume");
    p->sliderTarget[1][0] = 33; // module 0, column 25
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // module 0, column 26
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 63; // module 1, column 25
    p->sliderRatio[1][2] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderTarget[1][3] = 64; // module 1, column 26
    p->sliderRatio[1][3] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Filter 60Hz+harmonix");

    // "Filter 60Hz+oddHarm"
    p = &bank[first + 5];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "This comb filter puts notches at 60 Hz and each odd harmonic (180, etc.) (Delay Time = .5/frequency). The result can be rough due to cancellations.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::Delay;
    p->processTime[1] = floatFromBigEndian(0x43, 0xB7, 0x03, 0xD8); // 366.03003 samples
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x4C, 0xCC, 0xCC); // 0.79999995
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x41, 0xA0, 0x00, 0x00); // 20
    p->sliderCurrent[0] = floatFromBigEndian(0x41, 0x04, 0xCC, 0xCD); // 8.3
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 51; // module 1, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0xA0, 0x00, 0x00); // 80
    writeText(p->sliderCaption[1], "Output Volume");
    p->sliderTarget[1][0] = 33; // module 0, column 25
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // module 0, column 26
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][2] = 63; // module 1, column 25
    p->sliderRatio[1][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][3] = 64; // module 1, column 26
    p->sliderRatio[1][3] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Filter 60Hz+oddHarm");

    // "Left -> Both"
    p = &bank[first + 6];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This copies the left channel of a stereo sound to both channels.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34; // module 0, column 26
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Left -> Both");

    // "Phase Inverter"
    p = &bank[first + 7];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This inverts the phase of the right channel. You can invert either or both channels. Note that the bass is weaker if the channels are out of phase.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 4;
    p->modDepth[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::RightIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 5;
    p->modDepth[1][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->inUse[4] = 1;
    p->oscKind[4] = OscKind::NoOsc;
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 0;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[5] = 1;
    p->oscKind[5] = OscKind::NoOsc;
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 0;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->sliderMin[0] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "Left Phase");
    p->sliderTarget[0][0] = 153; // module 4, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    p->sliderMax[1] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    p->sliderCurrent[1] = floatFromBigEndian(0xC2, 0xC8, 0x00, 0x00); // -100
    writeText(p->sliderCaption[1], "Right Phase");
    p->sliderTarget[1][0] = 184; // module 5, column 26
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[2], "Output Volume");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 56; // module 1, column 18
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Phase Inverter");

    // "Right -> Both"
    p = &bank[first + 8];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This copies the right channel of a stereo sound to both channels.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::RightIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34; // module 0, column 26
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Right -> Both");

    // "Rumble Filter"
    p = &bank[first + 9];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "Rumble filter. This does a good job of taking out 50/60 cycle hum. Adjust Cutoff to raise or lower filter freq. Lower Feedfwd if it clips. ");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::HighPass;
    p->mainValue[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90 Hz
    p->filterQ[0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::NoOsc;
    p->processKind[1] = ProcessKind::HighPass;
    p->mainValue[1] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90 Hz
    p->filterQ[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::NoOsc;
    p->processKind[2] = ProcessKind::HighPass;
    p->mainValue[2] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90 Hz
    p->filterQ[2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x51, 0xEB, 0x85); // 0.82
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x51, 0xEB, 0x85); // 0.82
    p->sliderMin[0] = floatFromBigEndian(0x41, 0x20, 0x00, 0x00); // 10
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xB4, 0x00, 0x00); // 90
    writeText(p->sliderCaption[0], "Cutoff Freq hz");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 51; // module 1, column 13
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][2] = 81; // module 2, column 13
    p->sliderRatio[0][2] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->sliderMax[1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->sliderCurrent[1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->sliderCaption[1], "Filter Q slope");
    p->sliderTarget[1][0] = 22; // module 0, column 14
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 52; // module 1, column 14
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    writeText(p->sliderCaption[2], "Feed- forward");
    p->sliderTarget[2][0] = 26; // module 0, column 18
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 56; // module 1, column 18
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0xA4, 0x00, 0x00); // 82
    writeText(p->sliderCaption[3], "Output Volume");
    p->sliderTarget[3][0] = 93; // module 2, column 25
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[3][1] = 94; // module 2, column 26
    p->sliderRatio[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Rumble Filter");

    // "Simple Delay"
    p = &bank[first + 10];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 262144;
    writeText(p->description, "Simple Delay");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::Delay;
    p->processTime[0] = floatFromBigEndian(0x47, 0xAC, 0x44, 0x00); // 88200 samples
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x99); // 0.59999996
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x45, 0x7A, 0x00, 0x00); // 4000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    writeText(p->sliderCaption[0], "Delay Time ms");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[1] = floatFromBigEndian(0x42, 0x70, 0x00, 0x00); // 60
    writeText(p->sliderCaption[1], "Wet Mix");
    p->sliderTarget[1][0] = 33; // module 0, column 25
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[1][1] = 34; // module 0, column 26
    p->sliderRatio[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x96, 0x00, 0x00); // 300
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[2], "Dry Mix");
    p->sliderTarget[2][0] = 63; // module 1, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[2][1] = 64; // module 1, column 26
    p->sliderRatio[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Simple Delay");

    // "Stereo Delay"
    p = &bank[first + 11];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 131072;
    writeText(p->description, "Stereo Delay");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::Delay;
    p->processTime[0] = floatFromBigEndian(0x47, 0x2C, 0x44, 0x00); // 44100 samples
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::StereoIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::RightIn;
    p->processKind[2] = ProcessKind::Delay;
    p->processTime[2] = floatFromBigEndian(0x47, 0x81, 0x33, 0x01); // 66150.01 samples
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x19, 0x99, 0x9A); // 0.6
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[0] = floatFromBigEndian(0x44, 0x7A, 0x00, 0x00); // 1000
    writeText(p->sliderCaption[0], "Left Delay ms");
    p->sliderTarget[0][0] = 21; // module 0, column 13
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x44, 0xFA, 0x00, 0x00); // 2000
    p->sliderCurrent[1] = floatFromBigEndian(0x44, 0xBB, 0x80, 0x00); // 1500
    writeText(p->sliderCaption[1], "Right Delay ms");
    p->sliderTarget[1][0] = 81; // module 2, column 13
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[2] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[2] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[2] = floatFromBigEndian(0x42, 0x70, 0x00, 0x01); // 60.000004
    writeText(p->sliderCaption[2], "Left Wet Mix");
    p->sliderTarget[2][0] = 33; // module 0, column 25
    p->sliderRatio[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[3] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[3] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[3] = floatFromBigEndian(0x42, 0x70, 0x00, 0x01); // 60.000004
    writeText(p->sliderCaption[3], "Right Wet Mix");
    p->sliderTarget[3][0] = 94; // module 2, column 26
    p->sliderRatio[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[4] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[4] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[4] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[4], "Dry Mix");
    p->sliderTarget[4][0] = 63; // module 1, column 25
    p->sliderRatio[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[4][1] = 64; // module 1, column 26
    p->sliderRatio[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Stereo Delay");

    // "Stereo->Difference"
    p = &bank[first + 12];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This sets both channels to the signal formed from  the difference of the left and right channels. This often reduces bass and increases reverb.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::Mix;
    p->modTarget[0][0] = 1;
    p->modDepth[0][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::RightIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0xC8, 0x00, 0x00); // 100
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 63; // module 1, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 64; // module 1, column 26
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Stereo->Difference");

    // "Stereo->Mono"
    p = &bank[first + 13];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This sets each channel to the average of the left and right channels, scaled by Output Volume. (The result still has the original number of channels.)");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftRightIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 34; // module 0, column 26
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Stereo->Mono");

    // "Stereo->Sum&Diff"
    p = &bank[first + 14];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This sets the left channel to the sum of the left + right channels and sets the right channel to their difference (right - left).");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftRightIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::LeftIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::Mix;
    p->modTarget[1][0] = 2;
    p->modDepth[1][0] = floatFromBigEndian(0xBF, 0x80, 0x00, 0x00); // -1
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 0;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->inUse[2] = 1;
    p->oscKind[2] = OscKind::RightIn;
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 0;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0xC0, 0x00, 0x00); // 1.5
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Sum Volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[1] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[1] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[1] = floatFromBigEndian(0x43, 0x16, 0x00, 0x00); // 150
    writeText(p->sliderCaption[1], "Difference Volume");
    p->sliderTarget[1][0] = 94; // module 2, column 26
    p->sliderRatio[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Stereo->Sum&Diff");

    // "Swap Channels"
    p = &bank[first + 15];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This swaps the left and right channels.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->inUse[1] = 1;
    p->oscKind[1] = OscKind::RightIn;
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[1][1] = 0;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 34; // module 0, column 26
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderTarget[0][1] = 63; // module 1, column 25
    p->sliderRatio[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Swap Channels");

    // "Unipolar->Bipolar"
    p = &bank[first + 16];
    writeFactoryHeader(*p, 0x0302);
    p->delayLineLength = 1;
    writeText(p->description, "This converts a unipolar (positive only) signal to a bipolar signal (pos & neg). Only for test signals, not music.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::StereoIn;
    p->processKind[0] = ProcessKind::DcOffset;
    p->dcOffset[0] = floatFromBigEndian(0xBF, 0x00, 0x00, 0x00); // -0.5
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x40, 0x00, 0x00, 0x00); // 2
    p->oscKind[1] = OscKind::NoOsc; // module 1 not in use, kinds set for the editor
    p->processKind[1] = ProcessKind::NoProcess;
    p->modKind[1][0] = ModKind::NoMod;
    p->modKind[1][1] = ModKind::NoMod;
    p->outputOn[1][0] = 1;
    p->outputGain[1][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[1][1] = 1;
    p->outputGain[1][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[2] = OscKind::NoOsc; // module 2 not in use, kinds set for the editor
    p->processKind[2] = ProcessKind::NoProcess;
    p->modKind[2][0] = ModKind::NoMod;
    p->modKind[2][1] = ModKind::NoMod;
    p->outputOn[2][0] = 1;
    p->outputGain[2][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[2][1] = 1;
    p->outputGain[2][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[3] = OscKind::NoOsc; // module 3 not in use, kinds set for the editor
    p->processKind[3] = ProcessKind::NoProcess;
    p->modKind[3][0] = ModKind::NoMod;
    p->modKind[3][1] = ModKind::NoMod;
    p->outputOn[3][0] = 1;
    p->outputGain[3][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[3][1] = 1;
    p->outputGain[3][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[4] = OscKind::NoOsc; // module 4 not in use, kinds set for the editor
    p->processKind[4] = ProcessKind::NoProcess;
    p->modKind[4][0] = ModKind::NoMod;
    p->modKind[4][1] = ModKind::NoMod;
    p->outputOn[4][0] = 1;
    p->outputGain[4][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[4][1] = 1;
    p->outputGain[4][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[5] = OscKind::NoOsc; // module 5 not in use, kinds set for the editor
    p->processKind[5] = ProcessKind::NoProcess;
    p->modKind[5][0] = ModKind::NoMod;
    p->modKind[5][1] = ModKind::NoMod;
    p->outputOn[5][0] = 1;
    p->outputGain[5][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[5][1] = 1;
    p->outputGain[5][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[6] = OscKind::NoOsc; // module 6 not in use, kinds set for the editor
    p->processKind[6] = ProcessKind::NoProcess;
    p->modKind[6][0] = ModKind::NoMod;
    p->modKind[6][1] = ModKind::NoMod;
    p->outputOn[6][0] = 1;
    p->outputGain[6][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[6][1] = 1;
    p->outputGain[6][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->oscKind[7] = OscKind::NoOsc; // module 7 not in use, kinds set for the editor
    p->processKind[7] = ProcessKind::NoProcess;
    p->modKind[7][0] = ModKind::NoMod;
    p->modKind[7][1] = ModKind::NoMod;
    p->outputOn[7][0] = 1;
    p->outputGain[7][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->outputOn[7][1] = 1;
    p->outputGain[7][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Unipolar->Bipolar");

    // "Zero Left Channel"
    p = &bank[first + 17];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This silences the left channel.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::RightIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 0;
    p->outputGain[0][0] = floatFromBigEndian(0x3D, 0xCC, 0xCC, 0xCD); // 0.1
    p->outputOn[0][1] = 1;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 34; // module 0, column 26
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Zero Left Channel");

    // "Zero Right Channel"
    p = &bank[first + 18];
    writeFactoryHeader(*p, 0x0300);
    p->delayLineLength = 1;
    writeText(p->description, "This silences the right channel.");
    p->inUse[0] = 1;
    p->oscKind[0] = OscKind::LeftIn;
    p->processKind[0] = ProcessKind::NoProcess;
    p->modKind[0][0] = ModKind::NoMod;
    p->modKind[0][1] = ModKind::NoMod;
    p->outputOn[0][0] = 1;
    p->outputGain[0][0] = floatFromBigEndian(0x3F, 0x33, 0x33, 0x33); // 0.7
    p->outputOn[0][1] = 0;
    p->outputGain[0][1] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    p->sliderMin[0] = floatFromBigEndian(0x00, 0x00, 0x00, 0x00); // 0
    p->sliderMax[0] = floatFromBigEndian(0x43, 0x48, 0x00, 0x00); // 200
    p->sliderCurrent[0] = floatFromBigEndian(0x42, 0x8C, 0x00, 0x00); // 70
    writeText(p->sliderCaption[0], "Output Volume");
    p->sliderTarget[0][0] = 33; // module 0, column 25
    p->sliderRatio[0][0] = floatFromBigEndian(0x3F, 0x80, 0x00, 0x00); // 1
    writeText(p->categoryName, "Utilities");
    writeText(p->programName, "Zero Right Channel");

    return first + 19;
}
