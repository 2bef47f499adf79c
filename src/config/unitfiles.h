#pragma once

#include "form/optioncatalogue.h"

#include <QLatin1StringView>
#include <QList>
#include <QString>

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

// Whether a pattern names a folder of its own for each unit: it holds "%1",
// and nothing that leaves the target folder.
bool isUnitFolderPattern(const QString &pattern);

// The files of the units first to last, in ID order.
QList<UnitFile> unitFiles(const QString &targetFolder, const QString &pattern, int first, int last);

// The form for one unit: the ID row ticked and set to its ID.
FormSettings unitSettings(FormSettings settings, int id);

// Writes one unit's file, creating its folder, all or nothing: the reason
// when it could not, else an empty text.
QString writeUnitFile(const UnitFile &unit, const FormSettings &settings);

} // namespace Tessaro
