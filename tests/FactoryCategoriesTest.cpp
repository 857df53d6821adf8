#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "FactoryRecordChecks.h"

namespace {

// "Filter Effects" runs as Factory/FactoryCategories.*/FilterEffects.
std::string categoryTestName(const testing::TestParamInfo<const FactoryCategory*>& param)
{
    std::string name;
    for (const char* c = param.param->name; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    }
    return name;
}

struct FactoryCategories : testing::TestWithParam<const FactoryCategory*> {
    const FactoryCategory& category() const { return *GetParam(); }
};

} // namespace

TEST_P(FactoryCategories, RecordsHoldTheirPrograms)
{
    const auto bank = buildCategory(category(), category().first);
    for (int program = 0; program < int(category().programs.size()); ++program)
        expectRecordMatchesProgram(bank[category().first + program], category(), program);
}

TEST_P(FactoryCategories, BuilderWritesOnlyItsRecordsWhereverItStarts) { expectBuilderWritesOnlyItsRecords(category()); }

TEST_P(FactoryCategories, RecordsLandAtTheirBankIndexes) { expectCategoryLandsInTheFactoryBank(category()); }

TEST_P(FactoryCategories, SlidersAgreeWithTheirFieldsOnceSelected)
{
    EXPECT_EQ(fieldsChangedBySelection(category()), category().fieldsSelectionChanges);
}

INSTANTIATE_TEST_SUITE_P(Factory, FactoryCategories,
                         testing::Values(&kFilterEffects, &kFilterUtilities, &kFlanger, &kFm, &kGranular, &kLimiter,
                                         &kModularSynth, &kMultitap, &kPanEffects, &kPitchShift, &kPitchSweep,
                                         &kPitchTrack, &kRandom, &kTestTones, &kThirdParty, &kTremolo, &kUserPresets,
                                         &kUtilities, &kVibrato),
                         categoryTestName);
