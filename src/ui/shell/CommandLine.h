// The program's command line: German help and version texts, and a clear refusal of anything it
// does not understand, all answered before a window (or a display) is needed.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace lumarik {

// The exit code of a command line the program cannot follow.
constexpr int kExitUsage = 2;

struct CommandLine {
    // Set when the program ends at once with this code (help, version, a faulty command line).
    std::optional<int> exitCode;
    // A system file to open at start (`lumarik DATEI.lumarik`).
    std::optional<QString> file;
};

// `arguments` start with the program's name. Help and version go to `out`, complaints to `err`.
// Qt's own options for every window program (-style, -platform, ...) pass through, for
// QApplication to take.
CommandLine ParseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The same on main()'s arguments, printing to the standard streams.
CommandLine ParseCommandLine(int argc, char* argv[]);

}  // namespace lumarik
