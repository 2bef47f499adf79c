#pragma once

#include "core/format/configurationformat.h"

#include <QString>
#include <QStringList>

namespace Tessaro {

// The report of an import: one entry per recognised line, in file order, and
// a closing sentence, translated as the main window's own words (context
// "MainWindow"). The summary and the findings are the core's ("Findings").

// The report's words, translated when made: made once per report, as a long
// file has as many entries as lines.
struct ReportWords
{
    ReportWords();

    // One entry: the key padded with '-' to a fixed width, then "> OK", or
    // "> ERROR Line(n)" with the line's number.
    QString entry(QLatin1StringView keyText, bool accepted, int lineNumber) const;
    QString entry(const RecognisedLine &recognised) const;

    QString ok;
    QString error;
    QString line;
};

// The entries of a file's recognised lines, as plain text.
QStringList reportEntries(const QList<RecognisedLine> &lines);

// The sentence that closes every report, in bold.
QString importConclusion();

// The whole report as rich text: the entries, then the conclusion.
QString importReport(const QList<RecognisedLine> &lines);

// What an import found, in one sentence: "config.txt: 20 settings read, 2
// lines refused, 1 line not recognised (line 7: "VOLUME:20")." The settings
// read are rows that took a line's value; the refused and unrecognised are
// lines, a refused line counting even where another line set its row. Up to
// three unrecognised lines are quoted. A file whose lines end in CR alone
// gets a second sentence saying so.
QString importSummary(const QString &fileName, const FileReading &reading);

// A finding in a few words, as the command line, the cards' log and the
// comparison report it: "\"#POWER:7\" refused (accepts 0 or 1)",
// "\"VOLUME:20\" not recognised", an unrecognised line quoted as the summary
// quotes it.
QString findingText(const Finding &finding);

} // namespace Tessaro
