#include "childprocess.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

namespace TestSupport {

bool runningAsRoot()
{
    return geteuid() == 0;
}

ChildResult runChild(const QString &program, const QStringList &arguments,
                     const ChildOptions &options)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setWorkingDirectory(options.workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : options.environment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(environment);
    if (options.unprivileged && runningAsRoot()) {
        process.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                  QStringLiteral("--clear-groups"), program}
                              + arguments);
    } else {
        process.start(program, arguments);
    }
    if (!process.waitForStarted())
        return {};
    process.write(options.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        qWarning("gave up after 60 s waiting for %s to end", qPrintable(program));
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput()};
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
