#include "config/cardsdialog.h"

#include "config/unitfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTime>

using namespace Qt::StringLiterals;
using Tessaro::CardOutcome;
using Tessaro::Volume;

CardsDialog::CardsDialog(const Tessaro::FormSettings &settings, int firstId, QWidget *parent)
    : QDialog(parent), m_session(settings, firstId, Tessaro::lastUnitId),
      m_next(new QSpinBox(this)), m_folder(new QLineEdit(Tessaro::defaultCardFolder(), this)),
      m_replace(new QCheckBox(tr("&Replace a config.txt already on the card"), this)),
      m_status(new QLabel(this)), m_log(new QListWidget(this)), m_present(new QListWidget(this)),
      m_writeChosen(new QPushButton(tr("&Write to the Chosen Card"), this))
{
    setWindowTitle(tr("Write to Cards"));
    m_next->setObjectName(u"spinBox_NextId"_s);
    m_folder->setObjectName(u"lineEdit_WatchedFolder"_s);
    m_replace->setObjectName(u"checkBox_Replace"_s);
    m_status->setObjectName(u"label_Status"_s);
    m_log->setObjectName(u"listWidget_Log"_s);
    m_present->setObjectName(u"listWidget_Present"_s);
    m_writeChosen->setObjectName(u"pushButton_WriteChosen"_s);
    m_next->setRange(Tessaro::firstUnitId, Tessaro::lastUnitId);
    m_next->setValue(firstId);
    QFont large = m_status->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_status->setFont(large);
    m_status->setWordWrap(true);
    m_status->setMinimumHeight(3 * QFontMetrics(large).lineSpacing());
    m_log->setMinimumWidth(m_log->fontMetrics().averageCharWidth() * 70);

    auto *browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(u"pushButton_Browse"_s);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(browse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(u"buttonBox"_s);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&Next ID:"), m_next);
    auto *folderLabel = new QLabel(tr("Watched &folder:"), this);
    folderLabel->setBuddy(m_folder);
    layout->addRow(folderLabel, folderRow);
    layout->addRow(QString(), m_replace);
    layout->addRow(m_status);
    layout->addRow(tr("Cards:"), m_log);
    layout->addRow(tr("Mounted before:"), m_present);
    layout->addRow(QString(), m_writeChosen);
    layout->addRow(buttons);

    connect(m_next, &QSpinBox::valueChanged, this, [this](int id) {
        m_session.setNextId(id);
        askForNextCard();
    });
    connect(m_folder, &QLineEdit::editingFinished, this, &CardsDialog::watch);
    connect(browse, &QPushButton::clicked, this, &CardsDialog::chooseFolder);
    connect(m_present, &QListWidget::currentRowChanged, this,
            [this](int row) { m_writeChosen->setEnabled(row >= 0 && !m_session.finished()); });
    connect(m_writeChosen, &QPushButton::clicked, this, &CardsDialog::writeChosenCard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    watch();
}

void CardsDialog::watch()
{
    if (m_watcher && m_watcher->folder() == m_folder->text())
        return;
    delete m_watcher;
    m_watcher = new Tessaro::CardWatcher(m_folder->text(), this);
    connect(m_watcher, &Tessaro::CardWatcher::inserted, this, &CardsDialog::writeCard);
    showPresent();
    askForNextCard();
}

void CardsDialog::chooseFolder()
{
    const QString folder =
            QFileDialog::getExistingDirectory(this, tr("Watched Folder"), m_folder->text());
    if (folder.isEmpty())
        return;
    m_folder->setText(folder);
    watch();
}

void CardsDialog::showPresent()
{
    m_present->clear();
    for (const Volume &volume : m_watcher->present())
        m_present->addItem(u"%1 (%2)"_s.arg(volume.label, QDir::toNativeSeparators(volume.root)));
    m_writeChosen->setEnabled(false);
}

void CardsDialog::askForNextCard()
{
    if (!QFileInfo(m_folder->text()).isDir())
        m_status->setText(tr("The folder %1 does not exist.").arg(m_folder->text()));
    else if (m_session.finished())
        m_status->setText(tr("Every ID up to %1 is used.").arg(Tessaro::lastUnitId));
    else
        m_status->setText(tr("Insert the card for unit %1.").arg(m_session.nextId()));
}

void CardsDialog::writeChosenCard()
{
    const int row = m_present->currentRow();
    if (row >= 0 && row < m_watcher->present().size())
        writeCard(m_watcher->present().at(row));
}

void CardsDialog::writeCard(const Volume &card)
{
    if (m_session.finished())
        return;
    const int id = m_session.nextId();
    const QString unit = QString::number(id);
    m_status->setText(tr("Writing unit %1 to %2...").arg(unit, card.label));
    m_status->repaint();
    const CardOutcome outcome = m_session.write(card, [&](int held) {
        if (m_replace->isChecked())
            return true;
        const QString question = held < 0
                ? tr("The card already holds a config.txt. Replace it with the file of "
                     "unit %1?")
                          .arg(unit)
                : tr("The card already holds the file of unit %1. Replace it with the "
                     "file of unit %2?")
                          .arg(QString::number(held), unit);
        // Enter must never overwrite a card.
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                == QMessageBox::Yes;
    });
    QString result;
    switch (outcome.result) {
    case CardOutcome::Written:
        result = tr("written");
        m_lastFile = outcome.path;
        QApplication::beep();
        if (m_session.finished()) {
            m_status->setText(tr("Unit %1 written to %2. Every ID up to %3 is used.")
                                      .arg(unit, card.label, QString::number(Tessaro::lastUnitId)));
        } else {
            const QSignalBlocker quiet(m_next);
            m_next->setValue(m_session.nextId());
            m_status->setText(
                    tr("Unit %1 written to %2. Remove it and insert the card for unit %3.")
                            .arg(unit, card.label, QString::number(m_session.nextId())));
        }
        break;
    case CardOutcome::Skipped:
        result = tr("left as it was");
        askForNextCard();
        break;
    case CardOutcome::Failed:
        result = tr("not written: %1").arg(outcome.reason);
        m_status->setText(tr("Unit %1 not written to %2: %3. Insert another card for it.")
                                  .arg(unit, card.label, outcome.reason));
        break;
    }
    m_log->addItem(u"%1  %2 (%3)  %4  %5"_s.arg(id, 3, 10, QChar(u'0'))
                           .arg(card.label, QDir::toNativeSeparators(card.root), result,
                                QTime::currentTime().toString(u"HH:mm:ss"_s)));
    m_log->scrollToBottom();
}
