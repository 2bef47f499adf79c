#pragma once

#include "core/format/configurationformat.h"

#include <QDialog>

// Where a file and the form differ: each row that differs with the file's
// value and the form's, then what the file holds that the unit reads
// otherwise than it says; or that they are the same. It changes nothing:
// accepted when the user chooses to import the file.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    CompareDialog(const QString &path, const Tessaro::FileReading &reading,
                  const Tessaro::FormSettings &form, QWidget *parent);

    // Its title, which the file dialog that chooses the file bears too.
    static QString title();
};
