#include "support/formaccess.h"

#include "core/format/configurationformat.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

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
    // Where each widget and layout sits in the layout holding it: its cell in
    // a grid or form, its place and stretch in a box.
    QHash<const QObject *, QString> places;
    for (const QLayout *layout : window->findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            int row = i, column = -1, rows = 1, columns = 1, stretch = 0;
            QFormLayout::ItemRole role = {};
            if (auto *grid = qobject_cast<const QGridLayout *>(layout))
                grid->getItemPosition(i, &row, &column, &rows, &columns);
            else if (auto *form = qobject_cast<const QFormLayout *>(layout))
                form->getItemPosition(i, &row, &role);
            else if (auto *box = qobject_cast<const QBoxLayout *>(layout))
                stretch = box->stretch(i);
            places.insert(item->widget() ? static_cast<QObject *>(item->widget()) : item->layout(),
                          u"at %1 %2 span %3 %4 role %5 stretch %6"_s.arg(row)
                                  .arg(column)
                                  .arg(rows)
                                  .arg(columns)
                                  .arg(role)
                                  .arg(stretch));
        }
    }
    const auto spacing = [](const QLayout *layout) {
        const QMargins m = layout->contentsMargins();
        return u"margins %1 %2 %3 %4 spacing %5 constraint %6"_s.arg(m.left())
                .arg(m.top())
                .arg(m.right())
                .arg(m.bottom())
                .arg(layout->spacing())
                .arg(layout->sizeConstraint());
    };
    QStringList lines;
    QList<const QObject *> objects{window};
    for (const QObject *child : window->findChildren<QObject *>())
        objects.append(child);
    for (const QObject *object : std::as_const(objects)) {
        auto *widget = qobject_cast<const QWidget *>(object);
        if (object->objectName().isEmpty() || object->objectName().startsWith(u"qt_"_s)
            || (!widget && !qobject_cast<const QLayout *>(object)))
            continue;
        QStringList line{object->objectName(), QLatin1StringView(object->metaObject()->className())};
        if (!widget) {
            line << spacing(static_cast<const QLayout *>(object));
        } else {
            const QSizePolicy policy = widget->sizePolicy();
            line << u"policy %1 %2"_s.arg(policy.horizontalPolicy()).arg(policy.verticalPolicy())
                 << u"then %1"_s.arg(widget->nextInFocusChain()->objectName()); // Tab order
            if (widget->testAttribute(Qt::WA_SetPalette))
                line << widget->palette().color(QPalette::Active, QPalette::WindowText).name()
                     << widget->palette().color(QPalette::Disabled, QPalette::WindowText).name();
            if (widget->testAttribute(Qt::WA_SetFont))
                line << u"italic %1 bold %2"_s.arg(widget->font().italic()).arg(widget->font().bold());
            if (widget->autoFillBackground())
                line << u"filled %1"_s.arg(widget->backgroundRole());
            if (widget->testAttribute(Qt::WA_SetLayoutDirection))
                line << u"direction %1"_s.arg(widget->layoutDirection());
            if (widget->isWindow())
                line << u"modality %1"_s.arg(widget->windowModality());
            if (auto *label = qobject_cast<const QLabel *>(widget))
                line << u"align %1 wrap %2 flags %3 links %4 format %5"_s.arg(int(label->alignment()))
                                .arg(label->wordWrap())
                                .arg(int(label->textInteractionFlags()))
                                .arg(label->openExternalLinks())
                                .arg(label->textFormat());
            if (auto *bar = qobject_cast<const QToolBar *>(widget))
                line << u"movable %1 floatable %2"_s.arg(bar->isMovable()).arg(bar->isFloatable());
            if (auto *button = qobject_cast<const QToolButton *>(widget))
                line << u"raised %1"_s.arg(button->autoRaise());
            if (auto *combo = qobject_cast<const QComboBox *>(widget))
                line << u"visible %1"_s.arg(combo->maxVisibleItems());
            if (auto *frame = qobject_cast<const QFrame *>(widget))
                line << u"frame %1 %2"_s.arg(frame->frameShape()).arg(frame->frameShadow());
            if (const QLayout *layout = widget->layout())
                line << spacing(layout);
        }
        if (places.contains(object))
            line << places.value(object);
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
