#include "gui/dialogs/comparedialog.h"

#include "core/format/comparison.h"
#include "core/format/importreport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CompareDialog::CompareDialog(const QString &path, const Tessaro::FileReading &reading,
                             const Tessaro::FormSettings &form, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title());
    const QList<Tessaro::Difference> differences = Tessaro::compareWithForm(reading, form);
    auto *heading = new QLabel(this);
    heading->setObjectName(u"label_Heading"_s);
    heading->setTextFormat(Qt::PlainText); // a file name is data
    heading->setWordWrap(true);
    heading->setToolTip(QDir::toNativeSeparators(path));
    auto *rows = new QTreeWidget(this);
    rows->setObjectName(u"treeWidget_Differences"_s);
    rows->setRootIsDecorated(false);
    rows->setHeaderLabels({tr("Row"), tr("In the file"), tr("In the form")});
    rows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const auto valueText = [](const Tessaro::OptionRow &row, const Tessaro::RowValue &value,
                              int lineNumber) {
        if (!value.written)
            return tr("not written");
        if (!value.value)
            return tr("refused (line %1)").arg(lineNumber);
        // As the form shows it, and as the file spells it where that differs.
        const QString shown = Tessaro::formValueText(row, *value.value);
        const QString spelled = Tessaro::fileValueText(row, *value.value);
        return shown == spelled ? shown : tr("%1 (%2)").arg(shown, spelled);
    };
    for (const Tessaro::Difference &difference : differences) {
        const Tessaro::OptionRow &row = Tessaro::optionCatalogue[difference.row];
        rows->addTopLevelItem(new QTreeWidgetItem(
                {Tessaro::optionInfo(row), valueText(row, difference.file, difference.lineNumber),
                 valueText(row, difference.form, 0)}));
    }
    heading->setText(differences.isEmpty()
                             ? tr("The file and the form are the same.")
                             : tr("%1 and the form differ in these rows:")
                                       .arg(QFileInfo(path).fileName()));
    heading->setBuddy(rows);

    auto *findingsLabel = new QLabel(tr("What the unit reads otherwise than the file says:"), this);
    auto *findings = new QListWidget(this);
    findings->setObjectName(u"listWidget_Findings"_s);
    findingsLabel->setBuddy(findings);
    for (const Tessaro::Finding &finding : reading.findings) {
        if (Tessaro::concernsTheFile(finding))
            findings->addItem(tr("Line %1: %2").arg(finding.lineNumber)
                                      .arg(Tessaro::findingText(finding)));
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(u"buttonBox"_s);
    QPushButton *import = buttons->addButton(tr("&Import It"), QDialogButtonBox::AcceptRole);
    import->setObjectName(u"pushButton_Import"_s);
    import->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    // The rows are what was asked; the findings are usually a line or two.
    layout->addWidget(rows, 3);
    layout->addWidget(findingsLabel);
    layout->addWidget(findings, 1);
    layout->addWidget(buttons);
    rows->setVisible(!differences.isEmpty());
    findingsLabel->setVisible(findings->count() > 0);
    findings->setVisible(findings->count() > 0);
    resize(sizeHint().expandedTo(QSize(560, 0)));
}

QString CompareDialog::title()
{
    return tr("Compare with File");
}
