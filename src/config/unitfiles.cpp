#include "config/unitfiles.h"

#include "config/configurationfile.h"
#include "config/configurationformat.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace Tessaro {

bool isUnitFolderPattern(const QString &pattern)
{
    const QString sample = QString(pattern).replace(u"%1"_s, u"001"_s);
    return pattern.contains(u"%1"_s) && !pattern.contains(u'/') && !pattern.contains(u'\\')
            && sample != u"."_s && sample != u".."_s;
}

QList<UnitFile> unitFiles(const QString &targetFolder, const QString &pattern, int first, int last)
{
    QList<UnitFile> files;
    const QDir target(targetFolder);
    for (int id = first; id <= last; ++id) {
        const QString folder =
                QString(pattern).replace(u"%1"_s, QString::number(id).rightJustified(3, u'0'));
        files.append({id, target.absoluteFilePath(folder + u"/config.txt"_s)});
    }
    return files;
}

FormSettings unitSettings(FormSettings settings, int id)
{
    settings[optionIndex(u"#ID:")] = {true, id};
    return settings;
}

QString writeUnitFile(const UnitFile &unit, const FormSettings &settings)
{
    if (!QDir().mkpath(QFileInfo(unit.path).absolutePath()))
        return qt_error_string(errno);
    QString error;
    replaceFile(unit.path, configurationText(unitSettings(settings, unit.id)), &error);
    return error;
}

} // namespace Tessaro
