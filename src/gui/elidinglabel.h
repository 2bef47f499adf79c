#pragma once

#include <QLabel>

// A one-line label that shows as much of its text as its width allows and,
// when that is not all of it, carries the whole text as its tool tip. text()
// is always the whole text. Texts are measured once, when they change: the
// form's labels are laid out and painted far more often than re-texted.
class ElidingLabel : public QLabel
{
public:
    using QLabel::QLabel;

    // Sets the whole text; use it rather than setText, which would leave the
    // shortened text as it was.
    void setWholeText(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    // The part of a text that must always show; empty when none need.
    virtual QString keptPart(const QString &text) const;
    // The text shortened to width, as this label shortens it.
    virtual QString shortened(const QString &text, int width) const = 0;
    // A size for text of the given width, margins included.
    QSize sizeFor(int textWidth) const;
    int wholeWidth() const { return m_wholeWidth; }
    int keptWidth() const { return m_keptWidth; }

private:
    void measure();
    void updateShown();

    QString m_shown;
    int m_wholeWidth = 0;
    int m_keptWidth = 0;
};

// The italic description of an option row, which ends with the row's key in
// parentheses. It asks for one line; in a window too narrow for it, it gives
// way before the row's value does, shortening its description but never the
// key.
class InfoLabel : public ElidingLabel
{
public:
    using ElidingLabel::ElidingLabel;

    QSize sizeHint() const override { return sizeFor(wholeWidth()); }
    QSize minimumSizeHint() const override { return sizeFor(keptWidth()); }

protected:
    QString keptPart(const QString &text) const override;
    QString shortened(const QString &text, int width) const override;
};

// A file path, shortened in the middle when it does not fit: the path never
// decides the window's width.
class PathLabel : public ElidingLabel
{
public:
    explicit PathLabel(QWidget *parent = nullptr);

    // Shows a path as it fits; screen readers are told it whole.
    void setPath(const QString &path);

    QSize sizeHint() const override { return sizeFor(0); }
    QSize minimumSizeHint() const override { return sizeFor(0); }

protected:
    QString shortened(const QString &text, int width) const override;
};
