#include "cli/console.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace Tessaro::Cli {

void prepareStandardStreams()
{
    // The C runtime's text mode would write CR CR LF for a file's CR LF, and
    // take CR bytes out of what it reads.
    for (FILE *stream : {stdin, stdout, stderr})
        ::_setmode(::_fileno(stream), _O_BINARY);
    // What goes to a console is UTF-8, as everything the program writes.
    ::SetConsoleOutputCP(CP_UTF8);
}

std::optional<QString> argumentProblem(int, char *[])
{
    // The system's own wide command line, as Qt reads it: a lone surrogate
    // would name another file once turned into anything else.
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].isValidUtf16())
            return QStringLiteral("\"%1\": not valid UTF-16").arg(arguments[i]);
    }
    return std::nullopt;
}

} // namespace Tessaro::Cli
