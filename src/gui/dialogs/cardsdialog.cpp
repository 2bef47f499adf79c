#include "gui/dialogs/cardsdialog.h"

#include "core/safefiles.h"
#include "core/windowsettings.h"
#include "core/format/configurationfile.h"
#include "core/unitfiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
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
#include <QStandardPaths>

using namespace Qt::StringLiterals;
using Tessaro::Card;
using Tessaro::CardResult;
using Tessaro::CardSession;

namespace {

// Where the next run starts, once a run has written a unit: the ID after it.
const QString nextIdKey = u"cards/next"_s;

} // namespace

CardsDialog::CardsDialog(const Tessaro::FormSettings &settings, const QString &source,
                         QWidget *parent)
    : QDialog(parent),
      m_session(new CardSession(settings, Tessaro::firstUnitId, Tessaro::lastUnitId,
                                CardSession::Mode::Write, this)),
      m_formSource(source), m_next(new QSpinBox(this)), m_formId(new QPushButton(this)),
      m_folder(new QLineEdit(this)), m_browse(new QPushButton(tr("&Browse..."), this)),
      m_check(new QCheckBox(tr("C&heck cards (write nothing)"), this)),
      m_replace(new QCheckBox(tr("&Replace a config.txt already on the card"), this)),
      m_eject(new QCheckBox(tr("&Eject each card when written"), this)),
      m_byHand(new QLabel(tr("Eject each card by hand before you pull it."), this)),
      m_status(new QLabel(this)), m_log(new QListWidget(this)), m_present(new QListWidget(this)),
      m_writeChosen(new QPushButton(tr("&Write to the Chosen Card"), this))
{
    setWindowTitle(tr("Write to Cards"));
    m_next->setObjectName(u"spinBox_NextId"_s);
    m_formId->setObjectName(u"pushButton_FormId"_s);
    m_folder->setObjectName(u"lineEdit_WatchedFolder"_s);
    m_browse->setObjectName(u"pushButton_Browse"_s);
    m_check->setObjectName(u"checkBox_Check"_s);
    m_replace->setObjectName(u"checkBox_Replace"_s);
    m_eject->setObjectName(u"checkBox_Eject"_s);
    m_byHand->setObjectName(u"label_ByHand"_s);
    m_status->setObjectName(u"label_Status"_s);
    m_log->setObjectName(u"listWidget_Log"_s);
    m_present->setObjectName(u"listWidget_Present"_s);
    m_writeChosen->setObjectName(u"pushButton_WriteChosen"_s);
    // From the ID after the last one the previous run wrote; the form's is
    // a click away.
    const int formId = settings[Tessaro::optionIndexByName(u"ID")].value;
    const int remembered = Tessaro::WindowSettings().value(nextIdKey).toInt();
    m_next->setRange(Tessaro::firstUnitId, Tessaro::lastUnitId);
    m_next->setValue(remembered >= Tessaro::firstUnitId && remembered <= Tessaro::lastUnitId
                             ? remembered
                             : formId);
    if (remembered > Tessaro::lastUnitId)
        m_lastResult = tr("The last run wrote every ID up to %1; this one starts at the form's.")
                               .arg(Tessaro::lastUnitId);
    m_session->setNextId(m_next->value());
    m_formId->setText(tr("The &Form's ID: %1").arg(formId));
    m_eject->setChecked(Tessaro::WindowSettings().value(u"cards/eject"_s, true).toBool());
    m_eject->setEnabled(false);
    m_byHand->hide();
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

    auto *nextRow = new QHBoxLayout;
    nextRow->addWidget(m_next);
    nextRow->addWidget(m_formId);
    nextRow->addStretch();
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(m_browse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(u"buttonBox"_s);
    QPushButton *saveLog = buttons->addButton(tr("&Save Log..."), QDialogButtonBox::ActionRole);
    saveLog->setObjectName(u"pushButton_SaveLog"_s);
    auto *layout = new QFormLayout(this);
    auto *nextLabel = new QLabel(tr("&Next ID:"), this);
    nextLabel->setBuddy(m_next);
    layout->addRow(nextLabel, nextRow);
    auto *folderLabel = new QLabel(tr("Cards &from:"), this);
    folderLabel->setBuddy(m_folder);
    layout->addRow(folderLabel, folderRow);
    // Where cards are found in no folder the user names, there is none to name.
    layout->setRowVisible(folderLabel, Tessaro::watchesCardFolders());
    layout->addRow(QString(), m_byHand);
    layout->addRow(QString(), m_check);
    layout->addRow(QString(), m_replace);
    layout->addRow(QString(), m_eject);
    layout->addRow(m_status);
    layout->addRow(tr("Cards:"), m_log);
    layout->addRow(tr("Inserted before:"), m_present);
    layout->addRow(QString(), m_writeChosen);
    layout->addRow(buttons);

    connect(m_next, &QSpinBox::valueChanged, this, [this](int id) {
        m_session->setNextId(id);
        m_lastResult.clear();
        showState();
    });
    connect(m_formId, &QPushButton::clicked, this, [this, formId] { m_next->setValue(formId); });
    connect(m_folder, &QLineEdit::editingFinished, this, &CardsDialog::watch);
    connect(m_browse, &QPushButton::clicked, this, &CardsDialog::chooseFolder);
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
    // The card chosen is the one shown chosen: selected, not only focused.
    connect(m_present, &QListWidget::itemSelectionChanged, this,
            [this] { m_writeChosen->setEnabled(!chosenCard().isEmpty()); });
    connect(m_writeChosen, &QPushButton::clicked, this, &CardsDialog::writeChosenCard);
    connect(saveLog, &QPushButton::clicked, this, &CardsDialog::saveLog);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_session, &CardSession::watching, this, &CardsDialog::showWatching);
    connect(m_session, &CardSession::notWatching, this, [this](const QString &why) {
        m_notWatching = m_folder->text().isEmpty() && Tessaro::watchesCardFolders()
                ? tr("No cards can be found: %1. Choose a folder to watch.").arg(why)
                : tr("No cards can be found: %1.").arg(why);
        m_eject->setEnabled(false);
        m_byHand->hide();
        m_folder->setPlaceholderText(tr("a folder where cards are mounted"));
        showState();
    });
    connect(m_session, &CardSession::question, this, &CardsDialog::ask);
    connect(m_session, &CardSession::questionWithdrawn, this, [this] {
        if (m_question)
            m_question->close();
    });
    connect(m_session, &CardSession::logged, this, &CardsDialog::logged);
    connect(m_session, &CardSession::stateChanged, this, &CardsDialog::showState);
    connect(m_session, &CardSession::finished, this, &CardsDialog::finished);
    connect(m_session, &CardSession::presentChanged, this, &CardsDialog::showPresent);
    m_session->setEjecting(m_eject->isChecked());
    // Return in a field never presses a button: it only ends the field.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    watch();
}

