#pragma once

#include "config/unitfiles.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

// Asks for several units at once: their first and last ID, the folder that
// receives a folder per unit, and that folder's name; it lists the files
// that will be written as the user chooses.
class UnitsDialog : public QDialog
{
    Q_OBJECT

public:
    UnitsDialog(const QString &startFolder, QWidget *parent);

    // The files chosen, in ID order.
    QList<Tessaro::UnitFile> unitFiles() const;
    QString targetFolder() const;

private:
    void chooseFolder();
    void showFiles();

    QSpinBox *m_first;
    QSpinBox *m_last;
    QLineEdit *m_folder;
    QLineEdit *m_name;
    QListWidget *m_files;
    QDialogButtonBox *m_buttons;
};
