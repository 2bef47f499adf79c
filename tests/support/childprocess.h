#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TestSupport {

struct ChildResult
{
    int exitCode = -1; // -1 when the child did not end normally
    QByteArray output;
    QByteArray errors;
};

struct ChildOptions
{
    QByteArray input; // given on stdin
    // Root ignores permission bits: such a child runs as the unprivileged
    // user nobody (setpriv), or as it is when we are not root.
    bool unprivileged = false;
    // A full disk, as far as the child can tell: writes past this many bytes
    // fail with EFBIG instead of killing it.
    int fileSizeLimit = 0;
    QString workingDirectory; // ours when empty
    QStringList environment;  // "NAME=value" entries set on top of ours
};

// Runs program with arguments and waits, at most a minute, for it to end.
ChildResult runChild(const QString &program, const QStringList &arguments,
                     const ChildOptions &options = {});

// Copies program into folder, executable by everyone: a build tree may sit
// where the unprivileged user cannot reach it.
QString copyForEveryone(const QString &program, const QString &folder);

// Sets the permission bits of path, as chmod does with an octal mode.
bool setMode(const QString &path, unsigned mode);

} // namespace TestSupport
