#include "core/document/ResultLists.h"

#include <string_view>

#include "core/beam/BeamTexts.h"
#include "core/document/LumarikDocument.h"
#include "core/format/Format.h"
#include "core/model/ModelTexts.h"

namespace lumarik {

namespace {

constexpr std::string_view kResultsTitle = "Ergebnisse";
constexpr std::string_view kWavelengthName = "Wellenlänge: λ";
constexpr std::string_view kBeamDepthName = "Schärfentiefe: ±";
constexpr std::string_view kPlusMinus = "±";

ResultList LensResults(const LumarikDocument& doc) {
    ResultList list{std::string(kResultsTitle), {}};
    if (!doc.Results().resultListsVisible) return list;
    const ListingRows listing = doc.Model().Listing();
    for (std::size_t i = 0; i < listing.names.size(); ++i) {
        list.rows.push_back({listing.names[i], listing.values[i]});
    }
    list.rows.push_back({std::string(kWavelengthName),
                         doc.Model().Constants().WavelengthText(doc.Model().DecimalSeparator())});
    return list;
}

ResultList LensDepthOfField(const LumarikDocument& doc) {
    ResultList list{std::string(texts::kDofTitle), {}};
    if (!doc.Results().ok) return list;
    const DepthOfFieldView dof = doc.Model().DepthOfFieldRows();
    for (std::size_t i = 0; i < dof.values.size(); ++i) {
        list.rows.push_back({std::string(texts::kDofRowNames[i]), dof.values[i]});
    }
    return list;
}

ResultList BeamResults(const LumarikDocument& doc) {
    ResultList list{std::string(kResultsTitle), {}};
    const GaussianBeam& beam = doc.Beam();
    const BeamAxisFlags& flags = beam.Flags(0);
    const bool ok = doc.BeamResults().ok;
    if (!ok && flags.objBeamMissing && flags.imgBeamMissing) return list;
    for (const BeamListRow& row : beam.ListBeamResults(ok))
        list.rows.push_back({row.name, row.value});
    list.rows.push_back({std::string(kWavelengthName), beam.WavelengthText()});
    return list;
}

// The depth of focus reads "±0.25mm": the sign goes to the name, the number stays a number.
ResultList BeamDepthOfFocus(const LumarikDocument& doc) {
    ResultList list{std::string(kBeamDepthTitle), {}};
    std::string text = doc.Beam().DepthOfFocusText(0);
    if (text.rfind(kPlusMinus, 0) == 0) text.erase(0, kPlusMinus.size());
    list.rows.push_back({std::string(kBeamDepthName), text});
    return list;
}

}  // namespace

std::vector<ResultList> ExportedLists(const LumarikDocument& doc) {
    const FullPrecisionNumbers allDigits;
    if (doc.BeamMode()) return {BeamResults(doc), BeamDepthOfFocus(doc)};
    return {LensResults(doc), LensDepthOfField(doc)};
}

}  // namespace lumarik
