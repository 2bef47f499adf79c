#include "gui/optionform.h"

#include "gui/accessiblevaluelist.h"
#include "gui/elidinglabel.h"
#include "core/catalogue/functionlistmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProxyStyle>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using Tessaro::optionCatalogue;
using Tessaro::optionCount;
using Tessaro::OptionRow;
using Tessaro::ValueList;

namespace {

// Lets a value widget take the mouse wheel only once the user has given it
// the keyboard focus, by a click or Tab: otherwise the wheel scrolls the
// form, and a value never changes under a pointer that merely passes by.
class WheelOnlyWithFocus : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget *>(watched)->hasFocus())
            return false;
        event->ignore(); // handed on to the scroll area
        return true;
    }
};

// A list that opens as a list of at most maxVisibleItems entries with a
// scroll bar, where the style would open one as tall as the screen.
class ScrollingPopupStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        return hint == SH_ComboBox_Popup ? 0
                                         : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

constexpr int functionListVisibleEntries = 20;

// The width, in the 'X's by which Qt sizes a combo box, that the widest of
// texts needs. Only these few texts are measured, never every entry of a
// list, and each as the sum of its characters' advances: cheap enough for
// every language switch, and never narrower than the text drawn, which
// kerning only tightens.
int contentsLength(const QFontMetrics &metrics, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts) {
        int width = 0;
        for (QChar character : text)
            width += metrics.horizontalAdvance(character);
        widest = std::max(widest, width);
    }
    const int character = metrics.horizontalAdvance(u'X');
    return (widest + character - 1) / character;
}

// The function entries that can be the widest: the six commands, a folder
// and a serial command, whose digits all have one width.
QStringList widestFunctionCandidates(const Tessaro::FunctionTexts &texts)
{
    QStringList candidates(texts.commands.begin(), texts.commands.end());
    candidates << texts.text(Tessaro::firstFolderEntry)
               << texts.text(Tessaro::firstSerialCommandEntry);
    return candidates;
}

} // namespace

QString nameFromLabel(const QString &label)
{
    return label.endsWith(u':') ? label.chopped(1).trimmed() : label;
}

QPalette textPalette(const QColor &colour)
{
    QPalette palette;
    palette.setBrush(QPalette::Active, QPalette::WindowText, colour);
    palette.setBrush(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, QColor(118, 116, 108));
    return palette;
}

QWidget *OptionForm::Row::value() const
{
    return spinBox ? static_cast<QWidget *>(spinBox) : comboBox;
}

