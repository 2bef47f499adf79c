#include "gui/dialogs/reportbox.h"

#include "core/format/importreport.h"

#include <QAbstractListModel>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Past this many entries the report is shown in a scrollable view: the box's
// label would outgrow the screen, and laying out thousands of rich-text lines
// takes seconds.
constexpr int longReportEntries = 30;
constexpr int longReportVisibleLines = 20;

// The entries, each made when the view asks for it: a list of uniform rows
// lays out only those on screen, so a file of any length shows at once.
class ReportModel : public QAbstractListModel
{
public:
    ReportModel(const QList<RecognisedLine> &lines, QObject *parent)
        : QAbstractListModel(parent), m_lines(lines)
    {
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_lines.size());
    }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override
    {
        if (role != Qt::DisplayRole
            || !checkIndex(index,
                           CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return {};
        return m_words.entry(m_lines[index.row()]);
    }

private:
    const QList<RecognisedLine> m_lines;
    const ReportWords m_words;
};

// The entries, read-only, one per row; the selected ones copy as text, one
// per line.
class ReportView : public QListView
{
public:
    ReportView(const QList<RecognisedLine> &lines, QWidget *parent) : QListView(parent)
    {
        setModel(new ReportModel(lines, this));
        setUniformItemSizes(true);
        setSelectionMode(ExtendedSelection);
        // As wide as the widest entry could be: an error on the last line
        // read, under the key of widest letters; measured as the view draws it,
        // in the font the style gives it.
        ensurePolished();
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.features |= QStyleOptionViewItem::HasDisplay;
        const ReportWords words;
        QSize entry;
        for (const OptionRow &row : optionCatalogue) {
            option.text = words.entry(QLatin1StringView(row.key), false, lines.last().lineNumber);
            entry = entry.expandedTo(
                    style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, {}, this));
        }
        const int frames = 2 * frameWidth();
        setMinimumSize(entry.width() + frames + verticalScrollBar()->sizeHint().width(),
                       entry.height() * longReportVisibleLines + frames);

        // By their keys and from the context menu, as in a text view.
        auto *copy = new QAction(QCoreApplication::translate("MainWindow", "&Copy"), this);
        copy->setShortcut(QKeySequence::Copy);
        connect(copy, &QAction::triggered, this, &ReportView::copySelected);
        auto *all = new QAction(QCoreApplication::translate("MainWindow", "Select &All"), this);
        all->setShortcut(QKeySequence::SelectAll);
        connect(all, &QAction::triggered, this, &QListView::selectAll);
        for (QAction *action : {copy, all}) {
            action->setShortcutContext(Qt::WidgetShortcut);
            addAction(action);
        }
        setContextMenuPolicy(Qt::ActionsContextMenu);
    }

private:
    void copySelected() const
    {
        // In file order, however they were picked.
        QStringList entries;
        for (int row = 0; row < model()->rowCount(); ++row)
            if (selectionModel()->isRowSelected(row))
                entries.append(model()->index(row, 0).data().toString());
        QGuiApplication::clipboard()->setText(entries.join(u'\n'));
    }
};

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
    auto *view = new ReportView(lines, report);
    view->setObjectName(u"reportView"_s);
    layout->addWidget(view);
    layout->addWidget(new QLabel(importConclusion(), report));
    // The label's old layout item is ours to delete.
    delete box.layout()->replaceWidget(label, report);
}

} // namespace Tessaro
