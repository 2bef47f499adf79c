#pragma once

#include "core/format/configurationformat.h"
#include "core/unitfiles.h"

#include <QString>

#include <optional>

class QWidget;

// The configuration file commands, between the form and the files: the file
// dialogs, writing and reading, and the message boxes that report the
// outcome. They work on the form's data; parent is the window the dialogs
// and boxes belong to.
namespace Tessaro {

// The save dialog, starting from lastConfigurationPath (at first config.txt
// in the program's folder). Gives the chosen path, now lastConfigurationPath,
// or an empty text when the user cancelled.
QString chooseFileToGenerate(QWidget *parent);

// Writes the form to path and reports how it went; whether it was written.
bool generateFile(QWidget *parent, const QString &path, const FormSettings &settings);

// The open dialog, titled for what the file is read for and starting from
// lastConfigurationPath. Gives the chosen path, now lastConfigurationPath,
// or an empty text when the user cancelled.
QString chooseFileToImport(QWidget *parent, const QString &title);

// What reading the file at path found; nothing, once the user has been told
// why, when it cannot be read.
std::optional<FileReading> readFileToImport(QWidget *parent, const QString &path);

// The report of an import, line by line.
void showImportReport(QWidget *parent, const FileReading &reading);

// Several units at once: the dialog that chooses them, starting in
// lastConfigurationPath's folder, then each unit's file written, each all or
// nothing, once the user has agreed to replace the files that exist; then
// how many were written and why any was not. Answering No to replacing goes
// back to the dialog. Gives the folder that received the units, or nothing
// when the user cancelled.
std::optional<QString> generateForSeveralUnits(QWidget *parent, const FormSettings &settings);

// Writes the form's file onto one memory card after another, from the ID
// after the last one written before (or the form's) on, then tells which
// IDs were written and what became of every other card, if any came. Gives
// the last card's file, or an empty text when none was written.
QString writeToCards(QWidget *parent, const FormSettings &settings);

} // namespace Tessaro
