#include "gui/elidinglabel.h"

#include <QDir>

#include <QEvent>
#include <QPainter>
#include <QStyle>

using namespace Qt::StringLiterals;

void ElidingLabel::setWholeText(const QString &text)
{
    if (text == this->text() && !m_shown.isNull())
        return;
    setText(text);
    measure();
}

void ElidingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        measure();
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

QString ElidingLabel::keptPart(const QString &) const
{
    return {};
}

QSize ElidingLabel::sizeFor(int textWidth) const
{
    const QMargins margins = contentsMargins();
    return {textWidth + margins.left() + margins.right() + 2 * margin(),
            fontMetrics().height() + margins.top() + margins.bottom() + 2 * margin()};
}

void ElidingLabel::measure()
{
    const QFontMetrics metrics = fontMetrics();
    m_wholeWidth = metrics.horizontalAdvance(text());
    m_keptWidth = metrics.horizontalAdvance(keptPart(text()).trimmed());
    updateGeometry();
    updateShown();
}

void ElidingLabel::updateShown()
{
    const int room = contentsRect().width() - 2 * margin();
    m_shown = m_wholeWidth <= room ? text() : shortened(text(), room);
    setToolTip(m_shown == text() ? QString() : text());
    update();
}

QString InfoLabel::keptPart(const QString &text) const
{
    // " (#KEY)" at the end of the description.
    const qsizetype at = text.lastIndexOf(u" ("_s);
    return at < 0 ? QString() : text.mid(at);
}

QString InfoLabel::shortened(const QString &text, int width) const
{
    // The description's beginning, as much as fits, then the key; in the
    // least room, the key alone.
    const QString key = keptPart(text);
    const QFontMetrics metrics = fontMetrics();
    const int room = width - metrics.horizontalAdvance(key);
    if (room < metrics.horizontalAdvance(u"\u2026"_s))
        return key.trimmed();
    return metrics.elidedText(text.chopped(key.size()), Qt::ElideRight, room) + key;
}

PathLabel::PathLabel(QWidget *parent) : ElidingLabel(parent)
{
    // Its width comes from the window, never from the path.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void PathLabel::setPath(const QString &path)
{
    // As the system writes paths: C:\Users\... on Windows.
    const QString shown = QDir::toNativeSeparators(path);
    setWholeText(shown);
    setAccessibleDescription(shown);
}

QString PathLabel::shortened(const QString &text, int width) const
{
    return fontMetrics().elidedText(text, Qt::ElideMiddle, width);
}
