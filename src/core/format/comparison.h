#pragma once

#include "core/format/configurationformat.h"

#include <QList>
#include <QString>

#include <optional>

namespace Tessaro {

// A row as one side has it: written or not, and the value written. A file's
// row whose every line was refused is written without a value.
struct RowValue
{
    bool written = false;
    std::optional<int> value;

    friend bool operator==(const RowValue &a, const RowValue &b)
    {
        return a.written == b.written && (!a.written || a.value == b.value);
    }
};

// A row where a file and a form differ, and the file's line that set it (0
// for none).
struct Difference
{
    int row = 0;
    RowValue file;
    RowValue form;
    int lineNumber = 0;
};

// The rows where what a file makes the unit read and what a form writes
// differ, in catalogue order.
QList<Difference> compareWithForm(const FileReading &file, const FormSettings &form);

// Where the file lies, as the differences name it.
enum class FilePlace { File, Card };

// One difference in words, the row named by its key: "VOLUME 20 on the card,
// 32 in the form", "INPUT03 missing on the card". In the current language.
QString differenceText(const Difference &difference, FilePlace place);

} // namespace Tessaro
