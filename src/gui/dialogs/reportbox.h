#pragma once

#include "core/format/configurationformat.h"

class QMessageBox;

namespace Tessaro {

// Puts the import report into a message box whose icon is already set. The
// box's text is the report itself; a long report is shown in a scrollable
// view in place of the box's label, so that the box opens at once and keeps
// its OK button on the screen however many lines the file had.
void setImportReport(QMessageBox &box, const QList<RecognisedLine> &lines);

} // namespace Tessaro
