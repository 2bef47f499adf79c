#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TestSupport {

struct ChildResult
{
    int exitCode = -1;
    QByteArray output;
};

// Root ignores permission bits: a step that must meet them runs as the
// unprivileged user nobody (setpriv), or as it is when we are not root.
bool runningAsRoot();

// Runs program with arguments, input on its stdin, and waits for it.
ChildResult runChild(const QString &program, const QStringList &arguments,
                     const QByteArray &input = {}, bool unprivileged = false);

// Copies program into folder, executable by everyone: a build tree may sit
// where the unprivileged user cannot reach it.
QString copyForEveryone(const QString &program, const QString &folder);

// Sets the permission bits of path, as chmod does with an octal mode.
bool setMode(const QString &path, unsigned mode);

} // namespace TestSupport
