#pragma once

#include "core/language.h"

#include <array>

class QAction;
class QDockWidget;
class QFormLayout;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class QWidget;

class FilePreview;
class OptionForm;
class PathLabel;

namespace Ui {

// The main window's form: builds the widgets, actions, menus and tool bar on
// a QMainWindow and gives them their texts. It only points at the widgets.
class MainWindow
{
public:
    QAction *action_Quit = nullptr;
    QAction *action_About = nullptr;
    QAction *actionContact_Technical_Support = nullptr;
    QAction *actionOrvel_Home_Page = nullptr;
    // Default, English, French: one per row of Tessaro::languages.
    std::array<QAction *, Tessaro::languages.size()> languageActions{};
    QAction *action_Generate_Configuration_File = nullptr;
    QAction *action_Generate_For_Several_Units = nullptr;
    QAction *action_Write_To_Cards = nullptr;
    QAction *action_Import_Configuration_File = nullptr;
    QAction *action_Compare_With_File = nullptr;
    QAction *action_Generate_Configuration_File_ToolBar = nullptr;
    QAction *action_Import_Configuration_File_Toolbar = nullptr;
    QAction *actionDefault_settings = nullptr;
    QAction *actionDefault_settings_ToolBar = nullptr;
    QAction *action_Select_All_Options = nullptr;
    QAction *action_Unselect_All_options = nullptr;
    QAction *action_Select_All_Options_Toolbar = nullptr;
    QAction *action_Unselect_All_options_Toolbar = nullptr;
    QAction *action_Undo = nullptr; // texts from the form's history
    QAction *action_Redo = nullptr;
    QWidget *centralWidget = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    // What the last import found, above the form until closed.
    QFrame *frame_Summary = nullptr;
    QLabel *label_Summary = nullptr;
    QToolButton *toolButton_CloseSummary = nullptr;
    QScrollArea *scrollArea = nullptr;
    OptionForm *form = nullptr; // the rows, object name scrollAreaWidgetContents
    QFormLayout *formLayout = nullptr;
    QLabel *label = nullptr;
    PathLabel *label_Generate_Path = nullptr;
    QMenuBar *menuBar = nullptr;
    QMenu *menuFile = nullptr;
    QMenu *menu_Import_Recent = nullptr; // filled each time it opens
    QMenu *menu_Edit = nullptr;
    QMenu *menu_View = nullptr;
    QMenu *menu_Languages = nullptr;
    QMenu *menu_Help = nullptr;
    QStatusBar *statusBar = nullptr;
    QToolBar *toolBar = nullptr;
    QDockWidget *dockWidget_Preview = nullptr;
    FilePreview *plainTextEdit_Preview = nullptr;
    QAction *action_File_Preview = nullptr; // the dock's own

    void setupUi(QMainWindow *window);
    void retranslateUi();
};

} // namespace Ui
