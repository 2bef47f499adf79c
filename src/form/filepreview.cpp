#include "form/filepreview.h"

#include "config/configurationformat.h"
#include "form/optionform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

using Tessaro::optionCatalogue;

FilePreview::FilePreview(OptionForm *form, QWidget *parent) : QPlainTextEdit(parent), m_form(form)
{
    setObjectName(QStringLiteral("plainTextEdit_Preview"));
    setReadOnly(true);
    setLineWrapMode(NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    connect(form, &OptionForm::settingsChanged, this, &FilePreview::scheduleRefresh);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { highlightRow(m_form->rowOf(now)); });
    refresh();
}

void FilePreview::retranslate()
{
    const QString name = QCoreApplication::translate("MainWindow", "File Preview");
    setAccessibleName(name);
    setPlaceholderText(QCoreApplication::translate("MainWindow", "(empty file)"));
}

QSize FilePreview::sizeHint() const
{
    // The longest line: the longest key with the longest value, which for
    // a function row is a command's name.
    qsizetype longest = 0;
    for (const Tessaro::OptionRow &row : optionCatalogue) {
        qsizetype value = Tessaro::fileValueText(row, row.maximum).size();
        for (int entry = 0;
             row.list == Tessaro::ValueList::Functions && entry < Tessaro::commandCount; ++entry)
            value = std::max(value, Tessaro::functionValueName(entry).size());
        longest = std::max(longest, qsizetype(qstrlen(row.key)) + value);
    }
    const int margins = 2 * (frameWidth() + int(document()->documentMargin()));
    return {fontMetrics().horizontalAdvance(QString(longest, u'M')) + margins
                    + verticalScrollBar()->sizeHint().width(),
            QPlainTextEdit::sizeHint().height()};
}

void FilePreview::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    // A selection is being made to copy; a mere click picks the line's row.
    const int line = textCursor().blockNumber();
    if (!textCursor().hasSelection() && line < m_lineRows.size())
        m_form->focusValue(m_lineRows[line]);
}

void FilePreview::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &FilePreview::refresh, Qt::QueuedConnection);
}

void FilePreview::refresh()
{
    m_refreshPending = false;
    const Tessaro::FormSettings settings = m_form->settings();
    m_lineRows.clear();
    for (int i = 0; i < Tessaro::optionCount; ++i) {
        if (settings[i].enabled)
            m_lineRows.append(i);
    }
    // The file's CR LF line ends, shown as lines.
    QString text = QString::fromLatin1(Tessaro::configurationText(settings));
    text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    text.chop(1);
    const int scrolled = verticalScrollBar()->value();
    setPlainText(text);
    verticalScrollBar()->setValue(scrolled);
    highlightRow(m_form->rowOf(QApplication::focusWidget()));
}

void FilePreview::highlightRow(int row)
{
    QList<QTextEdit::ExtraSelection> selections;
    if (const qsizetype line = m_lineRows.indexOf(row); row >= 0 && line >= 0) {
        QTextEdit::ExtraSelection selection;
        QColor shade = palette().color(QPalette::Highlight);
        shade.setAlpha(64);
        selection.format.setBackground(shade);
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selection.cursor = QTextCursor(document()->findBlockByNumber(int(line)));
        selections.append(selection);
        setTextCursor(selection.cursor);
    }
    setExtraSelections(selections);
}
