// The main window's buttons: the picture print, leaving, the unseen button
// and the tool windows.
#include "tillwindow.h"

#include "app/printer.h"
#include "support/modal.h"
#include "support/tools.h"

#include <QLabel>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tillora;
using namespace tillora::test;

namespace {

bool anyWindowVisible()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](QWidget* w) { return w->isVisible(); });
}

// A printer that refuses the job when it is sent, as a stopped queue does.
class RefusingPrinter : public RecordingPrinter {
public:
    void endDoc() override
    {
        throw RuntimeError(RuntimeError::Kind::Printer, QStringLiteral("The printer did not accept the document."));
    }
};

} // namespace

class TestTillCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void cleanup();
    void pictureIsOnePageOfTheWindow();
    void failedPrintTellsTheUser_data();
    void failedPrintTellsTheUser();
    void exit_data();
    void exit();
    void hiddenButtonDoesNothing();
    void toolWindowsOpenOnce_data();
    void toolWindowsOpenOnce();
    void closingTheTillLeavesToolsOpen();

private:
    QTemporaryDir m_dir;
};

void TestTillCommands::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestTillCommands::pictureIsOnePageOfTheWindow()
{
    TillWindow till;
    till.type("txtFloat", "20");
    till.type("txtTill_9", "3");
    const QStringList before = till.results();
    const QString path = m_dir.filePath("picture.pdf");
    till.form().setPrinterSource([path] { return PagePrinter::forPdf(path); });
    QTest::mouseClick(till.form().cmdPrintScreen, Qt::LeftButton);

    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(till.results(), before);
    QVERIFY(toolOutput("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
    // One image, of the window's client area as shown.
    const QString images = toolOutput("pdfimages", {"-list", path});
    QVERIFY2(images.contains(QRegularExpression("\\s760\\s+464\\s")), qPrintable(images));
    QCOMPARE(images.count(QRegularExpression("\\n\\s*\\d+\\s+\\d+\\s+image")), 1);
}

void TestTillCommands::failedPrintTellsTheUser_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("noPrinterHere"); // use this machine's own default printer lookup
    QTest::newRow("report, no printer") << "cmdPrintReport" << true;
    QTest::newRow("picture, no printer") << "cmdPrintScreen" << true;
    QTest::newRow("report, job refused") << "cmdPrintReport" << false;
    QTest::newRow("picture, job refused") << "cmdPrintScreen" << false;
}

void TestTillCommands::failedPrintTellsTheUser()
{
    QFETCH(QString, button);
    QFETCH(bool, noPrinterHere);
    if (noPrinterHere && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer");
    TillWindow till;
    till.type("txtFloat", "50");
    till.type("txtTill_7", "12");
    if (!noPrinterHere)
        till.form().setPrinterSource([] { return std::make_unique<RefusingPrinter>(); });
    const QStringList before = till.results();
    SeenBox seen;
    answerNextBox("Cancel", &seen);
    QTest::mouseClick(till.form().findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(seen.icon, int(QMessageBox::Warning));
    QVERIFY(seen.buttons.contains(QStringLiteral("Save as PDF\u2026")));
    QVERIFY(seen.text.startsWith("Nothing was printed."));
    QCOMPARE(till.results(), before);
    QVERIFY(till.form().isVisible());
}

void TestTillCommands::exit_data()
{
    QTest::addColumn<QStringList>("answers"); // a button's text, or a key
    QTest::addColumn<bool>("ends");
    QTest::newRow("No") << QStringList{"&No"} << false;
    QTest::newRow("Esc") << QStringList{"Esc"} << false;
    QTest::newRow("Yes, Cancel") << QStringList{"&Yes", "Cancel"} << false;
    QTest::newRow("Yes, Esc") << QStringList{"&Yes", "Esc"} << false;
    QTest::newRow("Yes, OK") << QStringList{"&Yes", "OK"} << true;
    QTest::newRow("Enter, Enter") << QStringList{"Enter", "Enter"} << true;
}

void TestTillCommands::exit()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, ends);
    TillWindow till;
    till.type("txtFloat", "5");
    QTest::mouseClick(till.form().cmdVATCalc, Qt::LeftButton);
    QTest::mouseClick(till.form().Command1, Qt::LeftButton);
    const QStringList before = till.results();

    QList<SeenBox> seen;
    std::function<void(int)> answer = [&](int step) {
        whenModalOpens([&, step](QWidget* box) {
            seen << describe(box);
            if (step + 1 < answers.size())
                answer(step + 1);
            const QString& a = answers[step];
            if (a == "Esc")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (a == "Enter")
                QTest::keyClick(box, Qt::Key_Return);
            else
                pressButton(box, a);
        });
    };
    answer(0);
    QTest::mouseClick(till.form().cmdExit, Qt::LeftButton);

    QCOMPARE(seen.size(), answers.size());
    QCOMPARE(seen[0].title, QStringLiteral("Please Confirm"));
    QCOMPARE(seen[0].text, QStringLiteral("Are you sure you want to exit?"));
    QCOMPARE(seen[0].icon, int(QMessageBox::Question));
    QCOMPARE(seen[0].buttons, (QStringList{"&No", "&Yes"}));
    QCOMPARE(seen[0].defaultButton, QStringLiteral("&Yes"));
    if (seen.size() > 1) {
        QCOMPARE(seen[1].title, QStringLiteral("Please Confirm"));
        QCOMPARE(seen[1].text, QStringLiteral("Click 'OK' if you have printed off a report and wish to exit.\r\n"
                                              "Click 'Cancel' to abort the program exit and print off a report."));
        QCOMPARE(seen[1].icon, int(QMessageBox::Information));
        QCOMPARE(seen[1].buttons, (QStringList{"Cancel", "OK"}));
        QCOMPARE(seen[1].defaultButton, QStringLiteral("OK"));
    }
    QCOMPARE(anyWindowVisible(), !ends);
    if (!ends) {
        QCOMPARE(till.results(), before);
        QVERIFY(till.form().vatCalculator()->isVisible());
    }
}

void TestTillCommands::hiddenButtonDoesNothing()
{
    TillWindow till;
    Form1& form = till.form();
    till.type("txtFloat", "5");
    QPushButton* hidden = form.cmdQuit;
    QVERIFY(!form.Frame14->rect().intersects(hidden->geometry()));
    const QStringList before = till.results();

    form.cmdPrintScreen->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.cmdPrintScreen, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), hidden);
    QTest::keyClick(hidden, Qt::Key_Space);
    QTest::mouseClick(hidden, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(form.isVisible());
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    QCOMPARE(till.results(), before);
}

