#pragma once

#include "core/safefiles.h"
#include "core/catalogue/optioncatalogue.h"

#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace Tessaro {

// Several units on one serial bus, each with its own ID and otherwise the
// same file: <target folder>/<unit folder>/config.txt, the unit folder named
// by a pattern in which "%1" stands for the ID in three digits.

inline constexpr QLatin1StringView defaultUnitFolderPattern{"ID%1"};
inline constexpr int firstUnitId = 1;
inline constexpr int lastUnitId = 127;

struct UnitFile
{
    int id = 0;
    QString path;
};

// Why a pattern names no folder of its own for each unit, if it does not: it
// must hold "%1", name one folder inside the target folder, and be a name
// the system can hold. In the current language, lower case.
std::optional<QString> unitFolderPatternProblem(const QString &pattern);

// Why the system cannot hold a folder of this name, if it cannot; "." and
// ".." name no folder of their own.
std::optional<QString> folderNameProblem(const QString &name);

// The files of the units first to last, in ID order.
QList<UnitFile> unitFiles(const QString &targetFolder, const QString &pattern, int first, int last);

// The form for one unit: the ID row ticked and set to its ID.
FormSettings unitSettings(FormSettings settings, int id);

// Writes one unit's file, creating its folders, which go again when the
// file cannot be written; the unit's own folder must be a folder, not a
// link to one.
FileStatus writeUnitFile(const UnitFile &unit, const FormSettings &settings, Existing existing);

struct UnitFailure
{
    UnitFile unit;
    FileStatus status;
};

// What a run over many units did.
struct UnitRun
{
    QList<int> written; // the IDs, in order
    QList<UnitFailure> failures;
    bool declined = false; // files existed and were not to be replaced: none written
    bool stopped = false;  // stopped before its end
};

// What a run asks and tells of its caller.
struct UnitRunSteps
{
    // Asked once, before anything is written, when some files exist already:
    // whether to replace them. Only these are replaced; a file that appears
    // later is not.
    std::function<bool(const QList<UnitFile> &existing)> replace;
    // Asked before each file, with how many are done: whether to go on.
    std::function<bool(qsizetype done)> proceed;
    // Told after each file.
    std::function<void(const UnitFile &unit, const FileStatus &status)> done;
};

// Unit IDs in ascending order, consecutive ones as runs: "ID 5", "IDs 1 to 22",
// "IDs 1 to 3, 5"; in the current language.
QString unitIdsText(const QList<int> &ids);

// Writes each unit's file, each all or nothing, in ID order.
UnitRun writeUnitFiles(const QList<UnitFile> &units, const FormSettings &settings,
                       const UnitRunSteps &steps);

} // namespace Tessaro
