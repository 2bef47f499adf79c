#include "gui/accessiblevaluelist.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class AccessibleValueList : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleValueList(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(type);
    }

    // The current entry as read-only text, without a cursor or selection.
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    int selectionCount() const override { return 0; }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

    // The drop-down list, as Qt's own combo box gives it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *valueListInterface(const QString &className, QObject *object)
{
    auto *list = qobject_cast<QComboBox *>(object);
    if (className != QLatin1StringView("QComboBox") || !list || list->accessibleName().isEmpty())
        return nullptr;
    return new AccessibleValueList(list);
}

} // namespace

void nameValueListsForScreenReaders()
{
    QAccessible::installFactory(valueListInterface);
}

void announceEntryChange(QComboBox *list)
{
    if (!QAccessible::isActive() || list->accessibleName().isEmpty())
        return;
    QAccessibleTextUpdateEvent event(list, 0, QString(), list->currentText());
    QAccessible::updateAccessibility(&event);
}
