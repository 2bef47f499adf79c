#pragma once

#include <QLabel>

// The italic description of an option row, which ends with the row's key in
// parentheses. It asks for one line; in a window too narrow for it, it gives
// way before the row's value does, shortening its description but never the
// key.
class InfoLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString key() const; // " (#KEY)" at the end of the text
    QSize textSize(const QString &shown) const;
};
