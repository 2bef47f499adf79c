#pragma once

#include <QLabel>

// The italic description of an option row. It keeps its text on one line
// while the row has room, and wraps it when the window is narrow, so that the
// row's value is never the part that gets cut.
class InfoLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
};
