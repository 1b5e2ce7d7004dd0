// The printed report through the painting code the print dialog uses: a PDF file of exactly
// one page, also without a solution to draw, and a refused report that only tells the user.
#include <gmock/gmock.h>

#include "core/beam/GaussianBeam.h"
#include "core/model/ModelTestSupport.h"
#include "core/model/Options.h"
#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"
#include "ui/report/ReportPrinter.h"

namespace lumarik::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects, not the page tree ("/Type /Pages").
int PageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++count;
    return count;
}

class ReportPdf : public ::testing::TestWithParam<std::vector<Given>> {};

TEST_P(ReportPdf, HasExactlyOnePage) {
    TestEnvironment env;
    LumarikCode code;
    for (const Given& g : GetParam()) Choose(code, {g});
    GiveAperture(code, kApStopRadius, 10);
    code.Solve(false);
    const Options options{false, false, true};  // the cardinal points drawn

    const QString path = env.FilePath(QStringLiteral("Bericht.pdf"));
    ASSERT_TRUE(PrintLensReportToPdf(path, code, options, env.Context()));
    const QByteArray pdf = ReadAll(path);
    ASSERT_TRUE(pdf.startsWith("%PDF")) << pdf.left(16).toStdString();
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_TRUE(env.prompter.Shown().empty());
}

// A solved lens, and one without a solution.
INSTANTIATE_TEST_SUITE_P(
    Report, ReportPdf,
    ::testing::Values(
        std::vector<Given>{{kParFocal, 100}, {kParObjectDist, -200}, {kParObjectHeight, 10}},
        std::vector<Given>{{kParFocal, 100}, {kParTrack, 300}, {kParObjectHeight, 10}}));

// The picture area is handed to the beam drawing, a failed solution included.
TEST(ReportPrinter, BeamReportIsOnePageWithTheDrawingInItsPicture) {
    TestEnvironment env;
    GaussianBeam beam;
    for (const auto& [n, value] :
         {std::pair{kBeamFocal, 100.0f}, {kBeamObjectDist, 200.0f}, {kBeamObjRadius, 0.5f}}) {
        beam.AddBeamVar(0, n, true);
        beam.Selection(0).SetVarValue(beam.Selection(0).PositionOf(n), value);
        beam.Selection(0).SetVarValDef(beam.Selection(0).PositionOf(n), true);
    }
    beam.SolveBeam(true);
    ScaleRect picture{};
    const QString path = env.FilePath(QStringLiteral("Strahl.pdf"));
    ASSERT_TRUE(PrintBeamReportToPdf(path, beam, env.Context(),
                                     [&](Canvas& canvas) { picture = canvas.Scale(); }));
    EXPECT_EQ(PageCount(ReadAll(path)), 1);
    EXPECT_TRUE(picture.width > 300.0 && picture.height > 150.0) << picture.width;

    beam.Selection(0).SetVarValDef(1, false);
    EXPECT_FALSE(ShowBeamPrintDialog(nullptr, beam, env.Context(), {}));
    EXPECT_EQ(env.prompter.MessageTexts(),
              std::vector<QString>{"Sie haben noch nicht für alle Parameter Werte eingetragen! "});
}

TEST(ReportPrinter, RefusedReportOnlyTellsTheUser) {
    TestEnvironment env;
    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParObjectDist, -200}});
    EXPECT_FALSE(ShowPrintDialog(nullptr, code, Options(), env.Context()));
    ASSERT_EQ(env.prompter.Shown().size(), 1u);
    const ShownPrompt& shown = env.prompter.Shown()[0];
    EXPECT_TRUE(shown.kind == ShownPrompt::Kind::Message && shown.icon == PromptIcon::Exclamation);
    EXPECT_EQ(shown.text.toStdString(), "Sie haben noch nicht alle Parameter ausgewählt! ");

    const QString path = env.FilePath(QStringLiteral("Bericht.pdf"));
    EXPECT_FALSE(PrintLensReportToPdf(path, code, Options(), env.Context()));
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace lumarik::test