void TestTillCommands::toolWindowsOpenOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box"); // a box to type into, if the window has one
    QTest::newRow("VAT calculator") << "cmdVATCalc" << "frmVATCalc" << "txtPrice";
    QTest::newRow("markup calculator") << "cmdMarkup" << "frmMarkup" << "txtPrice";
    QTest::newRow("About") << "Command1" << "frmAbout" << "";
}

void TestTillCommands::toolWindowsOpenOnce()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, box);
    TillWindow till;
    auto* open = till.form().findChild<QPushButton*>(button);
    auto windowsNamed = [&] {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == window && w->isVisible())
                found << w;
        }
        return found;
    };

    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(windowsNamed().size(), 1);
    QWidget* tool = windowsNamed().front();
    QVERIFY(!tool->parentWidget());
    QVERIFY(!tool->isModal());
    if (!box.isEmpty())
        tool->findChild<QLineEdit*>(box)->setText("12.5");

    till.form().activateWindow();
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(windowsNamed(), QList<QWidget*>{tool});
    if (!box.isEmpty())
        QCOMPARE(tool->findChild<QLineEdit*>(box)->text(), QStringLiteral("12.5"));

    tool->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(windowsNamed().isEmpty());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(windowsNamed().size(), 1);
    if (!box.isEmpty())
        QCOMPARE(windowsNamed().front()->findChild<QLineEdit*>(box)->text(), QString());
}

void TestTillCommands::closingTheTillLeavesToolsOpen()
{
    auto* form = new Form1;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->load();
    form->show();
    QTest::mouseClick(form->cmdMarkup, Qt::LeftButton);
    QPointer<frmMarkup> markup = form->markupCalculator();
    QVERIFY(markup);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(markup);
    QVERIFY(markup->isVisible());
}

QTEST_MAIN(TestTillCommands)
#include "tst_tillcommands.moc"
