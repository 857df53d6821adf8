#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kLimiter = {
    "Limiter", 10, 164, buildLimiterPresets, StoredWords::None,
    {
     {"Limiter Setup", "Slider controls limiter threshold for ALL presets. If your host program clips plug-ins at 100%, try 70% or so (-3 dB), because 100% will have no effect.", "12", 0x0302, 0,
      {{"Limiter Thresh %", 25.0f, 100.0f, 70.0f, {{56}}}}},
    },
};
