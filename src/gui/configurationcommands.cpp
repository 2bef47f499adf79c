#include "gui/configurationcommands.h"

#include "core/installeddata.h"
#include "gui/dialogs/cardsdialog.h"
#include "core/format/configurationfile.h"
#include "gui/dialogs/reportbox.h"
#include "gui/dialogs/unitsdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
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
    if (!keepsFilesBesideItself()) {
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

// A file and why it could not be written or read, as a box's line.
QString fileAndProblem(const QString &path, const FileStatus &status)
{
    return QCoreApplication::translate("MainWindow", "%1: %2")
            .arg(QDir::toNativeSeparators(path), fileProblemText(status));
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

bool generateFile(QWidget *parent, const QString &path, const FormSettings &settings)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Generate Configuration File"));
    // A link the user chose is written through, to the file it leads to.
    const QFileInfo chosen(path);
    const QString target = !chosen.isSymLink() ? path
            : chosen.exists()                  ? chosen.canonicalFilePath()
                                               : chosen.symLinkTarget();
    const FileStatus written = writeFile(target, configurationText(settings), Existing::Replace);
    if (written.ok()) {
        box.setText(u"<b>"_s
                    + QCoreApplication::translate("MainWindow", "Create configuration file done!")
                    + u"</b>"_s);
        box.setIcon(QMessageBox::Information);
    } else {
        box.setText(QCoreApplication::translate("MainWindow",
                                                "Impossible to create configuration file!"));
        box.setInformativeText(fileAndProblem(target, written));
        box.setIcon(QMessageBox::Warning);
    }
    box.exec();
    return written.ok();
}

QString chooseFileToImport(QWidget *parent, const QString &title)
{
    const QString path = QFileDialog::getOpenFileName(
            parent, title, lastConfigurationPath,
            QCoreApplication::translate("MainWindow", "Text files (*.txt)"));
    if (!path.isEmpty())
        lastConfigurationPath = path;
    return path;
}

std::optional<FileReading> readFileToImport(QWidget *parent, const QString &path)
{
    QByteArray content;
    const FileStatus status = loadConfigurationFile(path, content);
    if (status.ok())
        return readConfiguration(content);
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Import Configuration File"));
    box.setIcon(QMessageBox::Warning);
    box.setText(
            status.problem == FileStatus::Missing
                    ? QCoreApplication::translate(
                            "MainWindow", "The specified configuration file does not exist!")
                    : QCoreApplication::translate(
                            "MainWindow", "The specified configuration file cannot be opened!"));
    box.setInformativeText(fileAndProblem(path, status));
    box.exec();
    return std::nullopt;
}

void showImportReport(QWidget *parent, const FileReading &reading)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Import Configuration File"));
    box.setIcon(QMessageBox::Information);
    setImportReport(box, reading.recognised);
    box.exec();
}

