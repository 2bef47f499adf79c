#include "form/infolabel.h"

#include <QPainter>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {
const QString ellipsis = u"\u2026"_s;
}

QString InfoLabel::key() const
{
    const QString current = text();
    const qsizetype at = current.lastIndexOf(u" ("_s);
    return at < 0 ? QString() : current.mid(at);
}

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
    return textSize(key().trimmed());
}

void InfoLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QFontMetrics metrics = fontMetrics();
    QString shown = text();
    if (metrics.horizontalAdvance(shown) > area.width()) {
        // The description's beginning, as much as fits, then the key; in the
        // least room, the key alone.
        const QString keyPart = key();
        const int room = area.width() - metrics.horizontalAdvance(keyPart);
        shown = room < metrics.horizontalAdvance(ellipsis)
                ? keyPart.trimmed()
                : metrics.elidedText(shown.chopped(keyPart.size()), Qt::ElideRight, room) + keyPart;
    }
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}