OptionForm::OptionForm(const QFont &font, QWidget *parent)
    : QWidget(parent), m_functions(new FunctionListModel(this))
{
    setObjectName("scrollAreaWidgetContents"_L1);
    setGeometry(QRect(0, 0, 483, 854));
    auto *verticalLayout = new QVBoxLayout(this);
    verticalLayout->setSpacing(6);
    verticalLayout->setContentsMargins(11, 11, 11, 11);
    verticalLayout->setObjectName("verticalLayout"_L1);

    nameValueListsForScreenReaders();
    auto *wheelGuard = new WheelOnlyWithFocus(this);

    QFont infoFont = font;
    infoFont.setItalic(true);
    for (int i = 0; i < optionCount; ++i) {
        const OptionRow &option = optionCatalogue[i];
        const QString stem = QLatin1StringView(option.objectStem);
        Row &row = m_rows[i];

        row.layout = new QHBoxLayout();
        row.layout->setSpacing(6);
        row.layout->setObjectName(u"horizontalLayout_"_s + stem);

        row.checkBox = new QCheckBox(this);
        row.checkBox->setObjectName(u"checkBox_"_s + stem);
        row.layout->addWidget(row.checkBox);
        connect(row.checkBox, &QCheckBox::toggled, this, [this, i] { rowChanged(i); });

        row.infoLabel = new InfoLabel(this);
        row.infoLabel->setObjectName(QLatin1StringView(option.infoLabelName));
        row.infoLabel->setPalette(textPalette(QColor::fromRgb(option.infoColour)));
        row.infoLabel->setFont(infoFont);
        row.infoLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.layout->addWidget(row.infoLabel);

        if (option.list == ValueList::None) {
            row.spinBox = new QSpinBox(this);
            row.spinBox->setObjectName(u"spinBox_"_s + stem);
            row.spinBox->setRange(option.minimum, option.maximum);
            row.spinBox->setValue(option.defaultValue);
            // A field left blank shows its value again: without this, Qt keeps
            // a field emptied by Ctrl+U blank while the value stays.
            connect(row.spinBox, &QAbstractSpinBox::editingFinished, row.spinBox,
                    [spinBox = row.spinBox] { spinBox->setValue(spinBox->value()); });
            connect(row.spinBox, &QSpinBox::valueChanged, this, [this, i] { rowChanged(i); });
        } else {
            row.comboBox = new QComboBox(this);
            row.comboBox->setObjectName(u"comboBox_"_s + stem);
            // Sized by the width its lists are filled with, never by measuring
            // each entry, and never narrower: the value must show whole.
            row.comboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            row.comboBox->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            if (option.list == ValueList::Functions) {
                row.comboBox->setModel(m_functions);
                row.comboBox->setMaxVisibleItems(functionListVisibleEntries);
                if (auto *view = qobject_cast<QListView *>(row.comboBox->view()))
                    view->setUniformItemSizes(true);
            }
            connect(row.comboBox, &QComboBox::currentIndexChanged, this, [this, i] {
                announceEntryChange(m_rows[i].comboBox);
                rowChanged(i);
            });
        }
        QWidget *value = row.value();
        value->setFont(font);
        value->setFocusPolicy(Qt::StrongFocus);
        value->installEventFilter(wheelGuard);
        row.layout->addWidget(value);
        verticalLayout->addLayout(row.layout);

        if (i < optionCount - 1) {
            auto *line = new QFrame(this);
            line->setObjectName(i == 0 ? u"line"_s : u"line_"_s + QString::number(i + 1));
            line->setPalette(textPalette(QColor(172, 168, 153)));
            line->setFrameShadow(QFrame::Plain);
            line->setFrameShape(QFrame::HLine);
            verticalLayout->addWidget(line);
        }
    }
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget *, QWidget *now) { emit focusedRowChanged(rowOf(now)); });
    // Made after the lists, so that it outlives them.
    auto *popupStyle = new ScrollingPopupStyle;
    popupStyle->setParent(this);
    for (const Row &row : m_rows) {
        if (row.comboBox && row.comboBox->model() == m_functions) {
            row.comboBox->setStyle(popupStyle);
            // The list view was made under the style's own rule, without one.
            row.comboBox->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        }
    }
}

OptionForm::~OptionForm()
{
    disconnect(m_focusWatch);
}

Tessaro::FormSettings OptionForm::settings() const
{
    Tessaro::FormSettings settings;
    for (int i = 0; i < optionCount; ++i) {
        const Row &row = m_rows[i];
        settings[i] = {row.checkBox->isChecked(),
                       row.spinBox ? row.spinBox->value() : row.comboBox->currentIndex()};
    }
    return settings;
}

void OptionForm::setSettings(const Tessaro::FormSettings &settings)
{
    changeAtOnce([&] {
        for (int i = 0; i < optionCount; ++i) {
            m_rows[i].checkBox->setChecked(settings[i].enabled);
            if (m_rows[i].spinBox)
                m_rows[i].spinBox->setValue(settings[i].value);
            else
                m_rows[i].comboBox->setCurrentIndex(settings[i].value);
        }
    });
}

void OptionForm::rowChanged(int row)
{
    hideMark(row);
    if (!m_changing)
        emit settingsChanged();
}

template<typename Change> void OptionForm::changeAtOnce(Change change)
{
    // A change made inside another is told by the outer one, once.
    if (m_changing)
        return change();
    const Tessaro::FormSettings before = settings();
    m_changing = true;
    change();
    m_changing = false;
    if (settings() != before)
        emit settingsChanged();
}

