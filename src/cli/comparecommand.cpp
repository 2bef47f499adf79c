#include "cli/commands.h"

#include "core/format/comparison.h"

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

CompareCommand::CompareCommand()
    : Command(u"compare"_s, u"FILE [options]"_s,
              u"Compares what FILE makes the unit read with the form: the form the window shows "
              u"at start, or what an import of --from leaves, then every --set and --unset. Each "
              u"row that differs goes to standard output as FILE:LINE: message."_s)
{
}

QList<QCommandLineOption> CompareCommand::options() const
{
    return formOptions();
}

Status CompareCommand::execute(const QCommandLineParser &parser)
{
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return complain(Failure, u"compare: give one FILE"_s);
    Status status = Fine;
    const std::optional<FormSettings> form = formFromOptions(parser, status);
    if (!form)
        return status;
    const std::optional<FileReading> reading = readInput(files.first());
    if (!reading)
        return Failure;
    status = std::max(status, reportFindings(files.first(), *reading));
    const QString name = displayName(files.first());
    for (const Difference &difference : compareWithForm(*reading, *form)) {
        const QString where =
                difference.lineNumber > 0 ? u"%1:%2"_s.arg(name).arg(difference.lineNumber) : name;
        out() << where << u": "_s << printable(differenceText(difference, FilePlace::File))
              << u"\n"_s;
        status = std::max(status, Findings);
    }
    return status;
}

} // namespace Tessaro::Cli
