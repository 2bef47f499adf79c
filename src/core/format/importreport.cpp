#include "core/format/importreport.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// A line quoted in a sentence: its beginning, when it is long.
QString shortened(const QString &line)
{
    constexpr int longest = 40;
    return line.size() <= longest ? line : line.first(longest - 1) + u'\u2026';
}

} // namespace

ReportWords::ReportWords()
    : ok(QCoreApplication::translate("MainWindow", "OK")),
      error(QCoreApplication::translate("MainWindow", "ERROR")),
      line(QCoreApplication::translate("MainWindow", "Line"))
{
}

QString ReportWords::entry(QLatin1StringView keyText, bool accepted, int lineNumber) const
{
    static const QString dashes(30, u'-');
    const QStringView padding =
            QStringView(dashes).first(std::max<qsizetype>(0, 30 - keyText.size()));
    if (accepted)
        return keyText + padding + u"> " + ok;
    return keyText + padding + u"> " + error + u' ' + line + u'(' + QString::number(lineNumber)
            + u')';
}

QString ReportWords::entry(const RecognisedLine &recognised) const
{
    return entry(QLatin1StringView(optionCatalogue[recognised.row].key), recognised.accepted,
                 recognised.lineNumber);
}

QStringList reportEntries(const QList<RecognisedLine> &lines)
{
    const ReportWords words;
    QStringList entries;
    entries.reserve(lines.size());
    for (const RecognisedLine &line : lines)
        entries.append(words.entry(line));
    return entries;
}

QString importConclusion()
{
    return u"<b>"_s + QCoreApplication::translate("MainWindow", "Import configuration file done!")
            + u"</b>"_s;
}

QString importReport(const QList<RecognisedLine> &lines)
{
    const ReportWords words;
    QString report;
    for (const RecognisedLine &line : lines)
        report += u"<br>" + words.entry(line) + u"</br>";
    return report + u"<br></br><br>"_s + importConclusion() + u"</br>"_s;
}

QString importSummary(const QString &fileName, const FileReading &reading)
{
    // Settings are rows, as the form has them; refusals are lines, as the
    // report lists them, so a row that took one line's value and refused
    // another's counts in both.
    const ImportedRows rows = importedRows(reading.recognised);
    const int read = int(std::count_if(rows.begin(), rows.end(), [](const ImportedRow &row) {
        return row.taken.has_value();
    }));
    const int refused =
            int(std::count_if(reading.recognised.begin(), reading.recognised.end(),
                              [](const RecognisedLine &line) { return !line.accepted; }));
    constexpr int quoted = 3;
    QStringList lines;
    int unrecognised = 0;
    bool carriageReturns = false;
    for (const Finding &finding : reading.findings) {
        carriageReturns = carriageReturns || finding.kind == Finding::CarriageReturns;
        if (finding.kind != Finding::NotRecognised || ++unrecognised > quoted)
            continue;
        lines << QCoreApplication::translate("Findings", "line %1: \"%2\"")
                         .arg(finding.lineNumber)
                         .arg(shortened(finding.text));
    }
    QString notRecognised = QCoreApplication::translate("Findings", "%n line(s) not recognised",
                                                        nullptr, unrecognised);
    if (unrecognised > quoted)
        lines << QCoreApplication::translate("Findings", "and %1 more")
                         .arg(unrecognised - quoted);
    if (!lines.isEmpty())
        notRecognised += u" ("_s + lines.join(u", "_s) + u')';
    QString summary =
            QCoreApplication::translate("Findings", "%1: %2, %3, %4.")
                    .arg(fileName,
                         QCoreApplication::translate("Findings", "%n setting(s) read", nullptr,
                                                     read),
                         QCoreApplication::translate("Findings", "%n line(s) refused", nullptr,
                                                     refused),
                         notRecognised);
    if (carriageReturns)
        summary += u' '
                + QCoreApplication::translate(
                        "Findings",
                        "The lines of this file end in CR alone: it is read as one line.");
    return summary;
}

QString findingText(const Finding &finding)
{
    const OptionRow *row = finding.row < 0 ? nullptr : &optionCatalogue[finding.row];
    switch (finding.kind) {
    case Finding::NotRecognised:
        return QCoreApplication::translate("Findings", "\"%1\" not recognised")
                .arg(shortened(finding.text));
    case Finding::Refused:
        return QCoreApplication::translate("Findings", "\"%1\" refused (accepts %2)")
                .arg(finding.text, acceptedValues(*row, ValueText::Line));
    case Finding::ReadInPart:
        return QCoreApplication::translate("Findings", "\"%1\" read as %2")
                .arg(finding.text, fileValueText(*row, finding.value));
    case Finding::GivenAgain:
        return QCoreApplication::translate("Findings",
                                           "\"%1\" sets %2 again; line %3's value is replaced")
                .arg(finding.text, optionName(*row))
                .arg(finding.earlierLine);
    case Finding::CarriageReturns:
        return QCoreApplication::translate("Findings", "lines end in CR alone; read as one line");
    case Finding::OutOfFormRange:
        return QCoreApplication::translate("Findings", "%1 %2 is beyond what the form shows")
                .arg(optionName(*row), fileValueText(*row, finding.value));
    }
    return {};
}

} // namespace Tessaro
