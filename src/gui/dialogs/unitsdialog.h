#pragma once

#include "core/unitfiles.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

// Asks for several units at once: their first and last ID, the folder that
// receives a folder per unit, and that folder's name; it lists the files
// that will be written as the user chooses, or says why there are none. It
// starts with what it held when last accepted, kept in the window settings.
class UnitsDialog : public QDialog
{
    Q_OBJECT

public:
    UnitsDialog(const QString &startFolder, QWidget *parent);

    // The files chosen, in ID order.
    QList<Tessaro::UnitFile> unitFiles() const;
    QString targetFolder() const;

    void accept() override;

private:
    void chooseFolder();
    void showFiles();

    QSpinBox *m_first;
    QSpinBox *m_last;
    QLineEdit *m_folder;
    QLineEdit *m_name;
    QListWidget *m_files;
    QLabel *m_reason; // why OK is greyed out
    QDialogButtonBox *m_buttons;
};
