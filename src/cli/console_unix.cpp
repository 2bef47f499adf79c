#include "cli/console.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>

namespace Tessaro::Cli {

void prepareStandardStreams()
{
    // A standard descriptor the caller closed would go to the next file
    // opened, and what is meant for standard output would land in it: each
    // such number is held by /dev/null, opened the other way, so that using
    // it fails.
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", descriptor == 0 ? O_WRONLY : O_RDONLY);
    }
    // A closed pipe or a file size limit fails the write that meets it, which
    // is then reported, instead of ending the program without a word and
    // leaving a half-written temporary file behind.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

std::optional<QString> argumentProblem(int argc, char *argv[])
{
    // A name is used exactly as given, or not at all: bytes that are not
    // UTF-8 would reach the system as other bytes.
    for (int i = 1; i < argc; ++i) {
        if (QFile::encodeName(QFile::decodeName(argv[i])) != argv[i])
            return QStringLiteral("\"%1\": not valid UTF-8").arg(QFile::decodeName(argv[i]));
    }
    return std::nullopt;
}

} // namespace Tessaro::Cli
