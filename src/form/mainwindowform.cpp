#include "form/mainwindowform.h"

#include "app/language.h"
#include "app/windowicon.h"
#include "form/accessiblevaluelist.h"
#include "form/elidinglabel.h"
#include "form/functionlistmodel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Tessaro::optionCatalogue;
using Tessaro::optionCount;
using Tessaro::OptionRow;
using Tessaro::ValueList;

namespace Ui {

namespace {

struct ActionEntry
{
    QAction *MainWindow::*action;
    const char *objectName;
    const char *text;     // translated in context "MainWindow"
    const char *shortcut; // never translated; only menu actions have one
    const char *icon;     // file name under :/ressources/ressources/
    bool windowFont;      // drawn in the window's font, as the menus are
};

// The actions but the languages', which the language table gives.
const ActionEntry actionEntries[] = {
        {&MainWindow::action_Quit, "action_Quit", QT_TRANSLATE_NOOP("MainWindow", "&Quit"),
         "Ctrl+Q", "door.png", true},
        {&MainWindow::action_About, "action_About", QT_TRANSLATE_NOOP("MainWindow", "&About"),
         nullptr, "information.png", true},
        {&MainWindow::actionContact_Technical_Support, "actionContact_Technical_Support",
         QT_TRANSLATE_NOOP("MainWindow", "&Contact Technical Support"), nullptr, "email_edit.png",
         true},
        {&MainWindow::actionOrvel_Home_Page, "actionOrvel_Home_Page",
         QT_TRANSLATE_NOOP("MainWindow", "&Orvel Home Page"), nullptr, "house.png", true},
        {&MainWindow::action_Generate_Configuration_File, "action_Generate_Configuration_File",
         QT_TRANSLATE_NOOP("MainWindow", "&Generate Configuration File"), "Ctrl+S", "cog_edit.png",
         false},
        {&MainWindow::action_Generate_For_Several_Units, "action_Generate_For_Several_Units",
         QT_TRANSLATE_NOOP("MainWindow", "Generate for Several U&nits..."), "Ctrl+Shift+S",
         "GenerateUnits.png", false},
        {&MainWindow::action_Import_Configuration_File, "action_Import_Configuration_File",
         QT_TRANSLATE_NOOP("MainWindow", "&Import Configuration File"), "Ctrl+O", "folder_page.png",
         false},
        {&MainWindow::action_Generate_Configuration_File_ToolBar,
         "action_Generate_Configuration_File_ToolBar",
         QT_TRANSLATE_NOOP("MainWindow", "&Generate Configuration File"), nullptr, "cog_edit.png",
         false},
        {&MainWindow::action_Import_Configuration_File_Toolbar,
         "action_Import_Configuration_File_Toolbar",
         QT_TRANSLATE_NOOP("MainWindow", "Import Configuration File"), nullptr, "folder_page.png",
         false},
        {&MainWindow::actionDefault_settings, "actionDefault_settings",
         QT_TRANSLATE_NOOP("MainWindow", "&Apply Default Settings"), "Ctrl+D", "arrow_refresh.png",
         false},
        {&MainWindow::actionDefault_settings_ToolBar, "actionDefault_settings_ToolBar",
         QT_TRANSLATE_NOOP("MainWindow", "Apply Default Settings"), nullptr, "arrow_refresh.png",
         false},
        {&MainWindow::action_Select_All_Options, "action_Select_All_Options",
         QT_TRANSLATE_NOOP("MainWindow", "&Select All Options"), "Ctrl+C", "CheckAll.png", false},
        {&MainWindow::action_Unselect_All_options, "action_Unselect_All_options",
         QT_TRANSLATE_NOOP("MainWindow", "&Unselect All options"), "Ctrl+U", "UnCheckAll.png",
         false},
        {&MainWindow::action_Select_All_Options_Toolbar, "action_Select_All_Options_Toolbar",
         QT_TRANSLATE_NOOP("MainWindow", "Select All Options"), nullptr, "CheckAll.png", false},
        {&MainWindow::action_Unselect_All_options_Toolbar, "action_Unselect_All_options_Toolbar",
         QT_TRANSLATE_NOOP("MainWindow", "Unselect All options"), nullptr, "UnCheckAll.png", false},
};

const QColor disabledText(118, 116, 108);

QPalette textPalette(const QColor &colour)
{
    QPalette palette;
    palette.setBrush(QPalette::Active, QPalette::WindowText, colour);
    palette.setBrush(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, disabledText);
    return palette;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// A label's text as a name: "Volume" for "Volume:", "ID" for "ID :".
QString withoutColon(const QString &label)
{
    return label.endsWith(u':') ? label.chopped(1).trimmed() : label;
}

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

} // namespace

int OptionRowWidgets::value() const
{
    return spinBox ? spinBox->value() : comboBox->currentIndex();
}

void OptionRowWidgets::setValue(int value)
{
    if (spinBox)
        spinBox->setValue(value);
    else
        comboBox->setCurrentIndex(value);
}

void MainWindow::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName("MainWindow"_L1);
    window->resize(520, 640);
    QFont font;
    font.setStyleStrategy(QFont::PreferAntialias);
    window->setFont(font);
    window->setWindowIcon(Tessaro::windowIcon());