void OptionForm::fillValueLists()
{
    changeAtOnce([this] {
        // One model for every function row: filling it refills them all.
        // They share a font, so their width is measured once.
        m_functions->fill();
        const QFontMetrics metrics(font());
        const int functionLength =
                contentsLength(metrics, widestFunctionCandidates(m_functions->texts()));
        for (int i = 0; i < optionCount; ++i) {
            const ValueList list = optionCatalogue[i].list;
            QComboBox *combo = m_rows[i].comboBox;
            switch (list) {
            case ValueList::None:
                break;
            case ValueList::Functions:
                combo->setMinimumContentsLength(functionLength);
                break;
            case ValueList::Power:
            case ValueList::Monitoring:
            case ValueList::BaudRates: {
                // Baud-rate entries carry their rate; the other lists no data.
                const QStringList texts = Tessaro::valueListTexts(list);
                combo->clear();
                for (int entry = 0; entry < int(texts.size()); ++entry)
                    combo->addItem(texts[entry],
                                   list == ValueList::BaudRates
                                           ? QVariant(Tessaro::baudRates[entry])
                                           : QVariant());
                combo->setMinimumContentsLength(contentsLength(metrics, texts));
                break;
            }
            }
        }
        // The values in one column of one width, the widest's: fixed, as a
        // number field's own width changes once the language change reaches it.
        int widest = 0;
        for (const Row &row : m_rows)
            widest = std::max(widest, row.value()->sizeHint().width());
        for (const Row &row : m_rows)
            row.value()->setFixedWidth(widest);
    });
}

void OptionForm::retranslate()
{
    for (int i = 0; i < optionCount; ++i) {
        const QString label = Tessaro::optionLabel(optionCatalogue[i]);
        const QString info = Tessaro::optionInfo(optionCatalogue[i]);
        m_rows[i].checkBox->setText(label);
        m_rows[i].infoLabel->setWholeText(info);
        // What a screen reader says of the value: the row's name, then its
        // description.
        m_rows[i].value()->setAccessibleName(nameFromLabel(label));
        m_rows[i].value()->setAccessibleDescription(info);
    }
}

void OptionForm::settleValueEdits()
{
    for (const Row &row : m_rows) {
        if (row.spinBox) {
            row.spinBox->interpretText();
            row.spinBox->setValue(row.spinBox->value());
        }
    }
}

int OptionForm::wholeWidth()
{
    // The rows' layouts, and the form's around them, keep the sizes their
    // widgets had until invalidated.
    for (const Row &row : m_rows)
        row.layout->invalidate();
    layout()->invalidate();
    return sizeHint().width();
}

void OptionForm::showFindings(const QList<Tessaro::Finding> &findings)
{
    clearFindings();
    // A row's mark quotes a few of its lines, then counts the others: a file
    // may name one row on every one of its lines.
    constexpr int quoted = 3;
    std::array<QStringList, optionCount> texts;
    std::array<int, optionCount> unquoted{};
    std::array<bool, optionCount> warnings{};
    for (const Tessaro::Finding &finding : findings) {
        if (finding.row < 0)
            continue;
        warnings[finding.row] = warnings[finding.row] || finding.kind == Tessaro::Finding::Refused;
        if (texts[finding.row].size() < quoted)
            texts[finding.row] << findingText(finding);
        else
            ++unquoted[finding.row];
    }
    for (int i = 0; i < optionCount; ++i) {
        QStringList &text = texts[i];
        if (const int more = unquoted[i])
            text << QCoreApplication::translate("MainWindow", "%n more line(s) like these.",
                                                nullptr, more);
        if (!text.isEmpty())
            setMark(i, text.join(u'\n'), warnings[i]);
    }
}

