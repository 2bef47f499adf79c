#include "support/formaccess.h"

#include "config/configurationformat.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

char *Tessaro::toString(const FormSettings &settings)
{
    return qstrdup(configurationText(settings).replace("\r\n", " ").constData());
}

namespace TestSupport {

QAction *action(const QWidget *window, const QString &name)
{
    return named<QAction>(window, name);
}

QLabel *pathField(const QWidget *window)
{
    return named<QLabel>(window, u"label_Generate_Path"_s);
}

Tessaro::FormSettings formWith(const QStringList &rows, bool othersTicked)
{
    Tessaro::FormSettings settings = Tessaro::defaultSettings(othersTicked);
    for (const QString &item : rows) {
        const bool ticked = !item.startsWith(u'-');
        const qsizetype colon = item.indexOf(u':') + 1;
        const int row = Tessaro::optionIndex(QStringView(item).sliced(!ticked, colon - !ticked));
        if (row < 0)
            qFatal("no row has the key of %s", qPrintable(item));
        settings[row] = {ticked, item.mid(colon).toInt()};
    }
    return settings;
}

} // namespace TestSupport
