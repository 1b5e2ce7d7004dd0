#include <gtest/gtest.h>

#include <tuple>

#include "core/settings/RecordText.h"

namespace lumarik {
namespace {

// Aggregate order: nVarType, sVarValue, bVarValDef, sLimLow, sLimHih, bLimLowDef, bLimHihDef.
auto Fields(const CVarType& r) {
    return std::tie(r.nVarType, r.sVarValue, r.bVarValDef, r.sLimLow, r.sLimHih, r.bLimLowDef,
                    r.bLimHihDef);
}

TEST(RecordTextTest, RecordsRoundTrip) {
    const CVarType records[] = {{0, 100, true, 90, 110, true, true},
                                {1, -1e20f, true, 0, 0, false, false},
                                {12, 0.025f, false, 1e-6f, -3.5f, true, false},
                                {-1, 0.1f, true, -3.4e38f, 3.4e38f, true, true}};
    EXPECT_EQ(RecordText(records[0]), "0|100|True|True|110|True|90|");
    for (const CVarType& record : records) {
        const std::optional<CVarType> parsed = ParseRecord(RecordText(record));
        ASSERT_TRUE(parsed) << RecordText(record);
        EXPECT_EQ(Fields(*parsed), Fields(record));
    }
}

TEST(RecordTextTest, RejectsRecordsThatCannotBeRestored) {
    // Six fields, no parameter number, not an integer, beyond int16 either way, beyond float.
    for (const std::string_view text :
         {"", "1|2|True|False|0|False|", "x|2|True|False|0|False|0|", "1.5|2|True|False|0|False|0|",
          "70000|2|True|False|0|False|0|", "-40000|2|True|False|0|False|0|",
          "1|1E+39|True|False|0|False|0|", "1|2|True|False|-1E+300|False|0|"}) {
        EXPECT_FALSE(ParseRecord(text)) << text;
    }
}

}  // namespace
}  // namespace lumarik
