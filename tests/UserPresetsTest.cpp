#include <gtest/gtest.h>

#include "FactoryRecordChecks.h"

const FactoryCategory kUserPresets = {
    "User Presets", 21, 301, buildUserPresets, StoredWords::EditorWords,
    {
     {"Blank 1", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 2", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 3", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 4", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 5", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 6", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 7", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 8", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 9", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 10", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 11", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 12", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 13", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 14", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 15", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 16", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 17", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 18", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 19", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 20", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 21", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 22", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 23", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 24", "Blank preset.", "1", 0x0302, 1, {}},
     {"Blank 25", "Blank preset.", "1", 0x0302, 1, {}},
    },
};
