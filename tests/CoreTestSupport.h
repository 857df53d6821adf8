#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#include "plugin/FieldModel.h"
#include "plugin/OrvCore.h"

// A started core whose current program is a default record the test shapes.
struct CoreFixture : ::testing::Test {
    OrvCore core;

    CoreFixture(float sampleRate = 44100.0f, int blockSize = 512)
    {
        initCore(core, sampleRate, blockSize);
        initDefaultPreset(*core.current, kPluginFlags, uint32_t(sampleRate));
    }

    OrvPreset& preset() { return *core.current; }

    // Gives module `m` a process kind directly, without the editor's defaults.
    void useProcess(int m, int16_t kind)
    {
        preset().inUse[m] = 1;
        preset().processKind[m] = kind;
    }

    void addSlider(int slider, const char* caption, float minimum, float maximum, float current, uint16_t id,
                   float ratio = 1.0f)
    {
        OrvPreset& p = preset();
        std::snprintf(p.sliderCaption[slider], sizeof p.sliderCaption[slider], "%s", caption);
        p.sliderMin[slider] = minimum;
        p.sliderMax[slider] = maximum;
        p.sliderCurrent[slider] = current;
        p.sliderTarget[slider][0] = id;
        p.sliderRatio[slider][0] = ratio;
    }
};