QString OptionForm::findingText(const Tessaro::Finding &finding) const
{
    const OptionRow &option = optionCatalogue[finding.row];
    const Row &row = m_rows[finding.row];
    switch (finding.kind) {
    case Tessaro::Finding::Refused:
        return QCoreApplication::translate("MainWindow",
                                           "Line %1: \"%2\" was refused; the row keeps %3.")
                .arg(finding.lineNumber)
                .arg(finding.text, row.spinBox ? QString::number(row.spinBox->value())
                                               : row.comboBox->currentText());
    case Tessaro::Finding::ReadInPart:
        return (option.list == ValueList::Functions
                        ? QCoreApplication::translate("MainWindow",
                                                      "Line %1: \"%2\" was read as %3.")
                        : QCoreApplication::translate(
                                "MainWindow",
                                "Line %1: \"%2\" was read as %3; the unit reads %n digit(s).",
                                nullptr, option.digitWindow))
                .arg(finding.lineNumber)
                .arg(finding.text, Tessaro::fileValueText(option, finding.value));
    case Tessaro::Finding::GivenAgain:
        return QCoreApplication::translate("MainWindow",
                                           "Line %1 sets %2 again; line %3's value is replaced.")
                .arg(finding.lineNumber)
                .arg(nameFromLabel(row.checkBox->text()))
                .arg(finding.earlierLine);
    case Tessaro::Finding::OutOfFormRange:
        return QCoreApplication::translate(
                       "MainWindow", "Line %1: the file's %2 is %3; the form shows and writes %4.")
                .arg(finding.lineNumber)
                .arg(nameFromLabel(row.checkBox->text()))
                .arg(finding.value)
                .arg(row.spinBox ? row.spinBox->value() : row.comboBox->currentIndex());
    case Tessaro::Finding::NotRecognised:
    case Tessaro::Finding::CarriageReturns:
        break;
    }
    return {};
}

void OptionForm::clearFindings()
{
    for (int i = 0; i < optionCount; ++i)
        hideMark(i);
}

void OptionForm::hideMark(int row)
{
    if (!m_rows[row].mark || m_rows[row].mark->isHidden())
        return;
    m_rows[row].mark->hide();
    m_rows[row].value()->setAccessibleDescription(m_rows[row].infoLabel->text());
}

void OptionForm::setMark(int row, const QString &text, bool warning)
{
    QLabel *&mark = m_rows[row].mark;
    if (!mark) {
        mark = new QLabel(this);
        mark->setObjectName(u"mark_"_s + QLatin1StringView(optionCatalogue[row].objectStem));
        m_rows[row].layout->insertWidget(2, mark); // after the description
    }
    const int side = m_rows[row].infoLabel->fontMetrics().height();
    mark->setPixmap(style()->standardIcon(warning ? QStyle::SP_MessageBoxWarning
                                                  : QStyle::SP_MessageBoxInformation)
                            .pixmap(side, side));
    mark->setToolTip(text);
    // Heard with its row: the finding is part of what the value's
    // description says, and the mark is named after the row.
    const QString name = nameFromLabel(m_rows[row].checkBox->text());
    mark->setAccessibleName(
            warning ? QCoreApplication::translate("MainWindow", "%1: warning").arg(name)
                    : QCoreApplication::translate("MainWindow", "%1: note").arg(name));
    mark->setAccessibleDescription(text);
    m_rows[row].value()->setAccessibleDescription(m_rows[row].infoLabel->text() + u'\n' + text);
    mark->show();
}

int OptionForm::rowOf(const QWidget *widget) const
{
    for (int i = 0; i < optionCount; ++i) {
        const Row &row = m_rows[i];
        for (const QWidget *part : std::array<const QWidget *, 2>{row.checkBox, row.value()}) {
            if (widget && (widget == part || part->isAncestorOf(widget)))
                return i;
        }
    }
    return -1;
}

void OptionForm::focusValue(int row)
{
    QWidget *value = m_rows[row].value();
    value->setFocus(Qt::OtherFocusReason);
    // The form scrolls to it, as it does when Tab moves there.
    for (QWidget *up = parentWidget(); up; up = up->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(up)) {
            area->ensureWidgetVisible(value);
            break;
        }
    }
}