void CardsDialog::reject()
{
    // Nothing more is written once Close is pressed, whatever comes
    // meanwhile; the dialog goes once the card whose turn it was is back.
    if (std::exchange(m_closing, true))
        return;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setEnabled(child == m_status || child == m_log);
    m_session->end();
}

void CardsDialog::finished()
{
    if (!m_session->written().isEmpty()) {
        Tessaro::WindowSettings kept;
        kept.setValue(nextIdKey, m_session->written().last() + 1);
        kept.save();
    }
    if (m_closing)
        QDialog::reject();
}

void CardsDialog::watch()
{
    // The field ends its editing on Return and again when left: what is
    // watched already is not watched anew.
    if (m_session->source() && m_folder->text() == m_watched)
        return;
    m_watched = m_folder->text();
    m_present->clear();
    m_writeChosen->setEnabled(false);
    m_notWatching.clear();
    m_session->watch(m_folder->text());
    showState();
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

void CardsDialog::showWatching()
{
    const Tessaro::CardSource *source = m_session->source();
    // Without the disk service, the folder it watches instead.
    if (!m_folder->text().isEmpty() || !source->ejects()) {
        m_folder->setText(source->place());
        m_watched = m_folder->text();
    } else {
        m_folder->setPlaceholderText(source->place());
    }
    m_byHand->setVisible(!source->ejects());
    m_eject->setEnabled(source->ejects());
    showPresent();
    showState();
}

void CardsDialog::showPresent()
{
    // Each entry knows its card: the list may change between a choice and
    // the click that writes it.
    const QString chosen = chosenCard();
    m_present->clear();
    for (const Card &card : m_session->present()) {
        auto *item = new QListWidgetItem(
                card.place.isEmpty() ? tr("%1, not mounted").arg(card.name()) : card.name(),
                m_present);
        item->setData(Qt::UserRole, card.key);
        item->setSelected(card.key == chosen);
    }
    m_writeChosen->setEnabled(!chosenCard().isEmpty());
}

QString CardsDialog::chosenCard() const
{
    const QList<QListWidgetItem *> chosen = m_present->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->data(Qt::UserRole).toString();
}
void CardsDialog::writeChosenCard()
{
    const QString chosen = chosenCard();
    for (const Card &card : m_session->present()) {
        if (card.key == chosen)
            m_session->offer(card);
    }
    showPresent();
}

void CardsDialog::ask(const Card &card, int unit, int held)
{
    if (m_replace->isChecked())
        return m_session->answer(true);
    const QString question = held < 0
            ? tr("The card %1 already holds a config.txt. Replace it with the file of unit %2?")
                      .arg(card.name(), QString::number(unit))
            : tr("The card %1 already holds the file of unit %2. Replace it with the file of "
                 "unit %3?")
                      .arg(card.name(), QString::number(held), QString::number(unit));
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
    showPresent();
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
        m_lastResult = tr("The card %1 differs from the form.").arg(result.card.name());
        break;
    default:
        m_lastResult = tr("%1: %2.").arg(result.card.name(), result.text());
        break;
    }
    showState();
}

