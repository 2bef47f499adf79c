#include "support/formaccess.h"

#include "config/configurationformat.h"

#include <QAction>
#include <QFormLayout>
#include <QGridLayout>
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

QStringList look(const QWidget *window)
{
    QStringList lines;
    QList<const QWidget *> widgets{window};
    for (const QWidget *child : window->findChildren<QWidget *>())
        widgets.append(child);
    for (const QWidget *widget : std::as_const(widgets)) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"_s))
            continue;
        QStringList line{widget->objectName(),
                         QLatin1StringView(widget->metaObject()->className())};
        if (widget->testAttribute(Qt::WA_SetPalette))
            line << widget->palette().color(QPalette::Active, QPalette::WindowText).name()
                 << widget->palette().color(QPalette::Disabled, QPalette::WindowText).name();
        if (widget->testAttribute(Qt::WA_SetFont))
            line << u"italic %1 bold %2"_s.arg(widget->font().italic()).arg(widget->font().bold());
        if (auto *label = qobject_cast<const QLabel *>(widget))
            line << u"align %1 wrap %2 flags %3"_s.arg(int(label->alignment()))
                            .arg(label->wordWrap())
                            .arg(int(label->textInteractionFlags()));
        if (auto *frame = qobject_cast<const QFrame *>(widget))
            line << u"frame %1 %2"_s.arg(frame->frameShape()).arg(frame->frameShadow());
        if (const QLayout *layout = widget->layout()) {
            const QMargins m = layout->contentsMargins();
            line << u"margins %1 %2 %3 %4 spacing %5"_s.arg(m.left())
                            .arg(m.top())
                            .arg(m.right())
                            .arg(m.bottom())
                            .arg(layout->spacing());
        }
        const QWidget *parent = widget->parentWidget();
        for (const QLayout *layout :
             parent ? parent->findChildren<QLayout *>() : QList<QLayout *>()) {
            int row = -1, column = -1, rows = -1, columns = -1;
            QFormLayout::ItemRole role = {};
            if (auto *grid = qobject_cast<const QGridLayout *>(layout);
                grid && grid->indexOf(widget) >= 0)
                grid->getItemPosition(grid->indexOf(widget), &row, &column, &rows, &columns);
            else if (auto *form = qobject_cast<const QFormLayout *>(layout))
                form->getWidgetPosition(const_cast<QWidget *>(widget), &row, &role);
            if (row >= 0)
                line << u"at %1 %2 span %3 %4 role %5"_s.arg(row)
                                .arg(column)
                                .arg(rows)
                                .arg(columns)
                                .arg(role);
        }
        lines << line.join(u" | "_s);
    }
    return lines;
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
