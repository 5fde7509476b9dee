// The main window's buttons: the picture print, leaving, the unseen button
// and the tool windows.
#include "tillwindow.h"

#include "app/printer.h"
#include "support/modal.h"
#include "support/tools.h"

#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace tillora;
using namespace tillora::test;

namespace {

// Those with this objectName, or all.
QList<QWidget*> visibleWindows(const QString& name = {})
{
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && (name.isEmpty() || w->objectName() == name))
            shown << w;
    }
    return shown;
}

} // namespace

class TestTillCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void cleanup();
    void pictureIsOnePageOfTheWindow();
    void noPrinterTellsTheUser_data();
    void noPrinterTellsTheUser();
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
    till.enter({"txtFloat=20", "txtTill_9=3"});
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

void TestTillCommands::noPrinterTellsTheUser_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("report") << "cmdPrintReport";
    QTest::newRow("picture") << "cmdPrintScreen";
}

// Through this machine's own default printer lookup; a print server that
// refuses the job is tried in tst_tillprinting.
void TestTillCommands::noPrinterTellsTheUser()
{
    QFETCH(QString, button);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer");
    TillWindow till;
    till.enter({"txtFloat=50", "txtTill_7=12"});
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
    till.enter({"txtFloat=5"});
    QTest::mouseClick(till.form().cmdVATCalc, Qt::LeftButton);
    const QStringList before = till.results();

    // Each box as title, text, icon, buttons and the default one.
    QStringList seen;
    std::function<void(int)> answer = [&](int step) {
        whenModalOpens([&, step](QWidget* box) {
            const SeenBox s = describe(box);
            seen << QStringList{s.title, s.text, QString::number(s.icon), s.buttons.join(u'/'), s.defaultButton}.join(u'|');
            if (step + 1 < answers.size())
                answer(step + 1);
            if (answers[step] == "Esc" || answers[step] == "Enter")
                QTest::keyClick(box, answers[step] == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
            else
                pressButton(box, answers[step]);
        });
    };
    answer(0);
    QTest::mouseClick(till.form().cmdExit, Qt::LeftButton);

    const QStringList boxes{
        "Please Confirm|Are you sure you want to exit?|4|&No/&Yes|&Yes",
        "Please Confirm|Click 'OK' if you have printed off a report and wish to exit.\r\n"
        "Click 'Cancel' to abort the program exit and print off a report.|1|Cancel/OK|OK"};
    QCOMPARE(seen, boxes.mid(0, answers.size()));
    if (ends) {
        QCOMPARE(visibleWindows(), QList<QWidget*>());
    } else {
        QCOMPARE(till.results(), before);
        QCOMPARE(visibleWindows().size(), 2);
    }
}

// Unseen below its frame's edge, it takes the focus (second in the tab
// order) and does nothing.
void TestTillCommands::hiddenButtonDoesNothing()
{
    TillWindow till;
    Form1& form = till.form();
    till.enter({"txtFloat=5"});
    QPushButton* hidden = form.cmdQuit;
    QVERIFY(hidden->isVisible() && hidden->visibleRegion().isEmpty());
    const QStringList before = till.results();
    QSignalSpy clicks(hidden, &QPushButton::clicked);

    hidden->setFocus(Qt::TabFocusReason);
    QTest::keyClick(hidden, Qt::Key_Space);
    QTest::mouseClick(hidden, Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(clicks.size(), 3);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(visibleWindows(), QList<QWidget*>{&form});
    QCOMPARE(till.results(), before);
}

void TestTillCommands::toolWindowsOpenOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("VAT calculator") << "cmdVATCalc" << "frmVATCalc";
    QTest::newRow("markup calculator") << "cmdMarkup" << "frmMarkup";
    QTest::newRow("About") << "Command1" << "frmAbout";
}

// Each press shows the one window, without owner and not modal.
void TestTillCommands::toolWindowsOpenOnce()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    TillWindow till;
    auto* open = till.form().findChild<QPushButton*>(button);
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(visibleWindows(window).size(), 1);
    QWidget* tool = visibleWindows(window).front();
    QVERIFY(!tool->parentWidget() && !tool->isModal());

    till.form().activateWindow();
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(visibleWindows(window), QList<QWidget*>{tool});
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
    QVERIFY(markup && markup->isVisible());
}

QTEST_MAIN(TestTillCommands)
#include "tst_tillcommands.moc"
