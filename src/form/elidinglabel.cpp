#include "form/elidinglabel.h"

#include <QPainter>
#include <QStyle>

using namespace Qt::StringLiterals;

void ElidingLabel::setWholeText(const QString &text)
{
    setText(text);
    updateShown();
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateShown();
}

void ElidingLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), m_shown,
                          foregroundRole());
}

QSize ElidingLabel::textSize(const QString &shown) const
{
    const QMargins margins = contentsMargins();
    return fontMetrics().size(Qt::TextSingleLine, shown)
            + QSize(margins.left() + margins.right() + 2 * margin(),
                    margins.top() + margins.bottom() + 2 * margin());
}

void ElidingLabel::updateShown()
{
    const int room = contentsRect().width() - 2 * margin();
    m_shown = fontMetrics().horizontalAdvance(text()) <= room ? text() : shortened(text(), room);
    setToolTip(m_shown == text() ? QString() : text());
    update();
}

namespace {

// " (#KEY)" at the end of a description.
QString keyOf(const QString &description)
{
    const qsizetype at = description.lastIndexOf(u" ("_s);
    return at < 0 ? QString() : description.mid(at);
}

} // namespace

QSize InfoLabel::sizeHint() const
{
    return textSize(text());
}

QSize InfoLabel::minimumSizeHint() const
{
    return textSize(keyOf(text()).trimmed());
}

QString InfoLabel::shortened(const QString &text, int width) const
{
    // The description's beginning, as much as fits, then the key; in the
    // least room, the key alone.
    const QString key = keyOf(text);
    const QFontMetrics metrics = fontMetrics();
    const int room = width - metrics.horizontalAdvance(key);
    if (room < metrics.horizontalAdvance(u"\u2026"_s))
        return key.trimmed();
    return metrics.elidedText(text.chopped(key.size()), Qt::ElideRight, room) + key;
}

PathLabel::PathLabel(QWidget *parent) : ElidingLabel(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

// Its width comes from the window, never from the path.
QSize PathLabel::sizeHint() const
{
    return {0, ElidingLabel::sizeHint().height()};
}

QSize PathLabel::minimumSizeHint() const
{
    return {0, ElidingLabel::minimumSizeHint().height()};
}

QString PathLabel::shortened(const QString &text, int width) const
{
    return fontMetrics().elidedText(text, Qt::ElideMiddle, width);
}
