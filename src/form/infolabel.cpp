#include "infolabel.h"

#include <QPainter>
#include <QStyle>

using namespace Qt::StringLiterals;

QSize InfoLabel::textSize(const QString &shown) const
{
    const QMargins margins = contentsMargins();
    return fontMetrics().size(Qt::TextSingleLine, shown)
            + QSize(margins.left() + margins.right() + 2 * margin(),
                    margins.top() + margins.bottom() + 2 * margin());
}

QSize InfoLabel::sizeHint() const
{
    return textSize(text());
}

QSize InfoLabel::minimumSizeHint() const
{
    const QString current = text();
    return textSize(u"\u2026"_s + current.mid(current.lastIndexOf(u'(')));
}

void InfoLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideLeft, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}
