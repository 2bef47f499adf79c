#include "gui/dialogs/unitsdialog.h"

#include "core/windowsettings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

UnitsDialog::UnitsDialog(const QString &startFolder, QWidget *parent)
    : QDialog(parent), m_first(new QSpinBox(this)), m_last(new QSpinBox(this)),
      m_folder(new QLineEdit(startFolder, this)),
      m_name(new QLineEdit(Tessaro::defaultUnitFolderPattern, this)),
      m_files(new QListWidget(this)), m_reason(new QLabel(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Generate for Several Units"));
    m_first->setObjectName(u"spinBox_First"_s);
    m_last->setObjectName(u"spinBox_Last"_s);
    m_folder->setObjectName(u"lineEdit_Folder"_s);
    m_name->setObjectName(u"lineEdit_Name"_s);
    m_files->setObjectName(u"listWidget_Files"_s);
    m_reason->setObjectName(u"label_Reason"_s);
    m_buttons->setObjectName(u"buttonBox"_s);
    for (QSpinBox *id : {m_first, m_last})
        id->setRange(Tessaro::firstUnitId, Tessaro::lastUnitId);
    const Tessaro::WindowSettings settings;
    m_first->setValue(settings.value(u"units/first"_s).toInt());
    m_last->setValue(settings.value(u"units/last"_s).toInt());
    m_folder->setText(settings.value(u"units/folder"_s, startFolder).toString());
    m_name->setText(settings.value(u"units/name"_s, m_name->text()).toString());
    auto *browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(u"pushButton_Browse"_s);
    setTabOrder(m_folder, browse);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(browse);

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&First ID:"), m_first);
    layout->addRow(tr("&Last ID:"), m_last);
    auto *folderLabel = new QLabel(tr("F&older:"), this);
    folderLabel->setBuddy(m_folder);
    layout->addRow(folderLabel, folderRow);
    layout->addRow(tr("&Unit folder:"), m_name);
    layout->addRow(QString(),
                   new QLabel(tr("%1 stands for the unit's ID, in three digits."), this));
    layout->addRow(tr("Files:"), m_files);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_reason, 1);
    buttonRow->addWidget(m_buttons);
    layout->addRow(buttonRow);

    for (QSpinBox *id : {m_first, m_last})
        connect(id, &QSpinBox::valueChanged, this, &UnitsDialog::showFiles);
    for (QLineEdit *text : {m_folder, m_name})
        connect(text, &QLineEdit::textChanged, this, &UnitsDialog::showFiles);
    connect(browse, &QPushButton::clicked, this, &UnitsDialog::chooseFolder);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showFiles();
}

QList<Tessaro::UnitFile> UnitsDialog::unitFiles() const
{
    return Tessaro::unitFiles(targetFolder(), m_name->text(), m_first->value(), m_last->value());
}

QString UnitsDialog::targetFolder() const
{
    return m_folder->text();
}

void UnitsDialog::accept()
{
    Tessaro::WindowSettings settings;
    settings.setValue(u"units/first"_s, m_first->value());
    settings.setValue(u"units/last"_s, m_last->value());
    settings.setValue(u"units/folder"_s, targetFolder());
    settings.setValue(u"units/name"_s, m_name->text());
    settings.save();
    QDialog::accept();
}

void UnitsDialog::chooseFolder()
{
    const QString folder =
            QFileDialog::getExistingDirectory(this, tr("Folder for the Units"), m_folder->text());
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

void UnitsDialog::showFiles()
{
    // Only a folder name that differs from unit to unit, in a chosen folder.
    QString reason;
    if (m_last->value() < m_first->value())
        reason = tr("The last ID is below the first");
    else if (targetFolder().isEmpty())
        reason = tr("Choose a folder");
    else if (const std::optional<QString> problem =
                     Tessaro::unitFolderPatternProblem(m_name->text()))
        reason = problem->at(0).toUpper() + problem->mid(1);
    m_reason->setText(reason);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(reason.isEmpty());
    m_files->clear();
    if (!reason.isEmpty())
        return;
    // Each file as the chosen folder holds it: a long folder would make every
    // line look the same.
    const QDir folder(targetFolder());
    const QList<Tessaro::UnitFile> files = unitFiles();
    for (const Tessaro::UnitFile &file : files)
        m_files->addItem(QDir::toNativeSeparators(folder.relativeFilePath(file.path)));
}