void CardsDialog::showState()
{
    const bool busy = m_session->busy();
    m_folder->setEnabled(!busy && !m_closing);
    m_browse->setEnabled(!busy && !m_closing);
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
        next = m_closing ? tr("Putting the card back...")
                : m_session->mode() == CardSession::Mode::Check
                ? tr("Checking a card...")
                : tr("Writing unit %1...").arg(m_session->nextId());
        break;
    case CardSession::State::Ending:
        next = tr("Closing...");
        break;
    case CardSession::State::Waiting:
    case CardSession::State::Done:
        next = !m_notWatching.isEmpty() ? m_notWatching
                : m_session->allUsed()  ? tr("Every ID up to %1 is used.").arg(Tessaro::lastUnitId)
                : m_session->mode() == CardSession::Mode::Check
                ? tr("Insert a card to check.")
                : tr("Insert the card for unit %1.").arg(m_session->nextId());
        break;
    }
    m_status->setText(m_lastResult.isEmpty() ? next : m_lastResult + u' ' + next);
}

void CardsDialog::saveLog()
{
    const QDateTime now = QDateTime::currentDateTime();
    auto *dialog = new QFileDialog(
            this, tr("Save Log"),
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                    .filePath(tr("cards-%1.txt").arg(now.date().toString(Qt::ISODate))),
            tr("Text files (*.txt)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(u"txt"_s);
    connect(dialog, &QFileDialog::fileSelected, this, [this, now](const QString &path) {
        const QList<int> &written = m_session->written();
        QStringList lines{
                tr("Write to Cards, %1").arg(now.toString(Qt::ISODate)),
                tr("Form: %1").arg(m_formSource.isEmpty() ? tr("as set in the window")
                                                          : m_formSource),
                tr("Written: %1")
                        .arg(written.isEmpty() ? tr("none") : Tessaro::unitIdsText(written)),
                QString()};
        for (const CardResult &result : m_session->log())
            lines << result.datedLine();
        // A text file as the system's own text files are.
        const QLatin1StringView end = Tessaro::systemLineEnd();
        const Tessaro::FileStatus saved = Tessaro::writeFile(
                path, (lines.join(end) + end).toUtf8(), Tessaro::Existing::Replace);
        if (!saved.ok())
            QMessageBox::warning(this, tr("Save Log"),
                                 tr("%1: %2").arg(path, Tessaro::fileProblemText(saved)));
    });
    dialog->open();
}
