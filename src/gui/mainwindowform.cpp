#include "gui/mainwindowform.h"

#include "core/language.h"
#include "gui/windowicon.h"
#include "gui/elidinglabel.h"
#include "gui/filepreview.h"
#include "gui/optionform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFormLayout>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QOperatingSystemVersion>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

namespace {

struct ActionEntry
{
    QAction *MainWindow::*action;
    const char *objectName;
    const char *text;     // translated in context "MainWindow"; else set by its owner
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
        {&MainWindow::action_Write_To_Cards, "action_Write_To_Cards",
         QT_TRANSLATE_NOOP("MainWindow", "Write to &Cards..."), "Ctrl+Shift+M", "WriteCards.png",
         false},
        {&MainWindow::action_Import_Configuration_File, "action_Import_Configuration_File",
         QT_TRANSLATE_NOOP("MainWindow", "&Import Configuration File"), "Ctrl+O", "folder_page.png",
         false},
        {&MainWindow::action_Compare_With_File, "action_Compare_With_File",
         QT_TRANSLATE_NOOP("MainWindow", "Compare with &File..."), nullptr, nullptr, false},
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
        {&MainWindow::action_Undo, "action_Undo", nullptr, "Ctrl+Z", nullptr, false},
        {&MainWindow::action_Redo, "action_Redo", nullptr, "Ctrl+Shift+Z", nullptr, false},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

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
    // Windows users also redo with Ctrl+Y.
    if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
        action_Redo->setShortcuts({action_Redo->shortcut(), QKeySequence(u"Ctrl+Y"_s)});
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

