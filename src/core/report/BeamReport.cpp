#include "core/report/BeamReport.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/beam/BeamTexts.h"
#include "core/beam/GaussianBeam.h"
#include "core/format/Format.h"
#include "core/model/ModelTexts.h"
#include "core/report/ReportTexts.h"

namespace lumarik {
namespace {

bool IsM2Scaled(int n) {
    return n == kBeamObjRadius || n == kBeamObjDivergence || n == kBeamImgRadius ||
           n == kBeamImgDivergence;
}

ReportSection UserVariables(const GaussianBeam& beam) {
    ReportSection section{std::string(texts::kReportUserVariables), {}};
    for (const CVarType& record : beam.Selection(0).Records()) {
        // With M² the listing shows some quantities scaled: the typed one is named apart.
        const std::string typed =
            beam.UseM2() && IsM2Scaled(record.nVarType) ? std::string(texts::kReportTyped) : "";
        section.rows.push_back(
            {beam.Symbols().Label(record.nVarType) + typed + ":",
             AlignedValue(record.sVarValue, beam.EntryText(record.nVarType, record.sVarValue))});
    }
    section.rows.push_back({std::string(texts::kReportWavelength), " " + beam.WavelengthText()});
    return section;
}

ReportSection SystemDefinition(const GaussianBeam& beam) {
    const bool solved = beam.AxisSolved(0);
    ReportSection section{beam.UseM2() ? std::string(texts::kReportBeamSystemM2) + beam.M2Text()
                                       : std::string(texts::kReportBeamSystem),
                          {}};
    auto add = [&](std::string label, std::string value) {
        section.rows.push_back({std::move(label), solved ? std::move(value) : std::string()});
    };
    const BeamSymbols& symbols = beam.Symbols();
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        const std::string shown =
            beam.UseM2() && IsM2Scaled(n) ? std::string(texts::kReportShownM2) : "";
        add(symbols.Label(n) + shown + ":  ", beam.BeamValueText(n));
        if (n == kBeamImageDist) {
            add(std::string(texts::kReportParaxialImage), beam.ParaxialImageText() + "]");
        } else if (n == kBeamObjRayleigh) {
            add(symbols.ResultLabel(kResLensRadius), beam.ShownRadiusText(kResLensRadius, "0.0##"));
        } else if (n == kBeamImgRadius) {
            if (beam.DetectorOn()) {
                add(std::string(texts::kReportDetectorDistance),
                    Format(std::nearbyint(beam.DetectorDistance()), " 0.0mm",
                           beam.DecimalSeparator()));
                add(symbols.ResultLabel(kResDetectorRadius),
                    beam.ShownRadiusText(kResDetectorRadius, "0.0##"));
            }
            add(symbols.ResultLabel(kResAiryRadius), beam.AiryRadiusText());
        }
    }
    const std::vector<std::string> steps = beam.DofEntryTexts();
    const auto step = static_cast<std::size_t>(beam.DofIndex());
    add(std::string(texts::kReportDepthOfFocus) + (step < steps.size() ? steps[step] : steps[1]) +
            "]:  ",
        " " + beam.DepthOfFocusText(0));
    const auto percent = [&](std::optional<double> fraction) {
        return Format(*fraction * 100.0, " 0.00", beam.DecimalSeparator()) + " %" +
               (*fraction < beamtexts::kClippedBelow ? std::string(texts::kReportClipped) : "");
    };
    if (const std::optional<double> lens = beam.LensTransmission()) {
        add(std::string(beamtexts::kTransmissionLens), percent(lens));
    }
    if (const std::optional<double> detector = beam.DetectorTransmission()) {
        add(std::string(beamtexts::kTransmissionDetector), percent(detector));
    }
    if (beam.AltSolutionEnabled()) {
        add(std::string(texts::kReportRoot),
            std::string(beam.AltSolution() ? texts::kReportRootAlt : texts::kReportRootFirst));
    }
    return section;
}

}  // namespace

std::optional<std::string_view> BeamReportRefusal(const GaussianBeam& beam) {
    return SelectionRefusal(beam.Selection(0), kMaxBeamSelected);
}

PrintedReport BuildBeamReport(const GaussianBeam& beam, const ReportStamp& stamp) {
    PrintedReport report = StartReport(stamp, texts::kReportBeam);
    if (beam.DiodeMode()) {
        report.notes.emplace_back(texts::kReportDiode);
        if (beam.Circularise()) {
            // The caption's text without the blank that separates it there.
            const std::string_view caption =
                beamtexts::kCaptionCircularised[beam.CollimationMode()];
            report.notes.emplace_back(caption.substr(caption.find_first_not_of(' ')));
        }
    }
    report.sections.push_back(UserVariables(beam));
    report.sections.push_back(SystemDefinition(beam));
    if (!beam.AxisSolved(0)) report.drawingNote = std::string(texts::kNoSolution);
    return report;
}

}  // namespace lumarik
