#include "formaccess.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace TestSupport {

namespace {

template<typename T> T *named(const QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name);
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return child;
}

} // namespace

const QStringList rowStems{
        u"ID"_s,      u"Volume"_s,  u"Power"_s,   u"Monitor"_s, u"Boot"_s,     u"Input01"_s,
        u"Input02"_s, u"Input03"_s, u"Input04"_s, u"Input05"_s, u"Input06"_s,  u"Input07"_s,
        u"Input08"_s, u"Input09"_s, u"Input10"_s, u"Input11"_s, u"Input12"_s,  u"Input13"_s,
        u"Input14"_s, u"Input15"_s, u"Button1"_s, u"Button2"_s, u"Baudrate"_s,
};

QStringList formWith(const QStringList &ticked, bool othersTicked)
{
    const QList<int> defaults{1,  32, 0,  0,  0,  7,  8,  9,  10, 11, 12, 13,
                              14, 15, 16, 17, 18, 19, 20, 21, 5,  4,  1};
    QStringList state;
    for (int row = 0; row < rowStems.size(); ++row)
        state.append((othersTicked ? QString() : u"-"_s) + rowStems[row] + u'='
                     + QString::number(defaults[row]));
    for (const QString &item : ticked)
        state[rowStems.indexOf(item.section(u'=', 0, 0))] = item;
    return state;
}

QCheckBox *FormAccess::checkBox(const QString &stem) const
{
    return named<QCheckBox>(m_window, u"checkBox_"_s + stem);
}

QWidget *FormAccess::valueWidget(const QString &stem) const
{
    if (auto *spin = m_window->findChild<QSpinBox *>(u"spinBox_"_s + stem))
        return spin;
    return named<QComboBox>(m_window, u"comboBox_"_s + stem);
}

bool FormAccess::ticked(const QString &stem) const
{
    return checkBox(stem)->isChecked();
}

void FormAccess::setTicked(const QString &stem, bool ticked) const
{
    checkBox(stem)->setChecked(ticked);
}

int FormAccess::value(const QString &stem) const
{
    QWidget *widget = valueWidget(stem);
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        return spin->value();
    return qobject_cast<QComboBox *>(widget)->currentIndex();
}

void FormAccess::setValue(const QString &stem, int value) const
{
    QWidget *widget = valueWidget(stem);
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(value);
    else
        qobject_cast<QComboBox *>(widget)->setCurrentIndex(value);
}

QAction *FormAccess::action(const QString &name) const
{
    return named<QAction>(m_window, name);
}

QLabel *FormAccess::label(const QString &name) const
{
    return named<QLabel>(m_window, name);
}

QStringList FormAccess::state() const
{
    QStringList rows;
    for (const QString &stem : rowStems)
        rows.append((ticked(stem) ? QString() : u"-"_s) + stem + u'='
                    + QString::number(value(stem)));
    return rows;
}

void FormAccess::setState(const QStringList &rows) const
{
    for (const QString &row : rows) {
        const QString stem = row.section(u'=', 0, 0).remove(u'-');
        setTicked(stem, !row.startsWith(u'-'));
        setValue(stem, row.section(u'=', 1).toInt());
    }
}

} // namespace TestSupport
