#pragma once

class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace Ui {

// The About window's form: the picture beside the information text, and the
// Close button below them.
class AboutWindows
{
public:
    QGridLayout *gridLayout = nullptr;
    QLabel *label_Image = nullptr;
    QLabel *label_infos = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *pushButton_close = nullptr;

    void setupUi(QDialog *window);
    void retranslateUi(QDialog *window);
};

} // namespace Ui
