#include "core/format/comparison.h"

#include <QCoreApplication>

namespace Tessaro {

QList<Difference> compareWithForm(const FileReading &file, const FormSettings &form)
{
    const ImportedRows rows = importedRows(file.recognised);
    QList<Difference> differences;
    for (int row = 0; row < optionCount; ++row) {
        const ImportedRow &read = rows[row];
        Difference difference{row,
                              {read.named, read.taken ? std::optional(read.taken->value)
                                                      : std::nullopt},
                              {form[row].enabled, form[row].value},
                              read.taken ? read.taken->lineNumber
                                         : read.refused.isEmpty() ? 0
                                                                  : read.refused.last().lineNumber};
        if (!(difference.file == difference.form))
            differences.append(difference);
    }
    return differences;
}

QString differenceText(const Difference &difference, FilePlace place)
{
    const OptionRow &row = optionCatalogue[difference.row];
    const QString key = optionName(row);
    const QString there = place == FilePlace::Card
            ? QCoreApplication::translate("Cards", "on the card")
            : QCoreApplication::translate("Cards", "in the file");
    if (!difference.form.written)
        return QCoreApplication::translate("Cards", "%1 only %2").arg(key, there);
    const QString inForm = fileValueText(row, *difference.form.value);
    if (!difference.file.written)
        return QCoreApplication::translate("Cards", "%1 missing %2").arg(key, there);
    if (!difference.file.value)
        return QCoreApplication::translate("Cards", "%1 refused %2, %3 in the form")
                .arg(key, there, inForm);
    return QCoreApplication::translate("Cards", "%1 %2 %3, %4 in the form")
            .arg(key, fileValueText(row, *difference.file.value), there, inForm);
}

} // namespace Tessaro
