#include "cli/commands.h"

#include "core/format/configurationfile.h"

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

GenerateCommand::GenerateCommand()
    : Command(u"generate"_s, u"[options]"_s,
              u"Writes one file: the form the window shows at start, or what an import of --from "
              u"leaves, then every --set and --unset."_s)
{
}

QList<QCommandLineOption> GenerateCommand::options() const
{
    return formOptions() << QCommandLineOption({u"o"_s, u"output"_s},
                                               u"The file to write, - for standard output."_s,
                                               fileValue, u"config.txt"_s)
                         << forceOption();
}

Status GenerateCommand::execute(const QCommandLineParser &parser)
{
    Status status = Fine;
    const std::optional<FormSettings> form = formFromOptions(parser, status);
    if (!form)
        return status;
    const QByteArray text = configurationText(*form);
    const QString path = parser.value(u"output"_s);
    if (path == u"-") {
        out().write(text);
        return status;
    }
    const FileStatus written =
            writeFile(path, text, parser.isSet(u"force"_s) ? Existing::Replace : Existing::Keep);
    if (written.problem == FileStatus::Exists)
        return complain(Failure, u"%1 already exists; --force replaces it"_s.arg(path));
    if (!written.ok())
        return complain(Failure, u"cannot write %1: %2"_s.arg(path, fileProblemText(written)));
    return status;
}

} // namespace Tessaro::Cli
