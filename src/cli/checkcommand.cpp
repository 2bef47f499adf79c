#include "cli/commands.h"

#include "core/format/importreport.h"

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

CheckCommand::CheckCommand()
    : Command(u"check"_s, u"FILE..."_s,
              u"Reports each recognised line of each FILE, as the window's import does; - reads "
              u"standard input. Each finding goes to standard error as FILE:LINE: message."_s)
{
}

Status CheckCommand::execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return complain(Failure, u"check: no file given"_s);
    Status status = Fine;
    for (const QString &path : files) {
        const std::optional<FileReading> reading = readInput(path);
        if (!reading) {
            status = Failure;
            continue;
        }
        for (const QString &entry : reportEntries(reading->recognised))
            out() << entry << u"\n"_s;
        // In the words of the window's summary bar.
        out() << printable(importSummary(displayName(path), *reading)) << u"\n"_s;
        status = std::max(status, reportFindings(path, *reading));
    }
    return status;
}

} // namespace Tessaro::Cli
