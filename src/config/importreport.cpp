#include "config/importreport.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// The report's words, translated once per report: a long file has as many
// entries as lines.
struct ReportWords
{
    QString ok = QCoreApplication::translate("MainWindow", "OK");
    QString error = QCoreApplication::translate("MainWindow", "ERROR");
    QString line = QCoreApplication::translate("MainWindow", "Line");

    template<typename Key> QString entry(Key keyText, bool accepted, int lineNumber) const
    {
        static const QString dashes(30, u'-');
        const QStringView padding =
                QStringView(dashes).first(std::max<qsizetype>(0, 30 - keyText.size()));
        if (accepted)
            return keyText + padding + u"> " + ok;
        return keyText + padding + u"> " + error + u' ' + line + u'(' + QString::number(lineNumber)
                + u')';
    }
    QString entry(const RecognisedLine &recognised) const
    {
        return entry(QLatin1StringView(optionCatalogue[recognised.row].key), recognised.accepted,
                     recognised.lineNumber);
    }
};

} // namespace

QString reportEntryText(const QString &keyText, bool accepted, int lineNumber)
{
    return ReportWords().entry(keyText, accepted, lineNumber);
}

void appendReportEntry(const QString &keyText, bool accepted, int lineNumber, QString &report)
{
    report += u"<br>"_s + reportEntryText(keyText, accepted, lineNumber) + u"</br>"_s;
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
    QString report;
    for (const RecognisedLine &line : lines)
        appendReportEntry(QLatin1StringView(optionCatalogue[line.row].key), line.accepted,
                          line.lineNumber, report);
    return report + u"<br></br><br>"_s + importConclusion() + u"</br>"_s;
}

QString importSummary(const QString &fileName, const FileReading &reading)
{
    constexpr int quoted = 3;
    const qsizetype refused =
            std::count_if(reading.recognised.begin(), reading.recognised.end(),
                          [](const RecognisedLine &line) { return !line.accepted; });
    QString unrecognised = QCoreApplication::translate("MainWindow", "%n line(s) not recognised",
                                                       nullptr, int(reading.unrecognised.size()));
    if (!reading.unrecognised.isEmpty()) {
        QStringList lines;
        for (const UnrecognisedLine &line :
             reading.unrecognised.first(std::min<qsizetype>(quoted, reading.unrecognised.size())))
            lines << QCoreApplication::translate("MainWindow", "line %1: \"%2\"")
                             .arg(line.lineNumber)
                             .arg(line.text);
        if (reading.unrecognised.size() > quoted)
            lines << QCoreApplication::translate("MainWindow", "and %1 more")
                             .arg(reading.unrecognised.size() - quoted);
        unrecognised += u" ("_s + lines.join(u", "_s) + u')';
    }
    return QCoreApplication::translate("MainWindow", "%1: %2, %3, %4.")
            .arg(fileName,
                 QCoreApplication::translate("MainWindow", "%n setting(s) read", nullptr,
                                             int(reading.recognised.size() - refused)),
                 QCoreApplication::translate("MainWindow", "%n refused", nullptr, int(refused)),
                 unrecognised);
}

} // namespace Tessaro
