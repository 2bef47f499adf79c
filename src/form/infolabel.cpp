#include "infolabel.h"

QSize InfoLabel::sizeHint() const
{
    // QLabel prefers to wrap a short text into lines of about twenty
    // characters; ask for the one-line size instead.
    const QMargins margins = contentsMargins();
    return fontMetrics().size(0, text())
            + QSize(margins.left() + margins.right() + 2 * margin(),
                    margins.top() + margins.bottom() + 2 * margin());
}
