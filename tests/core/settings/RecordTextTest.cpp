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
    const struct {
        CVarType record;
        std::string_view text;
    } cases[] = {
        {CVarType{0, 100, true, 90, 110, true, true}, "0|100|True|True|110|True|90|"},
        {CVarType{1, -1e20f, true, 0, 0, false, false}, "1|-1E+20|True|False|0|False|0|"},
        {CVarType{12, 0.025f, false, 1e-6f, -3.5f, true, false}, ""},
        {CVarType{-1, 0.1f, true, -3.4e38f, 3.4e38f, true, true}, ""},
    };
    for (const auto& c : cases) {
        const std::string text = RecordText(c.record);
        if (!c.text.empty()) {
            EXPECT_EQ(text, c.text);
        }
        const std::optional<CVarType> parsed = ParseRecord(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(Fields(*parsed), Fields(c.record));
    }
}

TEST(RecordTextTest, ReadsHandWrittenRecords) {
    const std::optional<CVarType> parsed = ParseRecord(" 3 | 2.5mm|true|WAHR|1|vrai|0.5");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(Fields(*parsed), Fields(CVarType{3, 2.5f, true, 0.5f, 1, true, true}));
}

TEST(RecordTextTest, RejectsRecordsThatCannotBeRestored) {
    const std::string_view cases[] = {
        "",
        "1|2|True|False|0|False|",        // six fields
        "x|2|True|False|0|False|0|",      // no parameter number
        "1.5|2|True|False|0|False|0|",    // not an integer
        "70000|2|True|False|0|False|0|",  // beyond int16
        "1|1E+39|True|False|0|False|0|",  // beyond float
        "1|2|True|False|-1E+300|False|0|",
    };
    for (const std::string_view text : cases) {
        EXPECT_FALSE(ParseRecord(text)) << text;
    }
}

}  // namespace
}  // namespace lumarik
