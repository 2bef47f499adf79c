#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as its width allows and,
// when that is not all of it, carries the whole text as its tool tip. text()
// is always the whole text.
class ElidingLabel : public QLabel
{
public:
    using QLabel::QLabel;

    // Sets the whole text; use it rather than setText, which would leave the
    // shortened text as it was.
    void setWholeText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // The text shortened to width, as this label shortens it.
    virtual QString shortened(const QString &text, int width) const = 0;
    // The text's size, margins included.
    QSize textSize(const QString &shown) const;

private:
    void updateShown();

    QString m_shown;
};

// The italic description of an option row, which ends with the row's key in
// parentheses. It asks for one line; in a window too narrow for it, it gives
// way before the row's value does, shortening its description but never the
// key.
class InfoLabel : public ElidingLabel
{
public:
    using ElidingLabel::ElidingLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QString shortened(const QString &text, int width) const override;
};

// A file path, shortened in the middle when it does not fit: the path never
// decides the window's width.
class PathLabel : public ElidingLabel
{
public:
    explicit PathLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QString shortened(const QString &text, int width) const override;
};
