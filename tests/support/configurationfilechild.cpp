// Saves or loads a configuration file in a process of its own, so that a
// test can run the step without privileges or with a file size limit:
//
//   configurationfilechild save <path> [size limit in bytes]   (content on stdin)
//   configurationfilechild load <path>                         (prints the outcome)
//
// Exits with 0 when the file was saved or loaded, 1 when not, 2 on misuse.

#include "configurationfile.h"

#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return 2;
        const QByteArray content = input.readAll();
        if (argc == 4) {
            // A full disk, as far as this process can tell: writes past the
            // limit fail with EFBIG instead of killing the process.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = rlim_t(std::strtoul(argv[3], nullptr, 10));
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 2;
        }
        return Tessaro::saveConfigurationFile(QFile::decodeName(argv[2]), content) ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "load") == 0) {
        QByteArray content;
        switch (Tessaro::loadConfigurationFile(QFile::decodeName(argv[2]), content)) {
        case Tessaro::LoadResult::Loaded:
            std::printf("loaded %lld\n", static_cast<long long>(content.size()));
            return 0;
        case Tessaro::LoadResult::Missing:
            std::printf("missing\n");
            return 1;
        case Tessaro::LoadResult::Unreadable:
            std::printf("unreadable\n");
            return 1;
        }
    }
    std::fprintf(stderr, "usage: %s save <path> [size limit] | load <path>\n", argv[0]);
    return 2;
}
