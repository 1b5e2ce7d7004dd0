#include "core/help/HelpTexts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace lumarik {
namespace {

struct TopicCase {
    int topic;
    const char* anchor;  // one line of the page, which pins the topic to its text
};

void PrintTo(const TopicCase& c, std::ostream* os) {
    *os << "topic " << c.topic;
}

class HelpTextsTest : public ::testing::TestWithParam<TopicCase> {};

// Empty lines only separate groups: none at the ends, never two in a row.
TEST_P(HelpTextsTest, PageHoldsItsAnchorAndOnlySeparatingEmptyLines) {
    const std::string text = HelpText(GetParam().topic);
    EXPECT_NE(("\n" + text + "\n").find("\n" + std::string(GetParam().anchor) + "\n"),
              std::string::npos);
    EXPECT_NE(text.front(), '\n');
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(text.find("\n\n\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Topics, HelpTextsTest,
    ::testing::Values(TopicCase{kHelpKeyParams, "\t'Objekthöhe'  [25mm]"},
                      TopicCase{kHelpSliders,
                                "Der obere Grenzwert muß rechts neben dem Regler eingetragen "
                                "werden. "},
                      TopicCase{kHelpAdvanced,
                                "Bemerkung 2: Für Spiegelsysteme sind die Optionen 1 & 3 nicht "
                                "relevant und daher nicht wählbar."},
                      TopicCase{kHelpNotes,
                                "Bei NA-Werten größer als 0.2  ist bei der Interpretation der "
                                "Ergebnisse Vorsicht geboten. "},
                      TopicCase{kHelpNewFeatures, "    ***  Neu in dieser Version  ***"},
                      TopicCase{kHelpLatestVersion, "mittels Maus bearbeitbare Zeichnung"},
                      TopicCase{kHelpChart,
                                "Der Punkt des aktuellen Systems erscheint, sobald drei "
                                "Parameter und ein Aperturwert gegeben sind."},
                      TopicCase{kHelpFiles,
                                "Die Zeichnung kopieren oder speichern (PNG, SVG) Sie über ihr "
                                "Kontextmenü."}),
    [](const auto& info) { return "Topic" + std::to_string(info.param.topic); });

TEST(HelpTextsTest, PicturePagesAndUnknownTopicsHaveNoText) {
    for (int topic : {-1, 3, 5, 6, 7, 8, 11, 100}) EXPECT_EQ(HelpText(topic), "") << topic;
}

}  // namespace
}  // namespace lumarik