std::optional<QString> generateForSeveralUnits(QWidget *parent, const FormSettings &settings)
{
    const QString last =
            lastConfigurationPath.isEmpty() ? firstConfigurationPath() : lastConfigurationPath;
    UnitsDialog dialog(QFileInfo(last).absolutePath(), parent);
    const QString title = QCoreApplication::translate("MainWindow", "Generate for Several Units");
    // Past a screenful of units a progress dialog counts them, and may stop
    // them between two files.
    constexpr int unitsWithoutProgress = 20;
    std::unique_ptr<QProgressDialog> progress;
    UnitRunSteps steps;
    steps.replace = [&](const QList<UnitFile> &existing) {
        QStringList paths;
        for (const UnitFile &unit : existing)
            paths.append(QDir::toNativeSeparators(unit.path));
        QMessageBox question(QMessageBox::Question, title,
                             QCoreApplication::translate(
                                     "MainWindow", "These files exist already. Replace them?"),
                             QMessageBox::Yes | QMessageBox::No, parent);
        question.setDefaultButton(QMessageBox::No);
        question.setInformativeText(firstFiles(paths));
        question.setDetailedText(paths.join(u'\n'));
        return question.exec() == QMessageBox::Yes;
    };
    QList<UnitFile> units;
    steps.proceed = [&](qsizetype done) {
        if (units.size() <= unitsWithoutProgress)
            return true;
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(parent);
            progress->setRange(0, int(units.size()));
            progress->setWindowTitle(title);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        if (progress->wasCanceled())
            return false;
        progress->setLabelText(QCoreApplication::translate("MainWindow", "Unit %1 of %2")
                                       .arg(done + 1)
                                       .arg(units.size()));
        progress->setValue(int(done));
        return true;
    };
    UnitRun run;
    do {
        // Back after a No where the user left it: pos() is the frame's, and
        // moving there again keeps the window manager from placing it anew.
        if (run.declined)
            dialog.move(dialog.pos());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        units = dialog.unitFiles();
        run = writeUnitFiles(units, settings, steps);
        progress.reset();
    } while (run.declined);

    QStringList failures;
    for (const UnitFailure &failure : run.failures)
        failures.append(fileAndProblem(failure.unit.path, failure.status));
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setIcon(failures.isEmpty() && !run.stopped ? QMessageBox::Information
                                                   : QMessageBox::Warning);
    // A stopped run says which units have their file, to go on from there.
    QString text = run.stopped && !run.written.isEmpty()
            ? QCoreApplication::translate("MainWindow", "Files written: %1 (%2).")
                      .arg(QString::number(run.written.size()), unitIdsText(run.written))
            : QCoreApplication::translate("MainWindow", "Files written: %1.")
                      .arg(run.written.size());
    text = u"<b>"_s + text + u"</b>"_s;
    if (run.stopped)
        text += u" "_s + QCoreApplication::translate("MainWindow", "Stopped by the user.");
    box.setText(text);
    if (!failures.isEmpty()) {
        box.setInformativeText(
                QCoreApplication::translate("MainWindow", "Files not written, and why:") + u'\n'
                + firstFiles(failures));
        box.setDetailedText(failures.join(u'\n'));
    }
    box.exec();
    return dialog.targetFolder();
}

QString writeToCards(QWidget *parent, const FormSettings &settings)
{
    CardsDialog dialog(settings, lastConfigurationPath, parent);
    dialog.exec();
    const CardSession &session = dialog.session();
    // What became of each card in the end, in the order they came.
    QStringList order;
    QHash<QString, CardResult> last;
    QString lastFile;
    for (const CardResult &result : session.log()) {
        if (result.kind == CardResult::LeftAlone)
            continue;
        if (!last.contains(result.card.key))
            order << result.card.key;
        last.insert(result.card.key, result);
        if (result.kind == CardResult::Written || result.kind == CardResult::NotEjected)
            lastFile = QDir(result.card.place).filePath(u"config.txt"_s);
    }
    // Opened and closed, nothing to tell.
    if (order.isEmpty())
        return {};
    qsizetype checked = 0, same = 0;
    QStringList others;
    for (const QString &key : std::as_const(order)) {
        const CardResult &result = last[key];
        switch (result.kind) {
        case CardResult::Written:
        case CardResult::NotEjected:
            break;
        case CardResult::Same:
            ++same;
            ++checked;
            break;
        case CardResult::Different:
        case CardResult::Unreadable:
            ++checked;
            break;
        default:
            others << QCoreApplication::translate("MainWindow", "%1: %2")
                              .arg(result.card.name(), result.text());
            break;
        }
    }
    const QList<int> &ids = session.written();
    QStringList summary;
    if (!ids.isEmpty())
        summary << QCoreApplication::translate("MainWindow", "Cards written: %1 (%2).")
                           .arg(QString::number(ids.size()), unitIdsText(ids));
    else if (checked == 0)
        summary << QCoreApplication::translate("MainWindow", "No card was written.");
    if (checked > 0)
        summary << QCoreApplication::translate("MainWindow",
                                               "Cards checked: %1, the same as the form: %2.")
                           .arg(checked)
                           .arg(same);
    QMessageBox box(QMessageBox::Information, dialog.windowTitle(),
                    u"<b>"_s + summary.join(u' ') + u"</b>"_s, QMessageBox::Ok, parent);
    if (!others.isEmpty()) {
        box.setInformativeText(firstFiles(others));
        box.setDetailedText(others.join(u'\n'));
    }
    box.exec();
    return lastFile;
}

} // namespace Tessaro