    frame_Summary = new QFrame(centralWidget);
    frame_Summary->setObjectName("frame_Summary"_L1);
    frame_Summary->setFrameShape(QFrame::StyledPanel);
    frame_Summary->setBackgroundRole(QPalette::AlternateBase);
    frame_Summary->setAutoFillBackground(true);
    auto *summaryLayout = new QHBoxLayout(frame_Summary);
    label_Summary = new QLabel(frame_Summary);
    label_Summary->setObjectName("label_Summary"_L1);
    label_Summary->setTextFormat(Qt::PlainText);
    label_Summary->setWordWrap(true);
    label_Summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summaryLayout->addWidget(label_Summary, 1);
    toolButton_CloseSummary = new QToolButton(frame_Summary);
    toolButton_CloseSummary->setObjectName("toolButton_CloseSummary"_L1);
    toolButton_CloseSummary->setIcon(window->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    toolButton_CloseSummary->setAutoRaise(true);
    QObject::connect(toolButton_CloseSummary, &QToolButton::clicked, frame_Summary, &QWidget::hide);
    summaryLayout->addWidget(toolButton_CloseSummary, 0, Qt::AlignTop);
    frame_Summary->hide();
    verticalLayout_2->addWidget(frame_Summary);

    scrollArea = new QScrollArea(centralWidget);
    scrollArea->setObjectName("scrollArea"_L1);
    scrollArea->setLineWidth(0);
    scrollArea->setWidgetResizable(true);
    // The rows take the focus, and the area follows it: it is no Tab stop.
    scrollArea->setFocusPolicy(Qt::NoFocus);
    form = new OptionForm(font);
    scrollArea->setWidget(form);
    verticalLayout_2->addWidget(scrollArea);

    formLayout = new QFormLayout();
    formLayout->setSpacing(6);
    formLayout->setObjectName("formLayout"_L1);
    label = new QLabel(centralWidget);
    label->setObjectName("label"_L1);
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
    menuBar->setFont(font);
    const auto newMenu = [&font](QWidget *parent, const char *name) {
        auto *menu = new QMenu(parent);
        menu->setObjectName(QLatin1StringView(name));
        menu->setFont(font);
        return menu;
    };
    menuFile = newMenu(menuBar, "menuFile");
    menu_Import_Recent = newMenu(menuFile, "menu_Import_Recent");
    menu_Import_Recent->setToolTipsVisible(true); // each entry's folder
    menu_Edit = newMenu(menuBar, "menu_Edit");
    menu_View = newMenu(menuBar, "menu_View");
    menu_Languages = newMenu(menuBar, "menu_Languages");
    menu_Help = newMenu(menuBar, "menu_Help");
    window->setMenuBar(menuBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName("statusBar"_L1);
    statusBar->setFont(font);
    window->setStatusBar(statusBar);

    dockWidget_Preview = new QDockWidget(window);
    dockWidget_Preview->setObjectName("dockWidget_Preview"_L1);
    dockWidget_Preview->setFeatures(QDockWidget::DockWidgetClosable
                                    | QDockWidget::DockWidgetMovable);
    dockWidget_Preview->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    plainTextEdit_Preview = new FilePreview(form, dockWidget_Preview);
    dockWidget_Preview->setWidget(plainTextEdit_Preview);
    window->addDockWidget(Qt::RightDockWidgetArea, dockWidget_Preview);
    action_File_Preview = dockWidget_Preview->toggleViewAction();
    action_File_Preview->setObjectName("action_File_Preview"_L1);
    action_File_Preview->setShortcut(QKeySequence(Qt::Key_F9));
    action_File_Preview->setFont(font);

    toolBar = new QToolBar(window);
    toolBar->setObjectName("toolBar"_L1);
    toolBar->setMovable(false);
    toolBar->setAllowedAreas(Qt::LeftToolBarArea | Qt::RightToolBarArea | Qt::TopToolBarArea);
    toolBar->setFloatable(false);
    window->addToolBar(Qt::TopToolBarArea, toolBar);

    menuBar->addAction(menuFile->menuAction());
    menuBar->addAction(menu_Edit->menuAction());
    menuBar->addAction(menu_View->menuAction());
    menuBar->addAction(menu_Languages->menuAction());
    menuBar->addAction(menu_Help->menuAction());
    menuFile->addAction(action_Generate_Configuration_File);
    menuFile->addAction(action_Generate_For_Several_Units);
    menuFile->addAction(action_Write_To_Cards);
    menuFile->addAction(action_Import_Configuration_File);
    menuFile->addMenu(menu_Import_Recent);
    menuFile->addAction(action_Compare_With_File);
    menuFile->addSeparator();
    menuFile->addAction(actionDefault_settings);
    menuFile->addSeparator();
    menuFile->addAction(action_Select_All_Options);
    menuFile->addAction(action_Unselect_All_options);
    menuFile->addSeparator();
    menuFile->addAction(action_Quit);
    menu_Edit->addAction(action_Undo);
    menu_Edit->addAction(action_Redo);
    menu_View->addAction(action_File_Preview);
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
}

void MainWindow::retranslateUi()
{
    for (const ActionEntry &entry : actionEntries) {
        if (entry.text)
            (this->*entry.action)->setText(translated(entry.text));
    }
    for (std::size_t i = 0; i < Tessaro::languages.size(); ++i)
        languageActions[i]->setText(translated(Tessaro::languages[i].actionText));
    form->retranslate();
    label->setText(QCoreApplication::translate("MainWindow", "Path:"));
    label_Generate_Path->setPath(QString());
    label_Generate_Path->setAccessibleName(nameFromLabel(label->text()));
    menuFile->setTitle(QCoreApplication::translate("MainWindow", "&File"));
    menu_Import_Recent->setTitle(QCoreApplication::translate("MainWindow", "Import &Recent"));
    menu_Edit->setTitle(QCoreApplication::translate("MainWindow", "&Edit"));
    menu_View->setTitle(QCoreApplication::translate("MainWindow", "&View"));
    // The dock names its action after its title: the action's own text after.
    dockWidget_Preview->setWindowTitle(QCoreApplication::translate("MainWindow", "File Preview"));
    action_File_Preview->setText(QCoreApplication::translate("MainWindow", "File &Preview"));
    plainTextEdit_Preview->retranslate();
    toolButton_CloseSummary->setToolTip(QCoreApplication::translate("MainWindow", "Close"));
    toolButton_CloseSummary->setAccessibleName(toolButton_CloseSummary->toolTip());
    menu_Languages->setTitle(QCoreApplication::translate("MainWindow", "&Languages"));
    menu_Help->setTitle(QCoreApplication::translate("MainWindow", "&Help"));
    toolBar->setWindowTitle(QCoreApplication::translate("MainWindow", "toolBar"));
    // The button that shows the entries a narrow window hides, which Qt
    // leaves without a name.
    if (auto *more = toolBar->findChild<QToolButton *>(u"qt_toolbar_ext_button"_s))
        more->setAccessibleName(QCoreApplication::translate("MainWindow", "More Tools"));
}

} // namespace Ui
