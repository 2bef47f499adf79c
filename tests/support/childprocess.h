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

struct ChildOptions
{
    QByteArray input; // given on stdin
    bool unprivileged = false;
    QString workingDirectory; // ours when empty
    QStringList environment;  // "NAME=value" entries set on top of ours
};

// Runs program with arguments and waits for it to end.
ChildResult runChild(const QString &program, const QStringList &arguments,
                     const ChildOptions &options = {});

// Copies program into folder, executable by everyone: a build tree may sit
// where the unprivileged user cannot reach it.
QString copyForEveryone(const QString &program, const QString &folder);

// Sets the permission bits of path, as chmod does with an octal mode.
bool setMode(const QString &path, unsigned mode);

} // namespace TestSupport
