#include "core/calc/CalcMain.h"

#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "Version.h"
#include "core/calc/CalcOutput.h"
#include "core/calc/CalcTexts.h"

namespace lumarik {

namespace {

enum class Format { kText, kCsv, kJson };

struct Usage {
    Format format = Format::kText;
    bool formatGiven = false;
    bool batch = false;
    std::vector<std::string_view> words;
    std::string file;
    std::string problem;  // why the command line is refused
};

bool IsSwitchWord(std::string_view arg) {
    return arg == "beam" || arg == "mirror" || arg == "virtual" || arg == "alt";
}

Usage ReadUsage(const std::vector<std::string>& args) {
    Usage usage;
    for (std::size_t i = 0; i < args.size() && usage.problem.empty(); ++i) {
        const std::string& arg = args[i];
        std::string_view formatName;
        if (arg == "--format") {
            if (i + 1 == args.size()) {
                usage.problem = calctexts::kFormatMissing;
                break;
            }
            formatName = args[++i];
        } else if (arg.rfind("--format=", 0) == 0) {
            formatName = std::string_view(arg).substr(9);
        } else if (arg == "--batch") {
            usage.batch = true;
            continue;
        } else if (arg.size() > 1 && arg[0] == '-' && arg.find('=') == std::string::npos) {
            usage.problem = CalcRefusal(calctexts::kUnknownOption, arg);
            break;
        } else if (arg.find('=') != std::string::npos || IsSwitchWord(arg)) {
            usage.words.push_back(arg);
            continue;
        } else {
            if (!usage.file.empty()) usage.problem = calctexts::kTwoFiles;
            usage.file = arg;
            continue;
        }
        usage.formatGiven = true;
        if (formatName == "text") {
            usage.format = Format::kText;
        } else if (formatName == "csv") {
            usage.format = Format::kCsv;
        } else if (formatName == "json") {
            usage.format = Format::kJson;
        } else {
            usage.problem = CalcRefusal(calctexts::kUnknownFormat, formatName);
        }
    }
    if (!usage.problem.empty()) return usage;
    if (usage.batch) {
        if (!usage.formatGiven) usage.format = Format::kCsv;
        if (usage.format == Format::kText) usage.problem = calctexts::kBatchText;
        if (!usage.words.empty() || !usage.file.empty())
            usage.problem = calctexts::kBatchWithSystem;
    } else if (!usage.file.empty() && !usage.words.empty()) {
        usage.problem = calctexts::kFileAndWords;
    } else if (usage.file.empty() && usage.words.empty()) {
        usage.problem = calctexts::kNoSystem;
    }
    return usage;
}

int Batch(Format format, std::istream& in, std::ostream& out) {
    int worst = 0;
    std::string buffer;
    if (format == Format::kCsv) buffer = CalcBatchCsvHeader();
    std::string line;
    long number = 0;
    while (std::getline(in, line)) {
        ++number;
        LumarikDocument doc;
        const CalcOutcome outcome = CalcFromWords(doc, SplitWords(line));
        worst = std::max(worst, static_cast<int>(outcome.status));
        if (format == Format::kCsv) {
            AppendCalcBatchCsvRow(buffer, number, &doc, outcome);
        } else {
            buffer += CalcJson(doc, outcome, number);
            buffer += '\n';
        }
        if (buffer.size() > (1U << 16)) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
    out.flush();
    return worst;
}

}  // namespace

CalcOutcome CalcFromWords(LumarikDocument& doc, const std::vector<std::string_view>& words) {
    const CalcRead read = ReadCalcWords(words);
    if (!read.request) return {CalcStatus::kBadInput, read.message};
    return BuildSystem(doc, *read.request);
}

int RunCalc(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << calctexts::kHelp;
            return 0;
        }
        if (arg == "--version" || arg == "-v") {
            out << "lumarik-calc " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionPatch
                << '\n';
            return 0;
        }
    }
    const Usage usage = ReadUsage(args);
    if (!usage.problem.empty()) {
        err << "lumarik-calc: " << usage.problem << "\n" << calctexts::kSeeHelp << "\n";
        return static_cast<int>(CalcStatus::kBadInput);
    }
    if (usage.batch) return Batch(usage.format, in, out);

    LumarikDocument doc;
    CalcOutcome outcome;
    if (!usage.file.empty()) {
        std::ifstream file(usage.file, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        // A folder opens but reads as nothing, which the system file refuses as damaged.
        if (!file.is_open()) {
            outcome = {CalcStatus::kBadInput, CalcRefusal(calctexts::kUnreadableFile, usage.file)};
        } else {
            outcome = OpenSystem(doc, bytes, usage.file);
        }
    } else {
        outcome = CalcFromWords(doc, usage.words);
    }
    if (outcome.status != CalcStatus::kSolved) {
        err << "lumarik-calc: " << outcome.message << "\n";
    }
    if (outcome.status != CalcStatus::kBadInput) {
        switch (usage.format) {
            case Format::kText:
                if (outcome.status == CalcStatus::kSolved) out << ListingText(doc);
                break;
            case Format::kCsv:
                out << CalcCsv(outcome.status == CalcStatus::kSolved ? CalcTable(doc)
                                                                     : std::vector<CalcRow>{});
                break;
            case Format::kJson:
                out << CalcJson(doc, outcome) << '\n';
                break;
        }
    }
    return static_cast<int>(outcome.status);
}

}  // namespace lumarik
