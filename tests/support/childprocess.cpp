#include "support/childprocess.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace TestSupport {

ChildResult runChild(const QString &program, const QStringList &arguments,
                     const ChildOptions &options)
{
    QStringList command = QStringList{program} + arguments;
    if (options.fileSizeLimit > 0) {
        // An ignored signal stays ignored across exec.
        command =
                QStringList{u"sh"_s, u"-c"_s, u"trap '' XFSZ; exec prlimit --fsize=$0 -- \"$@\""_s,
                            QString::number(options.fileSizeLimit)}
                + command;
    }
    if (options.unprivileged && geteuid() == 0) {
        command = QStringList{u"setpriv"_s, u"--reuid=65534"_s, u"--regid=65534"_s,
                              u"--clear-groups"_s}
                + command;
    }
    QProcess process;
    process.setWorkingDirectory(options.workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : options.environment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(environment);
    process.start(command.takeFirst(), command);
    if (!process.waitForStarted())
        return {};
    process.write(options.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        qWarning("gave up after 60 s waiting for %s to end", qPrintable(program));
        process.kill();
        process.waitForFinished();
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), process.readAllStandardError()};
}

QString copyForEveryone(const QString &program, const QString &folder)
{
    const QString copy = folder + u'/' + QFileInfo(program).fileName();
    if (!QFile::copy(program, copy) || !setMode(copy, 0755))
        return {};
    return copy;
}

bool setMode(const QString &path, unsigned mode)
{
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace TestSupport
