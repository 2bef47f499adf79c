#pragma once

#include "core/displaytext.h" // printable(), for all that a command prints
#include "core/format/configurationformat.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QString>

#include <optional>
#include <utility>

// tessaro-config's commands: each a class that declares its own options and
// does its work with the same rules as the window. Their messages and report
// words are English, so that scripts can rely on them.
namespace Tessaro::Cli {

// The exit status: 0 all fine, 1 findings (a refused or unrecognised line, a
// refused value), 2 usage or I/O errors.
enum Status { Fine = 0, Findings = 1, Failure = 2 };

// Standard output. Everything the program prints there goes through it, so
// that a write the system refuses (a full disk, a closed or broken pipe, a
// size limit) is noticed before the program says it did its work.
class Output
{
public:
    Output();
    void write(const QByteArray &bytes);
    Output &operator<<(const QString &text);
    // Flushes; the system's reason when a write failed, else nothing.
    std::optional<QString> finish();

private:
    QFile m_file;
};
Output &out();

// One line on standard error, naming the program; gives the status.
Status complain(Status status, const QString &message);

// One subcommand: its name and synopsis, the options it accepts, its work.
class Command
{
public:
    Command(QString name, QString synopsis, QString description);
    virtual ~Command() = default;

    const QString &name() const { return m_name; }
    const QString &synopsis() const { return m_synopsis; }
    const QString &description() const { return m_description; }

    // Parses arguments, the first being the command's name, then does the
    // work. An option or argument the command does not take is a usage error.
    Status run(const QStringList &arguments);

    virtual QList<QCommandLineOption> options() const = 0;
    // The positional arguments it takes: none unless it says so, files, or
    // one of a few words.
    virtual bool takesFiles() const { return false; }
    virtual QStringList argumentWords() const { return {}; }

protected:
    virtual Status execute(const QCommandLineParser &parser) = 0;

private:
    QString m_name;
    QString m_synopsis;
    QString m_description;
};

// The value names that say what an option's value is, which completion
// follows: a file, a folder, a row's KEY=VALUE, a row's key.
inline constexpr QLatin1StringView fileValue{"FILE"};
inline constexpr QLatin1StringView folderValue{"DIR"};
inline constexpr QLatin1StringView settingValue{"KEY=VALUE"};
inline constexpr QLatin1StringView keyValue{"KEY"};

// The options shared by several commands.
QCommandLineOption forceOption();
QCommandLineOption idsOption();
QList<QCommandLineOption> formOptions(); // --from, --set, --unset

// The IDs of --ids FIRST-LAST, unit IDs, FIRST not after LAST; nothing, once
// said why, when the text is not that.
std::optional<std::pair<int, int>> unitIds(const QCommandLineParser &parser);

// The form the written files start from: what the window shows at start, or
// what an import of --from leaves; then every --set and --unset. Nothing,
// once said why, when the options make no form; status is then the exit
// status, else Findings when --from had findings.
std::optional<FormSettings> formFromOptions(const QCommandLineParser &parser, Status &status);

// How a file is named in messages: "-" is standard input.
QString displayName(const QString &path);

// Reads the configuration file at path, "-" being standard input; nothing,
// once said why, when it cannot be read.
std::optional<FileReading> readInput(const QString &path);

// Every finding of a reading that concerns the file, on standard error as
// FILE:LINE: message, in line order; Findings when there is one.
Status reportFindings(const QString &path, const FileReading &reading);

} // namespace Tessaro::Cli
