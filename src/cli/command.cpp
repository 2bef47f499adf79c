#include "cli/command.h"

#include "core/format/configurationfile.h"
#include "core/format/importreport.h"
#include "core/unitfiles.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

Output::Output()
{
    m_file.open(stdout, QIODevice::WriteOnly);
}

void Output::write(const QByteArray &bytes)
{
    // After a failure nothing more is tried; finish() tells it.
    if (m_file.error() == QFileDevice::NoError)
        m_file.write(bytes);
}

Output &Output::operator<<(const QString &text)
{
    write(text.toUtf8());
    return *this;
}

std::optional<QString> Output::finish()
{
    if (m_file.flush() && m_file.error() == QFileDevice::NoError && !std::ferror(stdout))
        return std::nullopt;
    return m_file.errorString();
}

Output &out()
{
    static Output output;
    return output;
}

Status complain(Status status, const QString &message)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << printable(message)
                        << Qt::endl;
    return status;
}

Command::Command(QString name, QString synopsis, QString description)
    : m_name(std::move(name)), m_synopsis(std::move(synopsis)),
      m_description(std::move(description))
{
}

Status Command::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's own help option is spelled -? too on Windows: ours reads the
    // same on every system.
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays help on commandline options."_s);
    parser.addOption(help);
    parser.addOption({u"help-all"_s, u"Displays help including Qt specific options."_s});
    parser.addOptions(options());
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        QString error = parser.errorText();
        if (error.endsWith(u'.'))
            error.chop(1);
        return complain(Failure, u"%1: %2; see %3 %1 --help"_s.arg(m_name, error, program));
    }
    // An option that takes one value takes it once: the last of two is not
    // silently the one meant. Only --set and --unset add up.
    for (const QCommandLineOption &option : options()) {
        const QString name = option.names().constLast();
        if (!option.valueName().isEmpty() && option.valueName() != settingValue
            && option.valueName() != keyValue && parser.values(name).size() > 1)
            return complain(Failure, u"%1: --%2 given twice; see %3 %1 --help"_s.arg(
                                             m_name, name, program));
    }
    if (parser.isSet(help) || parser.isSet(u"help-all"_s)) {
        // Qt's usage line names neither the command nor its arguments.
        out() << u"Usage: %1 %2 %3\n"_s.arg(program, m_name, m_synopsis) << m_description
              << u"\n\n"_s << parser.helpText().section(u"\n\n"_s, 1);
        return Fine;
    }
    if (!takesFiles() && argumentWords().isEmpty() && !parser.positionalArguments().isEmpty())
        return complain(Failure,
                        u"%1: unexpected argument %2; see %3 %1 --help"_s.arg(
                                m_name, parser.positionalArguments().constFirst(), program));
    return execute(parser);
}

QCommandLineOption forceOption()
{
    return {u"force"_s, u"Replace files that exist."_s};
}

QCommandLineOption idsOption()
{
    return {u"ids"_s, u"The units' IDs, %1 to %2."_s.arg(firstUnitId).arg(lastUnitId),
            u"FIRST-LAST"_s};
}

QList<QCommandLineOption> formOptions()
{
    return {
            {u"from"_s,
             u"Start from what an import of FILE leaves in the form; - reads standard input."_s,
             fileValue},
            {u"set"_s, u"Set a row, spelled as in the file: VOLUME=20, INPUT01=FOLDER001."_s,
             settingValue},
            {u"unset"_s, u"Untick a row: it is not written."_s, keyValue},
    };
}

std::optional<std::pair<int, int>> unitIds(const QCommandLineParser &parser)
{
    if (!parser.isSet(u"ids"_s)) {
        complain(Failure, u"--ids FIRST-LAST is missing"_s);
        return std::nullopt;
    }
    const QString text = parser.value(u"ids"_s);
    const qsizetype dash = text.indexOf(u'-');
    const int first = dash < 0 ? -1 : wholeNumber(QStringView(text).first(dash));
    const int last = dash < 0 ? -1 : wholeNumber(QStringView(text).mid(dash + 1));
    const auto unit = [](int id) { return id >= firstUnitId && id <= lastUnitId; };
    if (!unit(first) || !unit(last)) {
        complain(Failure,
                 u"--ids %1: give FIRST-LAST, from %2 to %3"_s.arg(text)
                         .arg(firstUnitId)
                         .arg(lastUnitId));
        return std::nullopt;
    }
    if (first > last) {
        complain(Failure, u"--ids %1: the first ID must not be above the last"_s.arg(text));
        return std::nullopt;
    }
    return std::pair{first, last};
}

std::optional<FormSettings> formFromOptions(const QCommandLineParser &parser, Status &status)
{
    FormSettings settings = defaultSettings(true);
    status = Fine;
    if (parser.isSet(u"from"_s)) {
        const QString from = parser.value(u"from"_s);
        const std::optional<FileReading> reading = readInput(from);
        if (!reading) {
            status = Failure;
            return std::nullopt;
        }
        status = reportFindings(from, *reading);
        if (reading->recognised.isEmpty()) {
            status = complain(
                    Findings,
                    u"%1: no setting recognised; nothing written"_s.arg(displayName(from)));
            return std::nullopt;
        }
        settings = importedSettings(importedRows(reading->recognised));
    }
    for (const QString &setting : parser.values(u"set"_s)) {
        const Setting set = applySetting(settings, setting);
        if (set.row < 0) {
            status = complain(Failure,
                              setting.contains(u'=') ? u"--set %1: no such key"_s.arg(setting)
                                                     : u"--set %1: give KEY=VALUE"_s.arg(setting));
            return std::nullopt;
        }
        if (!set.accepted) {
            status = complain(
                    Findings,
                    u"--set %1: %2 accepts %3"_s.arg(
                            setting, setting.section(u'=', 0, 0),
                            acceptedValues(optionCatalogue[set.row], ValueText::Whole)));
            return std::nullopt;
        }
    }
    for (const QString &key : parser.values(u"unset"_s)) {
        const int row = optionIndexByName(key);
        if (row < 0) {
            status = complain(Failure, u"--unset %1: no such key"_s.arg(key));
            return std::nullopt;
        }
        settings[row].enabled = false;
    }
    return settings;
}

QString displayName(const QString &path)
{
    return path == u"-" ? u"(standard input)"_s : printable(path);
}

std::optional<FileReading> readInput(const QString &path)
{
    QByteArray content;
    const FileStatus status = path == u"-"
            ? readStandardInput(maximumConfigurationFileSize, content)
            : loadConfigurationFile(path, content);
    if (!status.ok()) {
        complain(Failure, u"cannot read %1: %2"_s.arg(displayName(path), fileProblemText(status)));
        return std::nullopt;
    }
    return readConfiguration(content);
}

Status reportFindings(const QString &path, const FileReading &reading)
{
    QTextStream errors(stderr);
    Status status = Fine;
    for (const Finding &finding : reading.findings) {
        if (!concernsTheFile(finding))
            continue;
        errors << displayName(path) << ':' << finding.lineNumber << ": "
               << printable(findingText(finding)) << '\n';
        status = Findings;
    }
    return status;
}

} // namespace Tessaro::Cli
