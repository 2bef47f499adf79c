// Saves or loads a configuration file in a process of its own, so that a
// test can run the step without privileges or with a file size limit:
//
//   configurationfilechild save <path>   (content on stdin)
//   configurationfilechild load <path>   (prints the outcome)
//
// Exits with 0 when the file was saved or loaded, 1 when not, 2 on misuse.

#include "config/configurationfile.h"

#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QString path = QFile::decodeName(argv[2]);
    if (std::strcmp(argv[1], "save") == 0) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return 2;
        return Tessaro::saveConfigurationFile(path, input.readAll()) ? 0 : 1;
    }
    QByteArray content;
    switch (Tessaro::loadConfigurationFile(path, content)) {
    case Tessaro::ReadResult::Read:
        std::printf("loaded %lld\n", static_cast<long long>(content.size()));
        return 0;
    case Tessaro::ReadResult::Missing:
        std::printf("missing\n");
        return 1;
    case Tessaro::ReadResult::Refused:
        std::printf("unreadable\n");
        return 1;
    }
    return 2;
}
