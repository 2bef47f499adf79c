#include "support/formaccess.h"

#include "config/configurationformat.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

using namespace Qt::StringLiterals;
using Tessaro::optionCatalogue;
using Tessaro::optionCount;

char *Tessaro::toString(const FormSettings &settings)
{
    return qstrdup(configurationText(settings).replace("\r\n", " ").constData());
}

namespace TestSupport {

namespace {

template<typename T> T *named(const QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name);
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return child;
}

QString stem(int row)
{
    return QLatin1StringView(optionCatalogue[row].objectStem);
}

} // namespace

QCheckBox *checkBox(const QWidget *window, int row)
{
    return named<QCheckBox>(window, u"checkBox_"_s + stem(row));
}

QWidget *valueWidget(const QWidget *window, int row)
{
    if (optionCatalogue[row].list == Tessaro::ValueList::None)
        return named<QSpinBox>(window, u"spinBox_"_s + stem(row));
    return named<QComboBox>(window, u"comboBox_"_s + stem(row));
}

QAction *action(const QWidget *window, const QString &name)
{
    return named<QAction>(window, name);
}

QLabel *pathField(const QWidget *window)
{
    return named<QLabel>(window, u"label_Generate_Path"_s);
}

Tessaro::FormSettings formState(const QWidget *window)
{
    Tessaro::FormSettings settings;
    for (int i = 0; i < optionCount; ++i) {
        QWidget *widget = valueWidget(window, i);
        auto *spin = qobject_cast<QSpinBox *>(widget);
        settings[i] = {checkBox(window, i)->isChecked(),
                       spin ? spin->value() : qobject_cast<QComboBox *>(widget)->currentIndex()};
    }
    return settings;
}

void setFormState(const QWidget *window, const Tessaro::FormSettings &settings)
{
    for (int i = 0; i < optionCount; ++i) {
        checkBox(window, i)->setChecked(settings[i].enabled);
        QWidget *widget = valueWidget(window, i);
        if (auto *spin = qobject_cast<QSpinBox *>(widget))
            spin->setValue(settings[i].value);
        else
            qobject_cast<QComboBox *>(widget)->setCurrentIndex(settings[i].value);
    }
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
