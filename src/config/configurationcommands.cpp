#include "config/configurationcommands.h"

#include "app/installeddata.h"
#include "config/configurationfile.h"
#include "config/reportbox.h"
#include "config/unitsdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Tessaro {

// The texts belong to the main window's translations, whose commands these are.
namespace {

// Where the first file is proposed: beside the program, or, when the user
// cannot write there (an installed program), in their documents.
QString firstConfigurationPath()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!programFolderIsWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
    }
    return QDir(folder).absoluteFilePath(u"config.txt"_s);
}

// The first files of a list, one a line, and how many more there are: a box
// stays on the screen however many units there are. The whole list goes in
// its details.
QString firstFiles(const QStringList &files)
{
    constexpr int shown = 10;
    QStringList lines = files.mid(0, shown);
    if (files.size() > shown)
        lines.append(
                QCoreApplication::translate("MainWindow", "and %1 more").arg(files.size() - shown));
    return lines.join(u'\n');
}

} // namespace

QString chooseFileToGenerate(QWidget *parent)
{
    if (lastConfigurationPath.isEmpty())
        lastConfigurationPath = firstConfigurationPath();
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

std::optional<UnitBatch> chooseUnits(QWidget *parent)
{
    const QString last =
            lastConfigurationPath.isEmpty() ? firstConfigurationPath() : lastConfigurationPath;
    UnitsDialog dialog(QFileInfo(last).absolutePath(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return UnitBatch{dialog.targetFolder(), dialog.unitFiles()};
}

void generateUnitFiles(QWidget *parent, const QList<UnitFile> &units, const FormSettings &settings)
{
    const QString title = QCoreApplication::translate("MainWindow", "Generate for Several Units");
    QStringList existing;
    for (const UnitFile &unit : units) {
        if (QFileInfo::exists(unit.path))
            existing.append(QDir::toNativeSeparators(unit.path));
    }
    if (!existing.isEmpty()) {
        // Named before anything is written; replaced only after one yes.
        QMessageBox question(QMessageBox::Question, title,
                             QCoreApplication::translate(
                                     "MainWindow", "These files exist already. Replace them?"),
                             QMessageBox::Yes | QMessageBox::No, parent);
        question.setDefaultButton(QMessageBox::No);
        question.setInformativeText(firstFiles(existing));
        question.setDetailedText(existing.join(u'\n'));
        if (question.exec() != QMessageBox::Yes)
            return;
    }

    // Over 20 units a progress dialog counts them, and may stop them between
    // two files.
    std::unique_ptr<QProgressDialog> progress;
    if (units.size() > 20) {
        progress = std::make_unique<QProgressDialog>(parent);
        progress->setRange(0, int(units.size()));
        progress->setWindowTitle(title);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    int written = 0;
    QStringList failures;
    for (const UnitFile &unit : units) {
        if (progress) {
            if (progress->wasCanceled())
                break;
            progress->setLabelText(QCoreApplication::translate("MainWindow", "Unit %1 of %2")
                                           .arg(written + failures.size() + 1)
                                           .arg(units.size()));
            progress->setValue(int(written + failures.size()));
        }
        if (const QString error = writeUnitFile(unit, settings); error.isEmpty())
            ++written;
        else
            failures.append(QDir::toNativeSeparators(unit.path) + u": "_s + error);
    }
    const bool stopped = written + failures.size() < units.size();
    progress.reset();

    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setIcon(failures.isEmpty() && !stopped ? QMessageBox::Information : QMessageBox::Warning);
    QString text = u"<b>"_s
            + QCoreApplication::translate("MainWindow", "Files written: %1.").arg(written)
            + u"</b>"_s;
    if (stopped)
        text += u"<br>"_s + QCoreApplication::translate("MainWindow", "Stopped by the user.");
    box.setText(text);
    if (!failures.isEmpty()) {
        box.setInformativeText(
                QCoreApplication::translate("MainWindow", "Files not written, and why:") + u'\n'
                + firstFiles(failures));
        box.setDetailedText(failures.join(u'\n'));
    }
    box.exec();
}

} // namespace Tessaro
