// tessaro-config: the configuration file from the command line, for scripts
// and for many units at once.

#include "core/applicationidentity.h"
#include "core/language.h"
#include "cli/commands.h"
#include "cli/console.h"

#include <QCoreApplication>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Tessaro::Cli;

namespace {

Status usage(const std::vector<std::unique_ptr<Command>> &commands)
{
    out() << u"Usage: %1 COMMAND [options]\n"
             u"Checks and writes configuration files (config.txt) of the Tessaro audio player.\n\n"
             u"Commands:\n"_s.arg(QCoreApplication::applicationName());
    for (const auto &command : commands)
        out() << u"  %1 %2\n      %3\n"_s.arg(command->name(), command->synopsis(),
                                              command->description());
    out() << u"\n%1 COMMAND --help describes a command's options.\n"_s.arg(
            QCoreApplication::applicationName());
    return Fine;
}

Status dispatch(const QStringList &arguments)
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<CompareCommand>());
    commands.push_back(std::make_unique<GenerateCommand>());
    commands.push_back(std::make_unique<BatchCommand>());
    commands.push_back(std::make_unique<CardsCommand>());
    commands.push_back(std::make_unique<CompletionCommand>(commands));
    const QString first = arguments.value(1);
    if (first == u"-h" || first == u"--help" || first == u"--help-all")
        return usage(commands);
    if (first == u"-v" || first == u"--version") {
        out() << QCoreApplication::applicationName() << u" "_s
              << QCoreApplication::applicationVersion() << u"\n"_s;
        return Fine;
    }
    for (const auto &command : commands) {
        if (command->name() == first)
            return command->run(arguments.mid(1));
    }
    if (first.isEmpty())
        return complain(Failure, u"no command given; see --help"_s);
    return complain(Failure, u"%1: no such command; see --help"_s.arg(first));
}

} // namespace

int main(int argc, char *argv[])
{
    prepareStandardStreams();
    Tessaro::setApplicationIdentity();
    QCoreApplication::setApplicationName(u"tessaro-config"_s);
    QCoreApplication application(argc, argv);
    Tessaro::loadBuiltInEnglish();
    // A name is used exactly as given, or not at all.
    if (const std::optional<QString> problem = argumentProblem(argc, argv))
        return complain(Failure, *problem);
    Status status = dispatch(QCoreApplication::arguments());
    if (const std::optional<QString> failure = out().finish())
        status = complain(Failure, u"cannot write to standard output: %1"_s.arg(*failure));
    return status;
}
