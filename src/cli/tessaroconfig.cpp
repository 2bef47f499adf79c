// tessaro-config: the configuration file from the command line, for scripts
// and for many units at once. It reads, writes and judges files with the same
// rules as the window; its messages and report words are English, so that
// scripts can rely on them.
//
// Exit status: 0 all fine, 1 findings (a refused or unrecognised line, a
// refused --set value), 2 usage or file errors.

#include "app/applicationidentity.h"
#include "config/configurationfile.h"
#include "config/configurationformat.h"
#include "config/importreport.h"
#include "config/unitfiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace Tessaro;

namespace {

enum Status { Fine = 0, Findings = 1, Failure = 2 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// One line on standard error, naming the program.
Status complain(Status status, const QString &message)
{
    err() << "tessaro-config: " << message << Qt::endl;
    return status;
}

QString readFailure(ReadResult result)
{
    switch (result) {
    case ReadResult::Read:
        break;
    case ReadResult::Missing:
        return u"no such file"_s;
    case ReadResult::NotAFile:
        return u"not a regular file"_s;
    case ReadResult::TooLarge:
        return u"larger than 1 MiB, not a configuration file"_s;
    case ReadResult::Unreadable:
        return u"cannot be read"_s;
    }
    return {};
}

// The recognised lines of a file and how many lines it has; a message and
// Failure when it cannot be read.
Status readFile(const QString &path, QList<RecognisedLine> &lines, int &lineCount)
{
    QByteArray content;
    const ReadResult result = loadConfigurationFile(path, content);
    if (result != ReadResult::Read)
        return complain(Failure, u"cannot read %1: %2"_s.arg(path, readFailure(result)));
    lines = readConfiguration(content, &lineCount);
    return Fine;
}

// Prints a file's report, then its counts; Findings when a line was refused
// or not recognised.
Status report(const QString &path, const QList<RecognisedLine> &lines, int lineCount)
{
    const QStringList entries = reportEntries(lines);
    for (const QString &entry : entries)
        out() << entry << '\n';
    const qsizetype refused = std::count_if(
            lines.begin(), lines.end(), [](const RecognisedLine &line) { return !line.accepted; });
    const qsizetype ignored = lineCount - lines.size();
    out() << path << ": " << lines.size() << " recognised, " << refused << " refused, " << ignored
          << " ignored" << Qt::endl;
    return refused || ignored ? Findings : Fine;
}

Status check(const QStringList &files)
{
    if (files.isEmpty())
        return complain(Failure, u"check: no file given"_s);
    Status status = Fine;
    for (const QString &path : files) {
        QList<RecognisedLine> lines;
        int lineCount = 0;
        const Status read = readFile(path, lines, lineCount);
        status = std::max(status, read == Fine ? report(path, lines, lineCount) : read);
    }
    return status;
}

// The form the written files start from: what the window shows at start, or
// what an import of --from leaves; then every --set and --unset. Not usable
// after a message when the options cannot make one.
struct Form
{
    FormSettings settings = defaultSettings(true);
    Status status = Fine;
    bool usable = true;
};

Form formFrom(const QCommandLineParser &parser)
{
    Form form;
    const auto unusable = [](Status status) {
        return Form{{}, status, false};
    };
    if (const QString from = parser.value(u"from"_s); !from.isEmpty()) {
        QList<RecognisedLine> lines;
        int lineCount = 0;
        if (readFile(from, lines, lineCount) != Fine)
            return unusable(Failure);
        form.settings = importedSettings(importedRows(lines));
        for (const RecognisedLine &line : std::as_const(lines)) {
            if (!line.accepted)
                form.status = complain(
                        Findings,
                        u"%1: line %2 refused"_s.arg(from, QString::number(line.lineNumber)));
        }
    }
    for (const QString &setting : parser.values(u"set"_s)) {
        const Setting set = applySetting(form.settings, setting);
        if (set.row < 0)
            return unusable(complain(Failure, u"--set %1: no such key"_s.arg(setting)));
        if (!set.accepted)
            return unusable(complain(
                    Findings,
                    u"--set %1: %2 accepts %3"_s.arg(setting, setting.section(u'=', 0, 0),
                                                     acceptedValues(optionCatalogue[set.row]))));
    }
    for (const QString &key : parser.values(u"unset"_s)) {
        const int row = optionIndex(QString(u'#' + key + u':'));
        if (row < 0)
            return unusable(complain(Failure, u"--unset %1: no such key"_s.arg(key)));
        form.settings[row].enabled = false;
    }
    return form;
}

Status generate(const QCommandLineParser &parser)
{
    const Form form = formFrom(parser);
    if (!form.usable)
        return form.status;
    const QByteArray text = configurationText(form.settings);
    const QString path = parser.value(u"output"_s);
    if (path == u"-") {
        QFile output;
        if (!output.open(stdout, QIODevice::WriteOnly) || output.write(text) != text.size())
            return complain(Failure, u"cannot write to standard output"_s);
        return form.status;
    }
    if (QFileInfo::exists(path) && !parser.isSet(u"force"_s))
        return complain(Failure, u"%1 already exists; --force replaces it"_s.arg(path));
    QString error;
    if (!replaceFile(path, text, &error))
        return complain(Failure, u"cannot write %1: %2"_s.arg(path, error));
    return form.status;
}

Status batch(const QCommandLineParser &parser)
{
    const QStringList ids = parser.value(u"ids"_s).split(u'-');
    bool firstOk = false;
    bool lastOk = false;
    const int first = ids.value(0).toInt(&firstOk);
    const int last = ids.value(1).toInt(&lastOk);
    if (ids.size() != 2 || !firstOk || !lastOk || first < firstUnitId || last > lastUnitId
        || first > last)
        return complain(Failure,
                        u"--ids %1: give FIRST-LAST, from %2 to %3"_s.arg(
                                parser.value(u"ids"_s), QString::number(firstUnitId),
                                QString::number(lastUnitId)));
    const QString folder = parser.value(u"out-dir"_s);
    if (folder.isEmpty())
        return complain(Failure, u"batch: --out-dir is missing"_s);
    const QString pattern = parser.value(u"name"_s);
    if (!isUnitFolderPattern(pattern))
        return complain(Failure,
                        u"--name %1: a folder name holding %2 for the ID"_s.arg(pattern, u"%1"_s));
    const Form form = formFrom(parser);
    if (!form.usable)
        return form.status;

    const QList<UnitFile> units = unitFiles(folder, pattern, first, last);
    Status status = form.status;
    if (!parser.isSet(u"force"_s)) {
        for (const UnitFile &unit : units) {
            if (QFileInfo::exists(unit.path))
                status = complain(Failure,
                                  u"%1 already exists; --force replaces it"_s.arg(unit.path));
        }
        if (status == Failure)
            return status;
    }
    for (const UnitFile &unit : units) {
        if (const QString error = writeUnitFile(unit, form.settings); !error.isEmpty())
            status = complain(Failure, u"cannot write %1: %2"_s.arg(unit.path, error));
        else
            out() << unit.path << Qt::endl;
    }
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    setApplicationIdentity();
    QCoreApplication::setApplicationName(u"tessaro-config"_s);
    QCoreApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
            u"Checks and writes configuration files (config.txt) of the Tessaro audio player.\n\n"
            "  check FILE...          report each recognised line, as the window's import does\n"
            "  generate [options]     write one file\n"
            "  batch --ids FIRST-LAST --out-dir DIR [options]\n"
            "                         write <DIR>/<name>/config.txt for each unit ID"_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(u"command"_s, u"check, generate or batch"_s);
    parser.addOptions({
            {u"from"_s, u"Start from what an import of FILE leaves in the form."_s, u"FILE"_s},
            {u"set"_s, u"Set a row, spelled as in the file: VOLUME=20, INPUT01=FOLDER001."_s,
             u"KEY=VALUE"_s},
            {u"unset"_s, u"Untick a row: it is not written."_s, u"KEY"_s},
            {{u"o"_s, u"output"_s},
             u"The file to write, - for standard output."_s,
             u"FILE"_s,
             u"config.txt"_s},
            {u"force"_s, u"Replace files that exist."_s},
            {u"ids"_s, u"The units' IDs, 1 to 127."_s, u"FIRST-LAST"_s},
            {u"out-dir"_s, u"The folder that receives a folder per unit."_s, u"DIR"_s},
            {u"name"_s, u"Each unit's folder name, %1 standing for the ID in three digits."_s,
             u"PATTERN"_s, defaultUnitFolderPattern},
    });
    if (!parser.parse(QCoreApplication::arguments()))
        return complain(Failure, parser.errorText());
    if (parser.isSet(help) || parser.isSet(u"help-all"_s)) {
        out() << parser.helpText();
        return Fine;
    }
    if (parser.isSet(version)) {
        out() << QCoreApplication::applicationName() << ' '
              << QCoreApplication::applicationVersion() << Qt::endl;
        return Fine;
    }
    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    if (command == u"check")
        return check(arguments.mid(1));
    if (arguments.size() != 1)
        return complain(Failure, u"expected check FILE..., generate or batch; see --help"_s);
    if (command == u"generate")
        return generate(parser);
    if (command == u"batch")
        return batch(parser);
    return complain(Failure, u"%1: no such command; see --help"_s.arg(command));
}
