#include "config/configurationcommands.h"

#include "app/installeddata.h"
#include "config/configurationfile.h"
#include "config/reportbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Tessaro {

// The texts belong to the main window's translations, whose commands these are.
QString chooseFileToGenerate(QWidget *parent)
{
    if (lastConfigurationPath.isEmpty()) {
        // Beside the program, or, when the user cannot write there (an
        // installed program), in their documents.
        QString folder = QCoreApplication::applicationDirPath();
        if (!programFolderIsWritable()) {
            folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (!QFileInfo(folder).isDir())
                folder = QDir::homePath();
        }
        lastConfigurationPath = QDir(folder).absoluteFilePath(u"config.txt"_s);
    }
    QFileDialog dialog(parent, QCoreApplication::translate("MainWindow", "Save Configuration File"),
                       lastConfigurationPath,
                       QCoreApplication::translate("MainWindow", "Text files (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog keeps a name typed without an extension as it is, and
    // the unit only looks for ".txt" files.
    dialog.setDefaultSuffix(u"txt"_s);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty())
        return {};
    lastConfigurationPath = dialog.selectedFiles().constFirst();
    return lastConfigurationPath;
}

void generateFile(QWidget *parent, const QString &path, const FormSettings &settings)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Generate Configuration File"));
    if (saveConfigurationFile(path, configurationText(settings))) {
        box.setText(u"<b>"_s
                    + QCoreApplication::translate("MainWindow", "Create configuration file done!")
                    + u"</b>"_s);
        box.setIcon(QMessageBox::Information);
    } else {
        box.setText(QCoreApplication::translate("MainWindow",
                                                "Impossible to create configuration file!"));
        box.setIcon(QMessageBox::Warning);
    }
    box.exec();
}

QString chooseFileToImport(QWidget *parent)
{
    const QString path = QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("MainWindow", "Open Configuration File"),
            lastConfigurationPath, QCoreApplication::translate("MainWindow", "Text files (*.txt)"));
    if (!path.isEmpty())
        lastConfigurationPath = path;
    return path;
}

std::optional<QList<RecognisedLine>> readFileToImport(QWidget *parent, const QString &path)
{
    QByteArray content;
    const ReadResult result = loadConfigurationFile(path, content);
    if (result == ReadResult::Read)
        return readConfiguration(content);
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Import Configuration File"));
    box.setIcon(QMessageBox::Warning);
    box.setText(
            result == ReadResult::Missing
                    ? QCoreApplication::translate(
                            "MainWindow", "The specified configuration file does not exist!")
                    : QCoreApplication::translate(
                            "MainWindow", "The specified configuration file cannot be opened!"));
    box.exec();
    return std::nullopt;
}

void showImportReport(QWidget *parent, const QList<RecognisedLine> &lines)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Import Configuration File"));
    box.setIcon(QMessageBox::Information);
    setImportReport(box, lines);
    box.exec();
}

} // namespace Tessaro
