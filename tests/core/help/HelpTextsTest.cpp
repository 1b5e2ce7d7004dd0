#include "core/help/HelpTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumarik {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

struct TopicCase {
    int topic;
    std::vector<std::string> lines;  // without the empty lines between groups
};

class HelpTextsTest : public ::testing::TestWithParam<TopicCase> {};

TEST_P(HelpTextsTest, PageHoldsItsLinesInOrder) {
    const std::vector<std::string> all = Lines(HelpText(GetParam().topic));
    std::vector<std::string> filled;
    for (const std::string& line : all) {
        if (!line.empty()) filled.push_back(line);
    }
    EXPECT_EQ(filled, GetParam().lines);
    // Empty lines only separate groups.
    EXPECT_FALSE(all.front().empty());
    EXPECT_FALSE(all.back().empty());
    for (std::size_t i = 1; i < all.size(); ++i) {
        EXPECT_FALSE(all[i].empty() && all[i - 1].empty()) << "line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Topics, HelpTextsTest,
    ::testing::Values(
        TopicCase{kHelpKeyParams,
                  {"Sie müssen drei Abstands-/ Feld-Parameter auswählen. ", "Entweder",
                   "\tZwei Abstände & ein Feld", "oder", "\tZwei Felder & ein Abstand",
                   "Tragen Sie dann für alle drei Parameter Werte ein. ",
                   "Typisches Beispiel:", "\t'Brennweite'   [100mm]", "\t'Objektweite'   [-250mm]",
                   "\t'Objekthöhe'  [25mm]",
                   "Wenn alle drei Parameter definiert wurden, wird Lumarik das System "
                   "darstellen und die Systemdaten auflisten. ",
                   "Sie können auch einen optionalen Apertur-Parameter auswählen. "}},
        TopicCase{kHelpSliders,
                  {"Mit Hilfe der Regler können Sie die gewählten Allgemeinen Parameter "
                   "innerhalb eines Bereiches variieren. ",
                   "Um die Regler zu aktivieren, müssen Sie Allgemeine Parameter wählen und mit "
                   "Anfangswerten versehen. ",
                   "Wenn die Regler sichtbar sind, legen Sie durch Eingabe von Grenzwerten der "
                   "Parameter den Bereich fest, in dem die Parameter variiert werden. ",
                   "Der untere Grenzwert muß links neben dem Regler eingetragen werden. ",
                   "Der obere Grenzwert muß rechts neben dem Regler eingetragen werden. ",
                   "Wenn beide Grenzwerte definiert wurden, sind die Regler aktiviert. Das "
                   "System wird dann ständig aktualisiert, während die Regler betätigt werden."}},
        TopicCase{kHelpAdvanced,
                  {"Sie können die folgenden Erweiterten Optionen nutzen. ",
                   "1: Sie können ein System mit wählbarem Abstand der Hauptebenen definieren. ",
                   "2: Sie können andere Medien als Luft im Objektraum definieren [z.B. "
                   "Wasser]. ",
                   "3: Sie können andere Medien als Luft im Bildraum definieren [z.B. "
                   "Immersionsöl]. ",
                   "4: Sie können die Abbildungsleistung des Systems bei einer anderen "
                   "Wellenlänge prüfen. ",
                   "Bemerkung 1: Diese Optionen können erst angewendet werden, wenn der "
                   "Kontrollkasten angewählt wurde! ",
                   "Bemerkung 2: Für Spiegelsysteme sind die Optionen 1 & 3 nicht relevant und "
                   "daher nicht wählbar."}},
        TopicCase{kHelpNotes,
                  {"Die Apertur-Werte [NA, Airy-Radius & MTF-Grenzfrequenz] werden nur genähert "
                   "berechnet. ",
                   "Diese werden angegeben, um eine Vorstellung für die Abbildungsleistung des "
                   "realen Systems zu vermitteln. ",
                   "Bei NA-Werten größer als 0.2  ist bei der Interpretation der Ergebnisse "
                   "Vorsicht geboten. ",
                   "Anmerkung: Nicht alle paraxialen Lösungen eines optischen Problems können",
                   " in reale Systeme mit der geforderten Abbildungsleistung transformiert "
                   "werden, insbesondere wenn die Öffnung oder der Feldwinkel groß sind."}},
        TopicCase{kHelpNewFeatures,
                  {"    ***  Gaußsche Strahlanalyse  ***",
                   "Zur Visualisierung klicken Sie den Kasten 'Gaußstrahl' an ",
                   "Lumarik wird Ihnen nun ermöglichen, einen Gaußstrahl und eine Einzellinse zu "
                   "modellieren. Dieses Modell kann stark von paraxialer Berechnung abweichen.",
                   "Erweiterungen in v26",
                   "Modellierung rechtwinkliger Laserdiodenachsen - aktivieren Sie diesen Modus "
                   "durch die neue Schaltfläche 'Diodenlaser' ",
                   "rechtwinklige Diodenlaserachsen - Strahlzirkularisationstool [2 gekreuzte "
                   "Zylinder]"}},
        TopicCase{kHelpLatestVersion, {"mittels Maus bearbeitbare Zeichnung"}}));

TEST(HelpTextsTest, PicturePagesAndUnknownTopicsHaveNoText) {
    for (int topic : {-1, 3, 5, 6, 7, 8, 11, 100}) EXPECT_EQ(HelpText(topic), "") << topic;
}

}  // namespace
}  // namespace lumarik
