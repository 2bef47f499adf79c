#include "support/formaccess.h"

#include "core/format/configurationformat.h"

#include <QAction>
#include <QAbstractButton>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMetaEnum>
#include <QToolBar>
#include <QToolButton>

#include <functional>

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

namespace {

// An enumerator, or the flags of a value, by name.
template<typename T> QString enumName(T value)
{
    const QMetaEnum meta = QMetaEnum::fromType<T>();
    return QString::fromLatin1(meta.isFlag() ? meta.valueToKeys(int(value))
                                             : QByteArray(meta.valueToKey(int(value))));
}

// Where Tab takes the focus from a widget: the next widget shown that takes
// it so, outside the widget itself, or the widget itself when it is the only
// one; by name, else by class.
QString nextTabStop(const QWidget *widget)
{
    const QWidget *next = widget->nextInFocusChain();
    while (next != widget
           && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible()
               || widget->isAncestorOf(next)))
        next = next->nextInFocusChain();
    return next->objectName().isEmpty() ? QLatin1StringView(next->metaObject()->className())
                                        : next->objectName();
}

} // namespace

QStringList look(const QWidget *window)
{
    // Where each widget and layout sits in the layout holding it: its cell in
    // a grid or form, its place and stretch in a box.
    QHash<const QObject *, QString> places;
    for (const QLayout *layout : window->findChildren<QLayout *>()) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            QString place = u"at %1"_s.arg(i);
            if (auto *grid = qobject_cast<const QGridLayout *>(layout)) {
                int row = 0, column = 0, rows = 1, columns = 1;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                place = u"at %1 %2 span %3 %4"_s.arg(row).arg(column).arg(rows).arg(columns);
            } else if (auto *form = qobject_cast<const QFormLayout *>(layout)) {
                int row = 0;
                QFormLayout::ItemRole role = {};
                form->getItemPosition(i, &row, &role);
                place = u"at %1 %2"_s.arg(row).arg(enumName(role));
            } else if (auto *box = qobject_cast<const QBoxLayout *>(layout)) {
                place += u" stretch %1"_s.arg(box->stretch(i));
            }
            places.insert(item->widget() ? static_cast<QObject *>(item->widget()) : item->layout(),
                          place);
        }
    }
    const auto spacing = [](const QLayout *layout) {
        const QMargins m = layout->contentsMargins();
        return u"margins %1 %2 %3 %4 spacing %5 %6"_s.arg(m.left())
                .arg(m.top())
                .arg(m.right())
                .arg(m.bottom())
                .arg(layout->spacing())
                .arg(enumName(layout->sizeConstraint()));
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
            line << enumName(policy.horizontalPolicy()) + u' ' + enumName(policy.verticalPolicy());
            if (!widget->isWindow())
                line << u"then "_s + nextTabStop(widget);
            if (widget->testAttribute(Qt::WA_SetPalette))
                line << widget->palette().color(QPalette::Active, QPalette::WindowText).name()
                     << widget->palette().color(QPalette::Disabled, QPalette::WindowText).name();
            if (widget->testAttribute(Qt::WA_SetFont))
                line << (widget->font().italic() ? u"italic"_s : u"upright"_s)
                                + (widget->font().bold() ? u" bold"_s : QString());
            if (widget->autoFillBackground())
                line << u"filled "_s + enumName(widget->backgroundRole());
            if (widget->testAttribute(Qt::WA_SetLayoutDirection))
                line << enumName(widget->layoutDirection());
            if (widget->isWindow())
                line << enumName(widget->windowModality());
            if (auto *label = qobject_cast<const QLabel *>(widget))
                line << enumName(label->alignment()) << (label->wordWrap() ? u"wrapped"_s : u"one line"_s)
                     << enumName(label->textInteractionFlags())
                     << (label->openExternalLinks() ? u"opens links"_s : u"keeps links"_s)
                     << enumName(label->textFormat());
            if (auto *bar = qobject_cast<const QToolBar *>(widget))
                line << u"movable %1 floatable %2"_s.arg(bar->isMovable()).arg(bar->isFloatable());
            if (auto *button = qobject_cast<const QToolButton *>(widget))
                line << u"raised %1"_s.arg(button->autoRaise());
            if (auto *combo = qobject_cast<const QComboBox *>(widget))
                line << u"visible %1"_s.arg(combo->maxVisibleItems());
            if (auto *frame = qobject_cast<const QFrame *>(widget))
                line << enumName(frame->frameShape()) + u' ' + enumName(frame->frameShadow());
            if (const QLayout *layout = widget->layout())
                line << spacing(layout);
        }
        if (places.contains(object))
            line << places.value(object);
        lines << line.join(u" | "_s);
    }
    return lines;
}

QStringList uses(const QWidget *dialog)
{
    QStringList lines;
    const std::function<void(const QLayout *, int)> walk = [&](const QLayout *layout, int depth) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (item->layout()) {
                walk(item->layout(), depth + 1);
                continue;
            }
            const QWidget *widget = item->widget();
            if (!widget)
                continue;
            QString line = QString(2 * depth, u' ')
                    + QLatin1StringView(widget->metaObject()->className());
            if (!widget->objectName().isEmpty())
                line += u' ' + widget->objectName();
            QString text;
            if (auto *button = qobject_cast<const QAbstractButton *>(widget))
                text = button->text();
            else if (auto *label = qobject_cast<const QLabel *>(widget))
                text = label->text();
            else if (auto *field = qobject_cast<const QLineEdit *>(widget))
                text = field->placeholderText();
            if (!text.isEmpty())
                line += u" \""_s + text + u'"';
            if (!widget->isVisibleTo(dialog))
                line += u" hidden"_s;
            if (!widget->isEnabledTo(dialog))
                line += u" disabled"_s;
            if (auto *list = qobject_cast<const QListView *>(widget); list && list->wordWrap())
                line += u" wrapped"_s; // long entries shown whole
            if (auto *label = qobject_cast<const QLabel *>(widget); label && label->buddy())
                line += u" names "_s + label->buddy()->objectName();
            if (widget->focusPolicy() & Qt::TabFocus)
                line += u" then "_s + nextTabStop(widget);
            lines << line;
            if (widget->layout() && widget != dialog)
                walk(widget->layout(), depth + 1);
        }
    };
    walk(dialog->layout(), 0);
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
