// MainWindow's configuration file commands: generating a file from the form
// and importing one back into it.

#include "mainwindow.h"

#include "configurationfile.h"
#include "importreport.h"
#include "mainwindowform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

using namespace Qt::StringLiterals;
using Tessaro::lastConfigurationPath;
using Tessaro::LoadResult;
using Tessaro::RecognisedLine;

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
    const QString path = QFileDialog::getOpenFileName(
            this, tr("Open Configuration File"), lastConfigurationPath, tr("Text files (*.txt)"));
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
        // Each widget is set once, to what the last line naming its row left.
        const auto imported = Tessaro::importedRows(lines);
        for (int i = 0; i < Tessaro::optionCount; ++i) {
            if (!imported[i].named)
                continue;
            ui->rows[i].checkBox->setChecked(true);
            if (imported[i].value)
                ui->rows[i].setValue(*imported[i].value);
        }
        box.setIcon(QMessageBox::Information);
        Tessaro::setImportReport(box, lines);
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
