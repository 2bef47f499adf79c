#include "core/unitfiles.h"

#include "core/format/configurationformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace Tessaro {

std::optional<QString> unitFolderPatternProblem(const QString &pattern)
{
    if (!pattern.contains(u"%1"_s))
        return QCoreApplication::translate("Units", "the folder name must hold %1").arg(u"%1"_s);
    // Only the ID's digits differ from one unit's name to the next.
    return folderNameProblem(QString(pattern).replace(u"%1"_s, u"001"_s));
}

QList<UnitFile> unitFiles(const QString &targetFolder, const QString &pattern, int first, int last)
{
    QList<UnitFile> files;
    const QDir target(targetFolder);
    for (int id = first; id <= last; ++id) {
        const QString folder =
                QString(pattern).replace(u"%1"_s, QString::number(id).rightJustified(3, u'0'));
        files.append({id, target.filePath(folder + u"/config.txt"_s)});
    }
    return files;
}

FormSettings unitSettings(FormSettings settings, int id)
{
    settings[optionIndex(u"#ID:")] = {true, id};
    return settings;
}

FileStatus writeUnitFile(const UnitFile &unit, const FormSettings &settings, Existing existing)
{
    // The folders made for a file that could not be written go again: a
    // full disk is left as it was found.
    const QString folder = QFileInfo(unit.path).absolutePath();
    QStringList made;
    for (QString missing = folder; !QFileInfo(missing).exists();
         missing = QFileInfo(missing).absolutePath())
        made.append(missing);
    FileStatus status;
    if (!QDir().mkpath(folder))
        status = {FileStatus::SystemError, errno};
    else
        status = writeFile(unit.path, configurationText(unitSettings(settings, unit.id)),
                           existing, FolderLinks::Refuse);
    if (!status.ok()) {
        for (const QString &empty : std::as_const(made))
            QDir().rmdir(empty);
    }
    return status;
}

QString unitIdsText(const QList<int> &ids)
{
    QStringList runs;
    for (qsizetype first = 0, last = 0; first < ids.size(); first = ++last) {
        while (last + 1 < ids.size() && ids[last + 1] == ids[last] + 1)
            ++last;
        runs.append(first == last ? QString::number(ids[first])
                                  : QCoreApplication::translate("Units", "%1 to %2")
                                            .arg(ids[first])
                                            .arg(ids[last]));
    }
    return ids.size() == 1 ? QCoreApplication::translate("Units", "ID %1").arg(runs.first())
                           : QCoreApplication::translate("Units", "IDs %1")
                                     .arg(runs.join(u", "_s));
}

UnitRun writeUnitFiles(const QList<UnitFile> &units, const FormSettings &settings,
                       const UnitRunSteps &steps)
{
    UnitRun run;
    QList<UnitFile> existing;
    for (const UnitFile &unit : units) {
        // A link counts, even one to nothing.
        if (const QFileInfo file(unit.path); file.exists() || file.isSymLink())
            existing.append(unit);
    }
    if (!existing.isEmpty() && !steps.replace(existing)) {
        run.declined = true;
        return run;
    }
    for (const UnitFile &unit : units) {
        if (steps.proceed && !steps.proceed(run.written.size() + run.failures.size())) {
            run.stopped = true;
            break;
        }
        const bool agreed = std::any_of(existing.begin(), existing.end(),
                                        [&unit](const UnitFile &file) { return file.id == unit.id; });
        const FileStatus status =
                writeUnitFile(unit, settings, agreed ? Existing::Replace : Existing::Keep);
        if (status.ok())
            run.written.append(unit.id);
        else
            run.failures.append({unit, status});
        if (steps.done)
            steps.done(unit, status);
    }
    return run;
}

} // namespace Tessaro
