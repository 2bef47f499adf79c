// tessaro-config: the configuration file from the command line, for scripts
// and for many units at once.

#include "core/applicationidentity.h"
#include "core/language.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>

#ifdef Q_OS_UNIX
#    include <cerrno>
#    include <csignal>
#    include <fcntl.h>
#endif

using namespace Qt::StringLiterals;
using namespace Tessaro::Cli;

namespace {

#ifdef Q_OS_UNIX
// A standard descriptor the caller closed would go to the next file opened,
// and what is meant for standard output would land in it: each such number
// is held by /dev/null, opened the other way, so that using it fails.
void holdClosedStandardDescriptors()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);
    }
}
#endif

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
#ifdef Q_OS_UNIX
    holdClosedStandardDescriptors();
    // A closed pipe or a file size limit fails the write that meets it, which
    // is then reported, instead of ending the program without a word and
    // leaving a half-written temporary file behind.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    Tessaro::setApplicationIdentity();
    QCoreApplication::setApplicationName(u"tessaro-config"_s);
    QCoreApplication application(argc, argv);
    Tessaro::loadBuiltInEnglish();
#ifdef Q_OS_UNIX
    // A name is used exactly as given, or not at all: bytes that are not
    // UTF-8 would reach the system as other bytes.
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != argv[i])
            return complain(Failure, u"\"%1\": not valid UTF-8"_s.arg(QFile::decodeName(argv[i])));
    }
#endif
    Status status = dispatch(QCoreApplication::arguments());
    if (const std::optional<QString> failure = out().finish())
        status = complain(Failure, u"cannot write to standard output: %1"_s.arg(*failure));
    return status;
}
