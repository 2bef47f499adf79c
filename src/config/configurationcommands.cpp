// MainWindow's configuration file commands: generating a file from the form
// and importing one back into it.

#include "mainwindow.h"

#include "configurationfile.h"
#include "mainwindowform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using Tessaro::LoadResult;
using Tessaro::RecognisedLine;
using Tessaro::lastConfigurationPath;

namespace {

// Past this many entries the report is shown in a scrollable view: the box's
// label would outgrow the screen, and laying out thousands of rich-text lines
// takes seconds.
constexpr int longReportEntries = 30;
constexpr int longReportVisibleLines = 20;

// Puts the import report into a box whose icon is already set. The box's text
// is the report in every case; a long one is shown in a scrollable view in
// place of the box's label, with the conclusion in bold below it.
void setReport(QMessageBox &box, const QList<RecognisedLine> &lines)
{
    auto *label = box.findChild<QLabel *>(u"qt_msgbox_label"_s);
    const bool scrollable = label && lines.size() > longReportEntries;
    if (scrollable)
        label->hide(); // before the text arrives, so that it is never laid out
    box.setText(Tessaro::importReport(lines));
    if (!scrollable)
        return;

    QStringList entries;
    entries.reserve(lines.size());
    for (const RecognisedLine &line : lines)
        entries.append(Tessaro::reportEntryText(Tessaro::keyText(line.row), line.accepted,
                                                line.lineNumber));
    auto *report = new QWidget(&box);
    auto *layout = new QVBoxLayout(report);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new QPlainTextEdit(report);
    view->setObjectName(u"reportView"_s);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setPlainText(entries.join(u'\n'));
    // As wide as the widest entry could be: an error on the last line read,
    // under the key of widest letters.
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (int row = 0; row < Tessaro::optionCount; ++row) {
        const QString text = Tessaro::reportEntryText(Tessaro::keyText(row), false,
                                                      lines.last().lineNumber);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    const int margins = 2 * (view->frameWidth() + int(view->document()->documentMargin()));
    view->setMinimumSize(widest + margins + view->verticalScrollBar()->sizeHint().width(),
                         metrics.lineSpacing() * longReportVisibleLines + margins);
    layout->addWidget(view);
    layout->addWidget(new QLabel(u"<b>"_s + Tessaro::importConclusion() + u"</b>"_s, report));
    box.layout()->replaceWidget(label, report);
}

} // namespace

void MainWindow::generateConfigurationFile()
{
    if (lastConfigurationPath.isEmpty()) {
        lastConfigurationPath =
                QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(u"config.txt"_s);
    }
    QFileDialog dialog(this, tr("Save Configuration File"), lastConfigurationPath,
                       tr("Text files (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog keeps a name typed without an extension as it is, and
    // the unit only looks for ".txt" files.
    dialog.setDefaultSuffix(u"txt"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty())
        return;
    lastConfigurationPath = path;
    ui->label_Generate_Path->setText(path);
    writeConfigurationFile(path);
}

void MainWindow::writeConfigurationFile(const QString &path)
{
    QMessageBox box(this);
    box.setWindowTitle(tr("Generate Configuration File"));
    if (Tessaro::saveConfigurationFile(path, Tessaro::configurationText(formSettings()))) {
        box.setText(u"<b>"_s + tr("Create configuration file done!") + u"</b>"_s);
        box.setIcon(QMessageBox::Information);
    } else {
        box.setText(tr("Impossible to create configuration file!"));
        box.setIcon(QMessageBox::Warning);
    }
    box.exec();
}

void MainWindow::importConfigurationFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Configuration File"),
                                                      lastConfigurationPath,
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    lastConfigurationPath = path;
    ui->label_Generate_Path->setText(path);
    readConfigurationFile(path);
}

void MainWindow::readConfigurationFile(const QString &path)
{
    QMessageBox box(this);
    box.setWindowTitle(tr("Import Configuration File"));
    QByteArray content;
    switch (Tessaro::loadConfigurationFile(path, content)) {
    case LoadResult::Missing:
        box.setText(tr("The specified configuration file does not exist!"));
        box.setIcon(QMessageBox::Warning);
        break;
    case LoadResult::Unreadable:
        box.setText(tr("The specified configuration file cannot be opened!"));
        box.setIcon(QMessageBox::Warning);
        break;
    case LoadResult::Loaded: {
        unselectAllOptions();
        applyDefaultSettings();
        const QList<RecognisedLine> lines = Tessaro::readConfiguration(content);
        for (const RecognisedLine &line : lines) {
            Ui::OptionRowWidgets &row = ui->rows[line.row];
            row.checkBox->setChecked(true);
            if (line.accepted)
                row.setValue(line.value);
        }
        box.setIcon(QMessageBox::Information);
        setReport(box, lines);
        break;
    }
    }
    box.exec();
}

Tessaro::FormSettings MainWindow::formSettings() const
{
    Tessaro::FormSettings settings;
    for (int i = 0; i < Tessaro::optionCount; ++i)
        settings[i] = {ui->rows[i].checkBox->isChecked(), ui->rows[i].value()};
    return settings;
}