    QHash<QString, QIcon> icons; // one icon object for a menu action and its tool bar twin
    for (const ActionEntry &entry : actionEntries) {
        QAction *action = new QAction(window);
        this->*entry.action = action;
        action->setObjectName(QLatin1StringView(entry.objectName));
        if (entry.icon) {
            const QString path = u":/ressources/ressources/"_s + QLatin1StringView(entry.icon);
            if (!icons.contains(path))
                icons.insert(path, QIcon(path));
            action->setIcon(icons.value(path));
        }
        if (entry.shortcut)
            action->setShortcut(QKeySequence(QLatin1StringView(entry.shortcut)));
        if (entry.windowFont)
            action->setFont(font);
    }
    for (std::size_t i = 0; i < Tessaro::languages.size(); ++i) {
        QAction *action = new QAction(window);
        action->setObjectName(QLatin1StringView(Tessaro::languages[i].actionName));
        action->setCheckable(true);
        action->setFont(font);
        languageActions[i] = action;
    }

    centralWidget = new QWidget(window);
    centralWidget->setObjectName("centralWidget"_L1);
    verticalLayout_2 = new QVBoxLayout(centralWidget);
    verticalLayout_2->setSpacing(6);
    verticalLayout_2->setContentsMargins(11, 11, 11, 11);
    verticalLayout_2->setObjectName("verticalLayout_2"_L1);

    scrollArea = new QScrollArea(centralWidget);
    scrollArea->setObjectName("scrollArea"_L1);
    scrollArea->setEnabled(true);
    scrollArea->setFrameShadow(QFrame::Sunken);
    scrollArea->setLineWidth(0);
    scrollArea->setWidgetResizable(true);
    scrollAreaWidgetContents = new QWidget();
    scrollAreaWidgetContents->setObjectName("scrollAreaWidgetContents"_L1);
    scrollAreaWidgetContents->setGeometry(QRect(0, 0, 483, 854));
    verticalLayout = new QVBoxLayout(scrollAreaWidgetContents);
    verticalLayout->setSpacing(6);
    verticalLayout->setContentsMargins(11, 11, 11, 11);
    verticalLayout->setObjectName("verticalLayout"_L1);

