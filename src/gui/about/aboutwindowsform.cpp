#include "gui/about/aboutwindowsform.h"

#include "gui/windowicon.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace Ui {

namespace {

// A size policy that keeps the widget's height-for-width flag.
QSizePolicy policy(const QWidget *widget, QSizePolicy::Policy horizontal,
                   QSizePolicy::Policy vertical)
{
    QSizePolicy sizePolicy(horizontal, vertical);
    sizePolicy.setHeightForWidth(widget->sizePolicy().hasHeightForWidth());
    return sizePolicy;
}

} // namespace

void AboutWindows::setupUi(QDialog *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName("AboutWindows"_L1);
    window->resize(374, 241);
    window->setWindowIcon(Tessaro::windowIcon());
    window->setLayoutDirection(Qt::LeftToRight);
    // Without a parent this makes the window application-modal when shown.
    window->setModal(true);

    gridLayout = new QGridLayout(window);
    gridLayout->setObjectName("gridLayout"_L1);
    gridLayout->setSizeConstraint(QLayout::SetFixedSize);

    label_Image = new QLabel(window);
    label_Image->setObjectName("label_Image"_L1);
    label_Image->setSizePolicy(policy(label_Image, QSizePolicy::Fixed, QSizePolicy::Preferred));
    label_Image->setPixmap(QPixmap(u":/ressources/ressources/About.png"_s));
    gridLayout->addWidget(label_Image, 0, 0, 1, 1);

    label_infos = new QLabel(window);
    label_infos->setObjectName("label_infos"_L1);
    label_infos->setSizePolicy(policy(label_infos, QSizePolicy::Preferred, QSizePolicy::Preferred));
    label_infos->setAlignment(Qt::AlignCenter);
    label_infos->setOpenExternalLinks(true);
    gridLayout->addWidget(label_infos, 0, 1, 1, 1);

    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName("horizontalLayout"_L1);
    pushButton_close = new QPushButton(window);
    pushButton_close->setObjectName("pushButton_close"_L1);
    pushButton_close->setSizePolicy(
            policy(pushButton_close, QSizePolicy::Fixed, QSizePolicy::Fixed));
    pushButton_close->setLayoutDirection(Qt::RightToLeft);
    horizontalLayout->addWidget(pushButton_close);
    gridLayout->addLayout(horizontalLayout, 2, 0, 1, 2);

    QObject::connect(pushButton_close, &QPushButton::clicked, window, &QWidget::close);

    retranslateUi(window);
}

void AboutWindows::retranslateUi(QDialog *window)
{
    window->setWindowTitle(QCoreApplication::translate("AboutWindows", "About"));
    label_Image->setText(QString());
    label_infos->setText(QCoreApplication::translate("AboutWindows", "..."));
    pushButton_close->setText(QCoreApplication::translate("AboutWindows", "Close"));
}

} // namespace Ui
