#pragma once

#include "app/language.h"
#include "form/optioncatalogue.h"

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QScrollArea;
class QSpinBox;
class QStatusBar;
class QToolBar;
class QVBoxLayout;
class QWidget;

class FunctionListModel;
class InfoLabel;
class PathLabel;

namespace Ui {

// The widgets of one option row, in the window's object tree.
struct OptionRowWidgets
{
    QHBoxLayout *layout = nullptr;
    QCheckBox *checkBox = nullptr;
    InfoLabel *infoLabel = nullptr;
    QSpinBox *spinBox = nullptr;   // rows without a value list
    QComboBox *comboBox = nullptr; // rows with one
    QFrame *line = nullptr;        // none below the last row

    // The spin box value or the list entry.
    int value() const;
    void setValue(int value);
};

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
    QAction *action_Import_Configuration_File = nullptr;
    QAction *action_Generate_Configuration_File_ToolBar = nullptr;
    QAction *action_Import_Configuration_File_Toolbar = nullptr;
    QAction *actionDefault_settings = nullptr;
    QAction *actionDefault_settings_ToolBar = nullptr;
    QAction *action_Select_All_Options = nullptr;
    QAction *action_Unselect_All_options = nullptr;
    QAction *action_Select_All_Options_Toolbar = nullptr;
    QAction *action_Unselect_All_options_Toolbar = nullptr;
    QWidget *centralWidget = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QScrollArea *scrollArea = nullptr;
    QWidget *scrollAreaWidgetContents = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    std::array<OptionRowWidgets, Tessaro::optionCount> rows;
    QFormLayout *formLayout = nullptr;
    QLabel *label = nullptr;
    PathLabel *label_Generate_Path = nullptr;
    QMenuBar *menuBar = nullptr;
    QMenu *menuFile = nullptr;
    QMenu *menu_Languages = nullptr;
    QMenu *menu_Help = nullptr;
    QStatusBar *statusBar = nullptr;
    QToolBar *toolBar = nullptr;
    // The 2005 function entries, one model shared by the 17 function rows:
    // filling it once fills them all, and each row keeps its own entry.
    FunctionListModel *functionList = nullptr;

    void setupUi(QMainWindow *window);
    void retranslateUi();
};

} // namespace Ui
