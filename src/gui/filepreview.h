#pragma once

#include <QList>
#include <QPlainTextEdit>

class OptionForm;

// The bytes Generate would write now, one line per ticked row, kept up to
// date with the form. The line of the row that has the keyboard focus is
// highlighted; a click on a line gives the focus to that row's value.
class FilePreview : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit FilePreview(OptionForm *form, QWidget *parent = nullptr);

    // The placeholder and the name a screen reader says, in the current language.
    void retranslate();
    // As wide as the longest line a file can hold.
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Shows the form's file; changes within one turn of the event loop are
    // shown once.
    void scheduleRefresh();
    void refresh();
    void highlightRow(int row);

    OptionForm *m_form;
    QList<int> m_lineRows; // the row of each line shown
    bool m_refreshPending = false;
};
