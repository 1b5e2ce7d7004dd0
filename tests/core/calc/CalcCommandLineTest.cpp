// The calculator's command line as a script meets it: what it refuses, with which status and
// message, and the system it reads from words, a file or a batch.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/calc/CalcMain.h"
#include "core/calc/CalcOutput.h"
#include "support/DataTable.h"
#include "support/TempFolder.h"

namespace lumarik {
namespace {

struct CalcRun {
    int status = -1;
    std::string out, err;
};

CalcRun Calc(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    CalcRun run;
    run.status = RunCalc(args, in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (std::string_view w : SplitWords(line)) words.emplace_back(w);
    return words;
}

// tests/data/calc_command_lines.tsv: arguments, standard input (\n for a line break), the
// exit status and a part of what it wrote; a refused command line writes nothing but the
// message on standard error.
TEST(CalcCommandLine, RefusesBadInputWithItsStatusAndAGermanMessage) {
    for (const test::DataRow& row : test::ReadDataTable("calc_command_lines.tsv")) {
        std::string input = row[1];
        for (std::size_t at; (at = input.find("\\n")) != std::string::npos;)
            input.replace(at, 2, "\n");
        const CalcRun run = Calc(Words(row[0]), input);
        SCOPED_TRACE(row[0] + " | " + row[1]);
        EXPECT_EQ(run.status, std::stoi(row[2]));
        const std::string shown = run.out + run.err;
        EXPECT_NE(shown.find(row[3]), std::string::npos) << shown;
        if (run.status == 2 && row[1].empty()) {
            EXPECT_TRUE(run.out.empty()) << run.out;
        }
    }
}

TEST(CalcCommandLine, BatchKeepsGoingPastBadLinesAndReturnsTheWorstStatus) {
    const CalcRun run =
        Calc({"--batch"}, "f=100 a=-200 u=10\n\nf=100 t=100 u=10\nf=100 a=-300 u=5 r=5\nx\"y,=1\n");
    EXPECT_EQ(run.status, 2);
    std::istringstream rows(run.out);
    std::string header, line;
    std::getline(rows, header);
    EXPECT_EQ(header.rfind("line,status,message,f,f_obj,", 0), 0U);
    std::vector<std::string> lines;
    while (std::getline(rows, line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0].rfind("1,solved,,100,", 0), 0U);  // 1/200 + 1/a' = 1/100: a' = 200
    EXPECT_NE(lines[0].find(",200,-1,400,10,"), std::string::npos);
    EXPECT_EQ(lines[1].rfind("2,bad_input,Leere Zeile", 0), 0U);
    EXPECT_EQ(lines[2].rfind("3,unsolved,", 0), 0U);  // t = 100 < 4 f': no real conjugates
    EXPECT_EQ(lines[3].rfind("4,solved,", 0), 0U);
    // A message with the separator or a quote is one quoted field.
    EXPECT_EQ(lines[4].rfind("5,bad_input,\"Unbekannter Name: „x\"\"y,“\",", 0), 0U) << lines[4];
    // Every row has the header's columns.
    const auto columns = [](const std::string& s) { return std::count(s.begin(), s.end(), ','); };
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(columns(lines[i]), columns(header)) << lines[i];
}

TEST(CalcCommandLine, JsonIsOneAsciiObjectPerSystem) {
    // The names of the last two lines come back in their messages, a character beyond the BMP
    // as a surrogate pair, a stray byte as U+FFFD.
    const CalcRun run = Calc({"--batch", "--format", "json"},
                             "f=100 a=-200 u=10 r=10\nf=100 a=-300\n\xF0\x9F\x98\x80=1\n\xC3=2\n");
    EXPECT_EQ(run.status, 2);
    std::istringstream lines(run.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    for (char c : run.out) EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80);
    EXPECT_NE(first.find("\"line\":1,\"status\":\"solved\",\"exit\":0"), std::string::npos);
    EXPECT_NE(first.find("\"a_\":200,"), std::string::npos) << first;
    EXPECT_NE(first.find("\"F\":5,"), std::string::npos) << first;   // f'/(2r)
    EXPECT_NE(first.find("\"K\":10,"), std::string::npos) << first;  // a'/(2r)
    EXPECT_NE(first.find("\"w\":\"Grad\""), std::string::npos) << first;
    EXPECT_NE(second.find("\"status\":\"bad_input\",\"exit\":2"), std::string::npos) << second;
    EXPECT_NE(second.find("genau drei"), std::string::npos) << second;
    std::string third, fourth;
    std::getline(lines, third);
    std::getline(lines, fourth);
    EXPECT_NE(third.find("\\u201e\\ud83d\\ude00\\u201c"), std::string::npos) << third;
    EXPECT_NE(fourth.find("\\u201e\\ufffd\\u201c"), std::string::npos) << fourth;
}

using CalcFile = test::TempFolder;

TEST_F(CalcFile, ReadsASystemFileAsTheWindowOpensIt) {
    const std::string path = (m_dir / "system.lumarik").string();
    LumarikDocument doc;
    ASSERT_EQ(CalcFromWords(doc, SplitWords("f=50 a=-150 u=3 F=4")).status, CalcStatus::kSolved);
    Put(path, doc.SystemFileText());
    const CalcRun run = Calc({"--format=csv", path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Ergebnisse,Bildweite,a',75,mm\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Ergebnisse,Vergrößerung,m',-0.5,x\n"), std::string::npos);

    Put(path, "[Lumarik]\nnothing=here\n");
    EXPECT_EQ(Calc({path}).status, 2);
    EXPECT_EQ(Calc({(m_dir / "missing.lumarik").string()}).status, 2);
}

}  // namespace
}  // namespace lumarik
