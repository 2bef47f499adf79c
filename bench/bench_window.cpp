// What a user waits for: the window at start, a language switch, the import
// report box, the file preview after a change. Compare each figure with its floor: the bare form
// for start-up, re-texting the window for a language switch.

#include "core/applicationidentity.h"
#include "core/language.h"
#include "core/format/configurationformat.h"
#include "gui/dialogs/reportbox.h"
#include "gui/mainwindow.h"
#include "windowfloor.h"

#include <QAction>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;

class BenchWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startUp();
    void bareForm();
    void switchLanguage();
    void retranslateOnly();
    void importReportBox_data();
    void importReportBox();
    void previewUpdate();
    void residentMemory_data();
    void residentMemory();

private:
    QSize m_openingSize; // the main window's, which the bare form takes too
};

void BenchWindow::initTestCase()
{
    Tessaro::setApplicationIdentity();
    m_openingSize = MainWindow().size();
}

void BenchWindow::startUp()
{
    // Windows are kept until the end, so that closing them is not measured.
    std::vector<std::unique_ptr<MainWindow>> windows;
    QBENCHMARK {
        windows.push_back(std::make_unique<MainWindow>());
        // With the file preview, as on a screen wide enough for it.
        windows.back()->findChild<QAction *>(u"action_File_Preview"_s)->setChecked(true);
        showAndPaint(*windows.back());
    }
}

void BenchWindow::bareForm()
{
    std::vector<std::unique_ptr<BareForm>> forms;
    QBENCHMARK {
        forms.push_back(std::make_unique<BareForm>(m_openingSize));
        showAndPaint(forms.back()->window);
    }
}

void BenchWindow::switchLanguage()
{
    MainWindow window;
    showAndPaint(window);
    QAction *french = window.findChild<QAction *>(u"action_Fran_ais"_s);
    QAction *english = window.findChild<QAction *>(u"action_English"_s);
    QBENCHMARK {
        french->trigger();
        waitForPaint(window);
        english->trigger();
        waitForPaint(window);
    }
}

void BenchWindow::retranslateOnly()
{
    BareForm form(m_openingSize);
    form.showValues();
    showAndPaint(form.window);
    QBENCHMARK {
        Tessaro::loadTranslations(Tessaro::Language::French);
        form.form.retranslateUi();
        waitForPaint(form.window);
        Tessaro::loadTranslations(Tessaro::Language::English);
        form.form.retranslateUi();
        waitForPaint(form.window);
    }
}

void BenchWindow::importReportBox_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray normal = Tessaro::configurationText(Tessaro::defaultSettings(true));
    QTest::newRow("every row") << normal;
    QByteArray largest;
    while (largest.size() + normal.size() <= 1024 * 1024)
        largest += normal;
    QTest::newRow("1 MiB of lines") << largest;
}

void BenchWindow::importReportBox()
{
    QFETCH(QByteArray, content);
    const QList<Tessaro::RecognisedLine> lines = Tessaro::readConfiguration(content).recognised;
    QBENCHMARK {
        QMessageBox box;
        box.setWindowTitle(u"Import Configuration File"_s);
        box.setIcon(QMessageBox::Information);
        Tessaro::setImportReport(box, lines);
        showAndPaint(box);
    }
}

void BenchWindow::previewUpdate()
{
    // One value changed: the preview's text made and painted.
    MainWindow window;
    window.findChild<QAction *>(u"action_File_Preview"_s)->setChecked(true);
    showAndPaint(window);
    auto *volume = window.findChild<QSpinBox *>(u"spinBox_Volume"_s);
    auto *preview = window.findChild<QPlainTextEdit *>(u"plainTextEdit_Preview"_s);
    int value = 0;
    QBENCHMARK {
        volume->setValue(++value % 64);
        QCoreApplication::sendPostedEvents(preview, QEvent::MetaCall);
        preview->viewport()->repaint();
    }
}

void BenchWindow::residentMemory_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("bare form") << u"bare"_s;
    QTest::newRow("main window") << u"main"_s;
}

void BenchWindow::residentMemory()
{
    // Peak memory is the whole process's, so each window is measured in a
    // process of its own.
    QFETCH(QString, window);
    QProcess process;
    process.start(QStringLiteral(RESIDENT_MEMORY),
                  {window, QString::number(m_openingSize.width()),
                   QString::number(m_openingSize.height())});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const qreal kibibytes = process.readAllStandardOutput().trimmed().toDouble();
    QVERIFY(kibibytes > 0);
    QTest::setBenchmarkResult(kibibytes * 1024, QTest::BytesAllocated);
}

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
