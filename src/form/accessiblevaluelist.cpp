#include "form/accessiblevaluelist.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class AccessibleValueList : public QAccessibleWidget
{
public:
    explicit AccessibleValueList(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(type);
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
