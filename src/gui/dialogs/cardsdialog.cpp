#include "gui/dialogs/cardsdialog.h"

#include "core/safefiles.h"
#include "core/windowsettings.h"
#include "core/format/configurationfile.h"
#include "core/unitfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace Qt::StringLiterals;
using Tessaro::Card;
using Tessaro::CardResult;
using Tessaro::CardSession;

CardsDialog::CardsDialog(const Tessaro::FormSettings &settings, int firstId, QWidget *parent)
    : QDialog(parent),
      m_session(new CardSession(settings, firstId, Tessaro::lastUnitId, CardSession::Mode::Write,
                                this)),
      m_next(new QSpinBox(this)), m_folder(new QLineEdit(this)),
      m_check(new QCheckBox(tr("C&heck cards (write nothing)"), this)),
      m_replace(new QCheckBox(tr("&Replace a config.txt already on the card"), this)),
      m_eject(new QCheckBox(tr("&Eject each card when written"), this)),
      m_byHand(new QLabel(tr("Eject each card by hand before you pull it."), this)),
      m_status(new QLabel(this)), m_log(new QListWidget(this)), m_present(new QListWidget(this)),
      m_writeChosen(new QPushButton(tr("&Write to the Chosen Card"), this))
{
    setWindowTitle(tr("Write to Cards"));
    m_next->setObjectName(u"spinBox_NextId"_s);
    m_folder->setObjectName(u"lineEdit_WatchedFolder"_s);
    m_check->setObjectName(u"checkBox_Check"_s);
    m_replace->setObjectName(u"checkBox_Replace"_s);
    m_eject->setObjectName(u"checkBox_Eject"_s);
    m_byHand->setObjectName(u"label_ByHand"_s);
    m_status->setObjectName(u"label_Status"_s);
    m_log->setObjectName(u"listWidget_Log"_s);
    m_present->setObjectName(u"listWidget_Present"_s);
    m_writeChosen->setObjectName(u"pushButton_WriteChosen"_s);
    m_next->setRange(Tessaro::firstUnitId, Tessaro::lastUnitId);
    m_next->setValue(firstId);
    m_folder->setPlaceholderText(tr("the system's disk service"));
    m_eject->setChecked(Tessaro::WindowSettings().value(u"cards/eject"_s, true).toBool());
    QFont large = m_status->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_status->setFont(large);
    m_status->setWordWrap(true);
    m_status->setMinimumHeight(3 * QFontMetrics(large).lineSpacing());
    m_log->setMinimumWidth(m_log->fontMetrics().averageCharWidth() * 70);
    // A check's line lists every row that differs: wrapped, never cut.
    m_log->setWordWrap(true);
    m_log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(u"pushButton_Browse"_s);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(browse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(u"buttonBox"_s);
    QPushButton *saveLog = buttons->addButton(tr("&Save Log..."), QDialogButtonBox::ActionRole);
    saveLog->setObjectName(u"pushButton_SaveLog"_s);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&Next ID:"), m_next);
    auto *folderLabel = new QLabel(tr("Cards &from:"), this);
    folderLabel->setBuddy(m_folder);
    layout->addRow(folderLabel, folderRow);
    layout->addRow(QString(), m_byHand);
    layout->addRow(QString(), m_check);
    layout->addRow(QString(), m_replace);
    layout->addRow(QString(), m_eject);
    layout->addRow(m_status);
    layout->addRow(tr("Cards:"), m_log);
    layout->addRow(tr("Mounted before:"), m_present);
    layout->addRow(QString(), m_writeChosen);
    layout->addRow(buttons);

    connect(m_next, &QSpinBox::valueChanged, this, [this](int id) {
        m_session->setNextId(id);
        m_lastResult.clear();
        showState();
    });
    connect(m_folder, &QLineEdit::editingFinished, this, &CardsDialog::watch);
    connect(browse, &QPushButton::clicked, this, &CardsDialog::chooseFolder);
    connect(m_check, &QCheckBox::toggled, this, [this](bool checking) {
        m_session->setMode(checking ? CardSession::Mode::Check : CardSession::Mode::Write);
        showState();
    });
    connect(m_eject, &QCheckBox::toggled, this, [this](bool ejecting) {
        m_session->setEjecting(ejecting);
        Tessaro::WindowSettings kept;
        kept.setValue(u"cards/eject"_s, ejecting);
        kept.save();
    });
    connect(m_present, &QListWidget::currentRowChanged, this,
            [this](int row) { m_writeChosen->setEnabled(row >= 0); });
    connect(m_writeChosen, &QPushButton::clicked, this, &CardsDialog::writeChosenCard);
    connect(saveLog, &QPushButton::clicked, this, &CardsDialog::saveLog);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_session, &CardSession::watching, this, &CardsDialog::showPresent);
    connect(m_session, &CardSession::notWatching, this, [this](const QString &why) {
        m_status->setText(tr("No cards can be found in %1: %2.").arg(m_folder->text(), why));
    });
    connect(m_session, &CardSession::question, this, &CardsDialog::ask);
    connect(m_session, &CardSession::questionWithdrawn, this, [this] {
        if (m_question)
            m_question->close();
    });
    connect(m_session, &CardSession::logged, this, &CardsDialog::logged);
    connect(m_session, &CardSession::stateChanged, this, &CardsDialog::showState);
    m_session->setEjecting(m_eject->isChecked());
    watch();
}

