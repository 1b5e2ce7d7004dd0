// The texts of the help window's text pages, one per help topic. The help window's pages are
// in topic order, so a topic number is also the page the window opens on.
#pragma once

#include <string>

namespace lumarik {

// Topics with a text page; the numbers between them belong to picture pages.
enum HelpTopic : int {
    kHelpKeyParams = 0,
    kHelpSliders = 1,
    kHelpAdvanced = 2,
    kHelpNotes = 4,
    kHelpNewFeatures = 9,  // what this version brings
    kHelpLatestVersion = 10,
    kHelpChart = 13,  // the aperture/field chart
    kHelpFiles = 14,  // systems as files, copying and exporting results
};

// The page text: lines joined by '\n', an indented line starting with '\t', empty lines
// between groups. Empty for a topic without text.
std::string HelpText(int topic);

}  // namespace lumarik