    nameValueListsForScreenReaders();
    functionList = new FunctionListModel(window);
    auto *wheelGuard = new WheelOnlyWithFocus(window);
    QFont infoFont = font;
    infoFont.setItalic(true);
    for (int i = 0; i < optionCount; ++i) {
        const OptionRow &option = optionCatalogue[i];
        const QString stem = QLatin1StringView(option.objectStem);
        OptionRowWidgets &row = rows[i];

        row.layout = new QHBoxLayout();
        row.layout->setSpacing(6);
        row.layout->setObjectName(u"horizontalLayout_"_s + stem);

        row.checkBox = new QCheckBox(scrollAreaWidgetContents);
        row.checkBox->setObjectName(u"checkBox_"_s + stem);
        row.layout->addWidget(row.checkBox);

        row.infoLabel = new InfoLabel(scrollAreaWidgetContents);
        row.infoLabel->setObjectName(QLatin1StringView(option.infoLabelName));
        row.infoLabel->setPalette(textPalette(QColor::fromRgb(option.infoColour)));
        row.infoLabel->setFont(infoFont);
        row.infoLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.layout->addWidget(row.infoLabel);

        QWidget *valueWidget = nullptr;
        if (option.list == ValueList::None) {
            row.spinBox = new QSpinBox(scrollAreaWidgetContents);
            valueWidget = row.spinBox;
            row.spinBox->setObjectName(u"spinBox_"_s + stem);
            row.spinBox->setRange(option.minimum, option.maximum);
            row.spinBox->setValue(option.defaultValue);
            // A field left blank shows its value again: without this, Qt keeps
            // a field emptied by Ctrl+U blank while the value stays.
            QObject::connect(row.spinBox, &QAbstractSpinBox::editingFinished, row.spinBox,
                             [spinBox = row.spinBox] { spinBox->setValue(spinBox->value()); });
            // A file dropped on the form is imported, not typed in.
            row.spinBox->findChild<QLineEdit *>()->setAcceptDrops(false);
        } else {
            row.comboBox = new QComboBox(scrollAreaWidgetContents);
            valueWidget = row.comboBox;
            row.comboBox->setObjectName(u"comboBox_"_s + stem);
            // Sized by the width its lists are filled with, never by measuring
            // each of 2005 entries, and never narrower: the value must show whole.
            row.comboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            row.comboBox->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
            if (option.list == ValueList::Functions) {
                row.comboBox->setModel(functionList);
                if (auto *view = qobject_cast<QListView *>(row.comboBox->view()))
                    view->setUniformItemSizes(true);
            }
        }
        valueWidget->setFont(font);
        valueWidget->setFocusPolicy(Qt::StrongFocus);
        valueWidget->installEventFilter(wheelGuard);
        row.layout->addWidget(valueWidget);
        verticalLayout->addLayout(row.layout);

        if (i < optionCount - 1) {
            row.line = new QFrame(scrollAreaWidgetContents);
            row.line->setObjectName(i == 0 ? u"line"_s : u"line_"_s + QString::number(i + 1));
            row.line->setPalette(textPalette(QColor(172, 168, 153)));
            row.line->setFrameShadow(QFrame::Plain);
            row.line->setFrameShape(QFrame::HLine);
            verticalLayout->addWidget(row.line);
        }
    }
    scrollArea->setWidget(scrollAreaWidgetContents);
    verticalLayout_2->addWidget(scrollArea);

