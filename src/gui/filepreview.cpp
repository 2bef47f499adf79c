#include "gui/filepreview.h"

#include "core/format/configurationformat.h"
#include "gui/optionform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
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
    connect(form, &OptionForm::focusedRowChanged, this, &FilePreview::highlightRow);
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

bool FilePreview::event(QEvent *event)
{
    // Here Ctrl+C copies, as in any text, rather than tick every row.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void FilePreview::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    // A selection is being made to copy; a mere click on a line picks its row.
    const QTextBlock line = cursorForPosition(event->position().toPoint()).block();
    const bool onLine =
            blockBoundingGeometry(line).translated(contentOffset()).contains(event->position());
    if (!textCursor().hasSelection() && onLine && line.blockNumber() < m_lineRows.size())
        m_form->focusValue(m_lineRows[line.blockNumber()]);
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
