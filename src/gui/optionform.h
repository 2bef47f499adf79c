#pragma once

#include "core/format/configurationformat.h"
#include "core/catalogue/optioncatalogue.h"

#include <QPalette>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QSpinBox;

class FunctionListModel;
class InfoLabel;

// Text in a colour of its own, and in the form's grey when disabled.
QPalette textPalette(const QColor &colour);

// A label's text as a screen reader's name: "Volume" for "Volume:", "ID" for "ID :".
QString nameFromLabel(const QString &label);

// The option rows, one per catalogue entry: a check box, the italic
// description and the value's spin box or list, with a line between rows.
// It owns its widgets; the window and the commands work on its data.
class OptionForm : public QWidget
{
    Q_OBJECT

public:
    explicit OptionForm(const QFont &font, QWidget *parent = nullptr);
    ~OptionForm() override;

    // What every row holds: ticked or not, and its value.
    Tessaro::FormSettings settings() const;
    void setSettings(const Tessaro::FormSettings &settings);

    // Fills the value lists with their texts in the current language; each
    // list's entry may change.
    void fillValueLists();
    // The rows' texts, and what screen readers say of them, in the current
    // language.
    void retranslate();
    // A number being typed counts as typed out: what a field shows is its value.
    void settleValueEdits();
    // The width that shows every description whole beside its value.
    int wholeWidth();

    // What an import found, as a mark at the description of each row it
    // concerns: a warning where a line was refused, a note for the others.
    // The text is the mark's tool tip and what a screen reader says of the
    // row's value. A row's mark goes when its tick or value changes.
    void showFindings(const QList<Tessaro::Finding> &findings);
    void clearFindings();

    // The row a widget belongs to, or -1.
    int rowOf(const QWidget *widget) const;
    void focusValue(int row);

signals:
    // Any tick or value changed, by the user or by a call; once per call.
    void settingsChanged();
    // The keyboard focus moved to another row, or out of the rows (-1).
    void focusedRowChanged(int row);

private:
    struct Row
    {
        QHBoxLayout *layout = nullptr;
        QCheckBox *checkBox = nullptr;
        InfoLabel *infoLabel = nullptr;
        QSpinBox *spinBox = nullptr;   // rows without a value list
        QComboBox *comboBox = nullptr; // rows with one
        QLabel *mark = nullptr;        // made for a row's first finding
        QWidget *value() const;
    };

    // A widget of a row changed: its mark goes, and the change is told at
    // once, unless a call is changing many.
    void rowChanged(int row);
    // A row's finding as its mark says it, with what the row shows now.
    QString findingText(const Tessaro::Finding &finding) const;
    void setMark(int row, const QString &text, bool warning);
    void hideMark(int row);
    // Runs change, then tells of it once if the settings differ.
    template<typename Change> void changeAtOnce(Change change);

    std::array<Row, Tessaro::optionCount> m_rows;
    // The function entries, one model shared by every function row:
    // filling it once fills them all, and each row keeps its own entry.
    FunctionListModel *m_functions;
    bool m_changing = false;
    // Follows the application's focus; cut before the rows go, as each
    // row's widget gives the focus up while the form is destroyed.
    QMetaObject::Connection m_focusWatch;
};
