#include "core/report/LensReport.h"

#include <algorithm>

#include "core/model/LumarikCode.h"
#include "core/model/ModeSwitches.h"
#include "core/model/ModelTexts.h"
#include "core/report/ReportTexts.h"

namespace lumarik {
namespace {

std::string TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view{}
                                                     : text.substr(0, end + 1));
}

bool ShowsNegative(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string_view::npos && text[first] == '-';
}

// The box texts of the advanced options carry no blank of their own; the report's columns
// keep a sign's place in front of every value.
std::string AlignedText(const std::string& text) {
    return ShowsNegative(text) ? text : " " + text;
}

// The listing's value of the row with that name; the listing places its rows by the optional
// rows in force, so they are found by name.
class ListingLookup {
public:
    explicit ListingLookup(const LumarikCode& code) : m_rows(code.Listing()) {}

    std::string Value(std::string_view name) const {
        const auto it = std::find(m_rows.names.begin(), m_rows.names.end(), name);
        if (it == m_rows.names.end()) return {};
        return m_rows.values[static_cast<std::size_t>(it - m_rows.names.begin())];
    }

private:
    ListingRows m_rows;
};

ReportSection UserVariables(const LumarikCode& code) {
    const ParameterCatalogue& catalogue = code.Catalogue();
    ReportSection section{std::string(texts::kReportUserVariables), {}};
    for (const CVarType& record : code.Selected().Records()) {
        const int number = record.nVarType;
        std::string value =
            number == kParObjectDist && code.ObjectAtInfinity()
                ? std::string(texts::kReportObjectAtInfinity)
                : AlignedValue(record.sVarValue, code.ValueText(number, record.sVarValue));
        section.rows.push_back({catalogue.Label(number) + ":", std::move(value)});
    }
    // The record itself decides, not the aperture-missing flag: a failed solve leaves that
    // flag as the last successful one set it.
    if (code.Apertures().Count() > 0 && code.Apertures().Item(1).bVarValDef) {
        const CVarType& record = code.Apertures().Item(1);
        section.rows.push_back(
            {TrimRight(catalogue.ApertureName(record.nVarType)) + ":",
             AlignedValue(record.sVarValue,
                          code.ApertureValueText(record.nVarType, record.sVarValue))});
    }
    return section;
}

ReportSection SystemDefinition(const LumarikCode& code, const ListingLookup& listing) {
    const ParameterCatalogue& catalogue = code.Catalogue();
    const bool mirror = code.Constants().MirrorMode();
    ReportSection section{
        std::string(mirror ? texts::kReportSystemMirror : texts::kReportSystemLens), {}};
    for (int number = 0; number < kSelectableCount; ++number) {
        const std::string label = catalogue.Label(number);
        std::string value;
        if (!code.NoSolution()) {
            value = listing.Value(label);
            if (number == kParFocal) {
                // A mirror with a negative focal length converges: it is concave.
                const bool negative = ShowsNegative(value);
                if (mirror) {
                    value += negative ? texts::kConcave : texts::kConvex;
                } else {
                    value += negative ? texts::kReportNegative : texts::kReportPositive;
                }
            }
        }
        section.rows.push_back({label + ":  ", std::move(value)});
    }
    if (!code.ApertureMissing()) {
        for (int k = 0; k < kApertureCount; ++k) {
            const std::string name(catalogue.ApertureName(k));
            section.rows.push_back({name, listing.Value(name)});
        }
        for (std::string_view name : {texts::kEffectiveFNumber, texts::kMtfCutOff}) {
            section.rows.push_back({std::string(name), listing.Value(name)});
        }
    }
    return section;
}

ReportSection AdvancedOptions(const LumarikCode& code) {
    const EffectiveConstants& constants = code.Constants();
    const char sep = code.DecimalSeparator();
    std::array<std::string_view, 4> captions = texts::kReportAdvancedLens;
    if (constants.MirrorMode()) captions[kAdvIndexObject] = texts::kReportIndexMirror;
    const std::array<std::string, 4> values = {constants.DText(sep), constants.NText(sep),
                                               constants.NPrimeText(sep),
                                               constants.WavelengthText(sep)};
    ReportSection section{std::string(texts::kReportAdvancedOptions), {}};
    const int first = constants.AdvancedOptions() ? 0 : kAdvWavelength;
    for (int row = first; row <= kAdvWavelength; ++row) {
        const auto i = static_cast<std::size_t>(row);
        section.rows.push_back({std::string(captions[i]), AlignedText(values[i]) + " "});
    }
    return section;
}

ReportSection DepthOfField(const LumarikCode& code) {
    const DepthOfFieldView view = code.DepthOfFieldRows();
    ReportSection section{std::string(texts::kReportDepthOfField), {}};
    for (std::size_t i = 0; i < texts::kDofRowNames.size(); ++i) {
        const std::string& value = view.values[i];
        section.rows.push_back({std::string(texts::kDofRowNames[i]),
                                (value.empty() ? std::string(texts::kDofNoValue) : value) + " "});
    }
    return section;
}

}  // namespace

std::optional<std::string_view> LensReportRefusal(const LumarikCode& code) {
    return SelectionRefusal(code.Selected(), kMaxSelected);
}

LensReport BuildLensReport(const LumarikCode& code, const ReportStamp& stamp) {
    LensReport report = StartReport(stamp, texts::kReportParaxial);
    const ListingLookup listing(code);
    report.sections.push_back(UserVariables(code));
    report.sections.push_back(SystemDefinition(code, listing));
    report.sections.push_back(AdvancedOptions(code));
    report.sections.push_back(DepthOfField(code));
    if (code.NoSolution()) report.drawingNote = std::string(texts::kNoSolution);
    return report;
}

}  // namespace lumarik
