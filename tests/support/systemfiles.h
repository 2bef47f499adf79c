#pragma once

#include <QList>
#include <QString>

#include <utility>

// What the write-path test puts in a file's way, and the reasons the system
// gives, each system its own.
namespace TestSupport {

// Adds the rows of the system's own things that may stand at a name before a
// write: "standing", whether the write replaces, and the problem it meets.
void addSystemStandingRows();
// Puts one of them in folder, where target is a file a link may lead to, and
// gives the path where it stands; empty when it could not.
QString putSystemStanding(const QString &standing, const QString &folder, const QString &target);

// Text with the line ends the system's text files have: CR LF on Windows.
QByteArray withSystemLineEnds(QByteArray text);

// The code of the system's reason "Read-only file system".
int readOnlyFileSystem();

// The system's codes of reasons, each with its words in English, and one
// with its words in French.
QList<std::pair<int, QString>> systemReasonsInEnglish();
std::pair<int, QString> systemReasonInFrench();

// Unit folder names, each with whether the system refuses it.
QList<std::pair<QString, bool>> systemFolderNames();

} // namespace TestSupport