    formLayout = new QFormLayout();
    formLayout->setSpacing(6);
    formLayout->setObjectName("formLayout"_L1);
    label = new QLabel(centralWidget);
    label->setObjectName("label"_L1);
    label->setTextFormat(Qt::AutoText);
    label->setScaledContents(false);
    label->setWordWrap(false);
    formLayout->setWidget(0, QFormLayout::LabelRole, label);
    label_Generate_Path = new PathLabel(centralWidget);
    label_Generate_Path->setObjectName("label_Generate_Path"_L1);
    label_Generate_Path->setPalette(textPalette(QColor(128, 128, 128)));
    label_Generate_Path->setFont(font);
    label_Generate_Path->setFrameShape(QFrame::Box);
    // A path is data: a file called "<b>x.txt" must show its name as it is.
    label_Generate_Path->setTextFormat(Qt::PlainText);
    formLayout->setWidget(0, QFormLayout::FieldRole, label_Generate_Path);
    verticalLayout_2->addLayout(formLayout);
    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName("menuBar"_L1);
    menuBar->setGeometry(QRect(0, 0, 520, 20));
    menuBar->setFont(font);
    menuFile = new QMenu(menuBar);
    menuFile->setObjectName("menuFile"_L1);
    menuFile->setFont(font);
    menu_Languages = new QMenu(menuBar);
    menu_Languages->setObjectName("menu_Languages"_L1);
    menu_Languages->setFont(font);
    menu_Help = new QMenu(menuBar);
    menu_Help->setObjectName("menu_Help"_L1);
    menu_Help->setFont(font);
    window->setMenuBar(menuBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName("statusBar"_L1);
    statusBar->setFont(font);
    window->setStatusBar(statusBar);

    toolBar = new QToolBar(window);
    toolBar->setObjectName("toolBar"_L1);
    toolBar->setMovable(false);
    toolBar->setAllowedAreas(Qt::LeftToolBarArea | Qt::RightToolBarArea | Qt::TopToolBarArea);
    toolBar->setFloatable(false);
    window->addToolBar(Qt::TopToolBarArea, toolBar);

    menuBar->addAction(menuFile->menuAction());
    menuBar->addAction(menu_Languages->menuAction());
    menuBar->addAction(menu_Help->menuAction());
    menuFile->addAction(action_Generate_Configuration_File);
    menuFile->addAction(action_Generate_For_Several_Units);
    menuFile->addAction(action_Import_Configuration_File);
    menuFile->addSeparator();
    menuFile->addAction(actionDefault_settings);
    menuFile->addSeparator();
    menuFile->addAction(action_Select_All_Options);
    menuFile->addAction(action_Unselect_All_options);
    menuFile->addSeparator();
    menuFile->addAction(action_Quit);
    for (QAction *action : languageActions) {
        menu_Languages->addAction(action);
        if (action == languageActions.front())
            menu_Languages->addSeparator();
    }
    menu_Help->addAction(actionOrvel_Home_Page);
    menu_Help->addAction(actionContact_Technical_Support);
    menu_Help->addSeparator();
    menu_Help->addAction(action_About);
    toolBar->addAction(action_Generate_Configuration_File_ToolBar);
    toolBar->addAction(action_Import_Configuration_File_Toolbar);
    toolBar->addSeparator();
    toolBar->addAction(actionDefault_settings_ToolBar);
    toolBar->addSeparator();
    toolBar->addAction(action_Select_All_Options_Toolbar);
    toolBar->addAction(action_Unselect_All_options_Toolbar);

    retranslateUi();

    QMetaObject::connectSlotsByName(window);
}

void MainWindow::retranslateUi()
{
    for (const ActionEntry &entry : actionEntries)
        (this->*entry.action)->setText(translated(entry.text));
    for (std::size_t i = 0; i < Tessaro::languages.size(); ++i)
        languageActions[i]->setText(translated(Tessaro::languages[i].actionText));
    for (int i = 0; i < optionCount; ++i) {
        const QString rowLabel = Tessaro::optionLabel(optionCatalogue[i]);
        const QString info = Tessaro::optionInfo(optionCatalogue[i]);
        rows[i].checkBox->setText(rowLabel);
        rows[i].infoLabel->setWholeText(info);
        // What a screen reader says of the value: the row's name, then its
        // description.
        QWidget *value =
                rows[i].spinBox ? static_cast<QWidget *>(rows[i].spinBox) : rows[i].comboBox;
        value->setAccessibleName(withoutColon(rowLabel));
        value->setAccessibleDescription(info);
    }
    label->setText(QCoreApplication::translate("MainWindow", "Path:"));
    label_Generate_Path->setWholeText(QString());
    label_Generate_Path->setAccessibleName(withoutColon(label->text()));
    menuFile->setTitle(QCoreApplication::translate("MainWindow", "&File"));
    menu_Languages->setTitle(QCoreApplication::translate("MainWindow", "&Languages"));
    menu_Help->setTitle(QCoreApplication::translate("MainWindow", "&Help"));
    toolBar->setWindowTitle(QCoreApplication::translate("MainWindow", "toolBar"));
}

} // namespace Ui
