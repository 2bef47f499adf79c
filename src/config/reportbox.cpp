#include "config/reportbox.h"

#include "config/importreport.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Past this many entries the report is shown in a scrollable view: the box's
// label would outgrow the screen, and laying out thousands of rich-text lines
// takes seconds.
constexpr int longReportEntries = 30;
constexpr int longReportVisibleLines = 20;

} // namespace

void setImportReport(QMessageBox &box, const QList<RecognisedLine> &lines)
{
    auto *label = box.findChild<QLabel *>(u"qt_msgbox_label"_s);
    const bool scrollable = label && lines.size() > longReportEntries;
    if (scrollable)
        label->hide(); // before the text arrives, so that it is never laid out
    box.setText(importReport(lines));
    if (!scrollable)
        return;

    auto *report = new QWidget(&box);
    report->setObjectName(u"report"_s);
    auto *layout = new QVBoxLayout(report);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QPlainTextEdit(report);
    view->setObjectName(u"reportView"_s);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setPlainText(reportEntries(lines).join(u'\n'));
    // As wide as the widest entry could be: an error on the last line read,
    // under the key of widest letters.
    const QFontMetrics metrics(view->font());
    const ReportWords words;
    int widest = 0;
    for (const OptionRow &row : optionCatalogue) {
        const QString text =
                words.entry(QLatin1StringView(row.key), false, lines.last().lineNumber);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    const int margins = 2 * (view->frameWidth() + int(view->document()->documentMargin()));
    view->setMinimumSize(widest + margins + view->verticalScrollBar()->sizeHint().width(),
                         metrics.lineSpacing() * longReportVisibleLines + margins);
    layout->addWidget(view);
    layout->addWidget(new QLabel(importConclusion(), report));
    // The label's old layout item is ours to delete.
    delete box.layout()->replaceWidget(label, report);
}

} // namespace Tessaro
