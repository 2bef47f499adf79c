#include "cli/commands.h"

#include "core/format/configurationfile.h"
#include "core/unitfiles.h"

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

BatchCommand::BatchCommand()
    : Command(u"batch"_s, u"--ids FIRST-LAST --out-dir DIR [options]"_s,
              u"Writes DIR/<name>/config.txt for each unit ID, the ID row set to the unit's ID "
              u"whatever --set and --unset say. Each file written is named on standard output."_s)
{
}

QList<QCommandLineOption> BatchCommand::options() const
{
    return QList<QCommandLineOption>{
                   idsOption(),
                   {u"out-dir"_s, u"The folder that receives a folder per unit."_s, folderValue},
                   {u"name"_s,
                    u"Each unit's folder name, %1 standing for the ID in three digits."_s,
                    u"PATTERN"_s, defaultUnitFolderPattern},
           } + formOptions()
            << forceOption();
}

Status BatchCommand::execute(const QCommandLineParser &parser)
{
    const std::optional<std::pair<int, int>> ids = unitIds(parser);
    if (!ids)
        return Failure;
    const QString folder = parser.value(u"out-dir"_s);
    if (folder.isEmpty())
        return complain(Failure, u"batch: --out-dir is missing"_s);
    const QString pattern = parser.value(u"name"_s);
    if (const std::optional<QString> problem = unitFolderPatternProblem(pattern))
        return complain(Failure, u"--name %1: %2"_s.arg(pattern, *problem));
    Status status = Fine;
    const std::optional<FormSettings> form = formFromOptions(parser, status);
    if (!form)
        return status;

    UnitRunSteps steps;
    const bool force = parser.isSet(u"force"_s);
    steps.replace = [force](const QList<UnitFile> &existing) {
        for (const UnitFile &unit : existing) {
            if (!force)
                complain(Failure, u"%1 already exists; --force replaces it"_s.arg(unit.path));
        }
        return force;
    };
    steps.done = [](const UnitFile &unit, const FileStatus &written) {
        if (written.ok())
            out() << printable(unit.path) << u"\n"_s;
        else
            complain(Failure, u"cannot write %1: %2"_s.arg(unit.path, fileProblemText(written)));
    };
    const UnitRun run =
            writeUnitFiles(unitFiles(folder, pattern, ids->first, ids->second), *form, steps);
    return run.declined || !run.failures.isEmpty() ? Failure : status;
}

} // namespace Tessaro::Cli