void CardsDialog::reject()
{
    // Nothing more is written once Close is pressed, whatever comes meanwhile.
    m_session->stop();
    if (m_question)
        m_question->close();
    QDialog::reject();
}

void CardsDialog::watch()
{
    m_present->clear();
    m_writeChosen->setEnabled(false);
    m_session->watch(m_folder->text());
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
    const Tessaro::CardSource *source = m_session->source();
    // Without the disk service, the folder it watches instead.
    if (!m_folder->text().isEmpty() || !source->ejects())
        m_folder->setText(source->place());
    m_byHand->setVisible(!source->ejects());
    m_eject->setVisible(source->ejects());
    m_present->clear();
    for (const Card &card : source->present())
        m_present->addItem(u"%1 (%2)"_s.arg(card.label, card.device));
    showState();
}

void CardsDialog::writeChosenCard()
{
    const int row = m_present->currentRow();
    const QList<Card> &present = m_session->source()->present();
    if (row >= 0 && row < present.size())
        m_session->offer(present.at(row));
}

void CardsDialog::ask(const Card &card, int unit, int held)
{
    if (m_replace->isChecked())
        return m_session->answer(true);
    const QString question = held < 0
            ? tr("The card %1 already holds a config.txt. Replace it with the file of unit %2?")
                      .arg(card.label, QString::number(unit))
            : tr("The card %1 already holds the file of unit %2. Replace it with the file of "
                 "unit %3?")
                      .arg(card.label, QString::number(held), QString::number(unit));
    // Asked without a loop of its own: cards inserted meanwhile wait their turn.
    m_question = new QMessageBox(QMessageBox::Question, windowTitle(), question,
                                 QMessageBox::Yes | QMessageBox::No, this);
    m_question->setAttribute(Qt::WA_DeleteOnClose);
    // Enter never overwrites a card.
    m_question->setDefaultButton(QMessageBox::No);
    connect(m_question, &QMessageBox::finished, this,
            [this](int answer) { m_session->answer(answer == QMessageBox::Yes); });
    m_question->open();
}

void CardsDialog::logged(const CardResult &result)
{
    m_log->addItem(result.line());
    m_log->scrollToBottom();
    if (result.kind == CardResult::Waiting || result.kind == CardResult::LeftAlone)
        return;
    const QSignalBlocker quiet(m_next);
    m_next->setValue(m_session->nextId());
    const QString unit = QString::number(result.unit);
    switch (result.kind) {
    case CardResult::Written:
        QApplication::beep();
        m_lastResult = m_session->ejects()
                ? tr("Unit %1 written and verified. You can remove the card.").arg(unit)
                : tr("Unit %1 written and verified. Eject the card, then remove it.").arg(unit);
        break;
    case CardResult::NotEjected:
        m_lastResult = tr("Unit %1 written and verified, but the card was not ejected: %2.")
                               .arg(unit, result.detail);
        break;
    case CardResult::Same:
        m_lastResult = tr("The card of unit %1 is the same as the form.").arg(unit);
        break;
    case CardResult::Different:
        m_lastResult = tr("The card %1 differs from the form.").arg(result.card.label);
        break;
    default:
        m_lastResult = tr("%1: %2.").arg(result.card.label, result.text());
        break;
    }
    showState();
}

void CardsDialog::showState()
{
    QString next;
    switch (m_session->state()) {
    case CardSession::State::Starting:
        next = tr("Looking for cards...");
        break;
    case CardSession::State::Asking:
        next = tr("Waiting for your answer.");
        break;
    case CardSession::State::Preparing:
    case CardSession::State::Writing:
    case CardSession::State::Releasing:
        next = m_session->mode() == CardSession::Mode::Check
                ? tr("Checking a card...")
                : tr("Writing unit %1...").arg(m_session->nextId());
        break;
    case CardSession::State::Waiting:
    case CardSession::State::Done:
        next = m_session->allUsed()
                ? tr("Every ID up to %1 is used.").arg(Tessaro::lastUnitId)
                : m_session->mode() == CardSession::Mode::Check
                ? tr("Insert a card to check.")
                : tr("Insert the card for unit %1.").arg(m_session->nextId());
        break;
    }
    m_status->setText(m_lastResult.isEmpty() ? next : m_lastResult + u' ' + next);
}

void CardsDialog::saveLog()
{
    auto *dialog = new QFileDialog(this, tr("Save Log"), QString(), tr("Text files (*.txt)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(u"txt"_s);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &path) {
        QString text;
        for (const CardResult &result : m_session->log())
            text += result.line() + u'\n';
        const Tessaro::FileStatus written =
                Tessaro::writeFile(path, text.toUtf8(), Tessaro::Existing::Replace);
        if (!written.ok())
            QMessageBox::warning(this, tr("Save Log"),
                                 tr("%1: %2").arg(path, Tessaro::fileProblemText(written)));
    });
    dialog->open();
}
