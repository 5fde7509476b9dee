// The till window worked as a shopkeeper works it: by keys and clicks.
#include "app/ui/fonts.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>

using namespace tillora;
using namespace tillora::test;

namespace {

// Line totals other than 0 and 0.00 as "row:text", then "|" and the seven
// totals, "_" for an empty one.
QString figures(const QWidget& till)
{
    QString out;
    const QStringList shown = texts(&till, tillResults);
    for (int i = 0; i < 12; ++i) {
        if (shown[i] != u"0" && shown[i] != u"0.00")
            out += QStringLiteral("%1:%2 ").arg(i).arg(shown[i]);
    }
    out += u'|';
    for (const QString& total : shown.mid(12))
        out += u' ' + (total.isEmpty() ? QStringLiteral("_") : total);
    return out;
}

// The marked entry boxes as "name: reason"; a mark is a tint, a tooltip and
// a description for screen readers, all three or none.
QString marks(const QWidget& till)
{
    QStringList marked;
    for (const QString& name : tillEntries) {
        const auto* box = child<QLineEdit>(&till, name);
        const bool tinted = box->palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Base);
        if (tinted != !box->toolTip().isEmpty() || box->accessibleDescription() != box->toolTip())
            return name + QStringLiteral(" is marked by halves");
        if (tinted)
            marked << name + QStringLiteral(": ") + box->toolTip();
    }
    return marked.join(u'\n');
}

QWidget* toolWindow(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            return window;
    return nullptr;
}

const QStringList workedExample{"txtFloat=50.00", "txtTill_3=4", "txtTill_6=3", "txtTill_8=2", "txtTill_9=6", "txtTill_10=1", "txtChequeAmt_0=25.00"};

// The report around its three lists, the seven totals given ";" apart.
QStringList reportOf(const QStringList& counts, const QStringList& cheques, const QStringList& lines, const QString& totals)
{
    const QStringList t = totals.split(u';');
    return QStringList{"*", "*Till Calculator - Report", "*", "*Date :»05/12/2026\t\tTime :»17:45", "*TILL CONTENTS"} + counts
        + QStringList{"", "*CHEQUES", ""} + cheques + QStringList{"", "*TOTALS", ""} + lines
        + QStringList{"Total Change : £\t\t" + t[0], "Total Notes : £\t\t\t" + t[1], "", "*CALCULATION OF GRAND TOTAL", "",
                      "Till Total : £\t\t\t" + t[2], "Add Cheques : £\t\t" + t[3], "Grand Total : £\t\t\t" + t[4], "", "*MISCELLANEOUS", "",
                      "Cash to Bank : £\t\t" + t[5], "Cheques to Bank : £\t\t" + t[6], "*", "*END OF REPORT", "",
                      "© 2026 Tillora developers\t\twww.tillora.example"};
}

} // namespace

class TestTillWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void recalculation_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<QString>("mark"); // "box: reason"
        const QString noFloat = QStringLiteral("txtFloat: The totals are worked out once the float is entered.");
        QTest::newRow("start-up marks nothing") << QStringList{} << "| _ _ _ _ _ _ _" << "";
        QTest::newRow("whole count after the float")
            << QStringList{"txtFloat=50", "txtTill_0=7", "txtTill_1=3", "txtTill_2=4", "txtTill_3=10", "txtTill_4=5", "txtTill_5=6",
                           "txtTill_6=12", "txtTill_7=4", "txtTill_8=3", "txtTill_9=5", "txtTill_10=2", "txtTill_11=1",
                           "txtChequeAmt_0=25.50", "txtChequeAmt_1=12"}
            << "0:0.07 1:0.06 2:0.20 3:1.00 4:1.00 5:3.00 6:12.00 7:8.00 8:15.00 9:50.00 10:40.00 11:50.00 | "
               "25.33 155.00 180.33 37.50 217.83 130.33 37.50" << "";
        QTest::newRow("a count before the float waits for it") << QStringList{"txtTill_3=4"} << "| _ _ _ _ _ _ _" << noFloat;
        QTest::newRow("counts before the float count once it comes") << QStringList{"txtTill_3=4", "txtTill_6=3", "txtFloat=5"}
                                                                     << "3:0.40 6:3.00 | 3.40 0.00 3.40 0.00 3.40 -1.60 0.00" << "";
        QTest::newRow("emptied count and cheque count 0") << QStringList{"txtFloat=50", "txtTill_6=3", "txtChequeAmt_2=9", "txtTill_6=", "txtChequeAmt_2="}
                                                          << "| 0.00 0.00 0.00 0.00 0.00 -50.00 0.00" << "";
        QTest::newRow("unusable text changes no figure") << QStringList{"txtFloat=50", "txtTill_6=3", "txtTill_3=abc", "txtChequeAmt_0=7"}
            << "6:3.00 | 3.00 0.00 3.00 0.00 3.00 -47.00 0.00" << "txtTill_3: \u201cabc\u201d is not a number.";
        QTest::newRow("putting it right brings every figure") << QStringList{"txtFloat=50", "txtTill_3=abc", "txtChequeAmt_0=7", "txtTill_3=4"}
                                                              << "3:0.40 | 0.40 0.00 0.40 7.00 7.40 -49.60 7.00" << "";
        QTest::newRow("an emptied float leaves its figures marked") << QStringList{"txtFloat=50", "txtTill_6=3", "txtFloat=", "txtTill_6=7"}
                                                                    << "6:3.00 | 3.00 0.00 3.00 0.00 3.00 -47.00 0.00" << noFloat;
        QTest::newRow("fractions and negatives as typed") << QStringList{"txtFloat=0", "txtTill_6=2.5", "txtTill_0=-1"}
                                                          << "0:-0.01 6:2.50 | 2.49 0.00 2.49 0.00 2.49 2.49 0.00" << "";
        QTest::newRow("grouped line totals add up") << QStringList{"txtFloat=0", "txtTill_11=20", "txtTill_10=50"}
            << "10:1,000.00 11:1,000.00 | 0.00 2,000.00 2,000.00 0.00 2,000.00 2,000.00 0.00" << "";
    }

    // Then Print Report prints, or, with a box marked, says which and why.
    void recalculation()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, figures);
        QFETCH(QString, mark);
        auto till = shown<TillWindow>();
        act(till.get(), steps);
        QCOMPARE(::figures(*till), figures);
        QCOMPARE(marks(*till), mark);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        QList<SeenBox> seen;
        answerBoxes(mark.isEmpty() ? QStringList{} : QStringList{"OK"}, &seen);
        act(till.get(), {"cmdPrintReport"});
        QCOMPARE(record.documentsEnded, mark.isEmpty() ? 1 : 0);
        const QString named = mark.isEmpty() ? QString() : child(till.get(), mark.section(u':', 0, 0))->accessibleName() + u':' + mark.section(u':', 1);
        QVERIFY2(seen.isEmpty() ? mark.isEmpty() : seen[0].text.contains(named) && seen[0].icon == QMessageBox::Warning, qPrintable(named));
    }

    // Whatever its size, a figure shows from its first character, sign
    // included: in a smaller font, or cut at its end with the whole in its
    // tooltip and description.
    void resultBoxesShowTheStart()
    {
        auto till = shown<TillWindow>();
        const auto check = [&](const QString& box, const QString& text, bool smaller, bool cut) {
            auto* result = child<QLineEdit>(till.get(), box);
            QCOMPARE(result->text(), text);
            QCOMPARE(result->cursorPosition(), 0);
            QCOMPARE(result->font().pixelSize() < windowFont().pixelSize(), smaller);
            QCOMPARE(result->toolTip(), cut ? text : QString());
            QCOMPARE(result->accessibleDescription(), result->toolTip());
        };
        act(till.get(), {"txtFloat=10000"});
        check("txtCashBank", "-10,000.00", true, false);
        check("txtTotals_0", "0.00", false, false);
        act(till.get(), {"txtFloat=20000", "txtTill_11=2000", "txtChequeAmt_0=1234.56"});
        check("txtTillTotal", "100,000.00", true, false);
        check("txtTotal", "101,234.56", true, false);
        act(till.get(), {"txtTill_11=1e15"});
        check("txtTillTotal", "50,000,000,000,000,000.00", true, true);
        QTest::keyClick(child(till.get(), "txtTotals_10"), Qt::Key_Tab); // tabbing in keeps the start
        check("txtTotals_11", "50,000,000,000,000,000.00", true, true);
    }

    void report_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing typed, 28 lines") << QStringList{} << reportOf({}, {}, {}, ";;;;;;");
        QTest::newRow("worked example, 39 lines") << workedExample
            << reportOf({"Number of 10p coins :\t\t\t4", "Number of £1 coins :\t\t\t3", "Number of £5 notes :\t\t\t2", "Number of £10 notes :\t\t\t6",
                         "Number of £20 notes :\t\t\t1"}, {"Cheque 1 £\t\t\t25.00"},
                        {"10 pences : £\t\t\t0.40", "£1 coins : £\t\t\t3.00", "£5 notes : £\t\t\t10.00", "£10 notes : £\t\t\t60.00", "£20 notes: £\t\t\t20.00"},
                        "3.40;90.00;93.40;25.00;118.40;43.40;25.00");
        // Zero rows go, whatever their text; the others show the text as typed.
        QTest::newRow("cheques of zero") << QStringList{"txtFloat=10", "txtChequeAmt_0=-0", "txtChequeAmt_1=0.30", "txtChequeAmt_2=0.00", "txtChequeAmt_4=1,000"}
            << reportOf({}, {"Cheque 2 £\t\t\t0.30", "Cheque 5 £\t\t\t1,000"}, {}, "0.00;0.00;0.00;1,000.30;1,000.30;-10.00;1,000.30");
    }

    // The report, then the picture of the window, each one document; nothing on screen changes.
    void report()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        auto till = shown<TillWindow>();
        child<QLineEdit>(till.get(), "txtDate")->setText("05/12/2026");
        child<QLineEdit>(till.get(), "txtTime")->setText("17:45");
        act(till.get(), steps);
        const QStringList before = texts(till.get(), tillResults);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        UnexpectedModalGuard guard;
        act(till.get(), {"cmdPrintReport", "cmdPrintScreen"});
        QCOMPARE(guard.seen, QStringList());
        QCOMPARE(printed(record), expected);
        QCOMPARE(record.pictures.value(0).deviceIndependentSize().toSize(), till->size());
        QCOMPARE(record.orientation, QPageLayout::Portrait);
        QCOMPARE(record.documentsEnded, 2);
        QCOMPARE(texts(till.get(), tillResults), before);
    }

    void exit_data()
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

    // Leaving asks twice and then closes every window, tool windows too.
    void exit()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, ends);
        QPointer<TillWindow> till = shown<TillWindow>().release();
        act(till, {"cmdVATCalc"});
        QPointer<QWidget> vat = toolWindow("frmVATCalc");
        QList<SeenBox> seen;
        answerBoxes(answers, &seen);
        act(till, {"cmdExit"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(seen.size(), answers.size());
        QCOMPARE(seen[0].text + seen[0].defaultButton, QStringLiteral("Are you sure you want to exit?&Yes"));
        QCOMPARE(seen[0].icon, QMessageBox::Question);
        if (seen.size() > 1) {
            QCOMPARE(seen[1].text + seen[1].defaultButton, QStringLiteral("Click 'OK' if you have printed off a report and wish to exit.\r\n"
                                                                          "Click 'Cancel' to abort the program exit and print off a report.OK"));
            QCOMPARE(seen[1].icon, QMessageBox::Information);
        }
        QCOMPARE(seen.back().title, QStringLiteral("Please Confirm"));
        QCOMPARE(till.isNull(), ends);
        QCOMPARE(vat.isNull(), ends);
        delete vat;
        delete till;
    }

    // Each tool window exists once, keeps what it shows while open, and
    // comes back fresh once closed; the button no one sees does nothing.
    void toolWindowsOpenOnce()
    {
        auto till = shown<TillWindow>();
        for (const auto& [button, name] : {std::pair{"cmdVATCalc", "frmVATCalc"}, {"cmdMarkup", "frmMarkup"}, {"Command1", "frmAbout"}}) {
            act(till.get(), {button});
            QPointer<QWidget> tool = toolWindow(name);
            tool->setWindowTitle("touched");
            act(till.get(), {button});
            QCOMPARE(toolWindow(name), tool.data());
            tool->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(tool.isNull());
            act(till.get(), {button});
            QVERIFY(toolWindow(name)->windowTitle() != u"touched");
            toolWindow(name)->close();
        }
        UnexpectedModalGuard guard;
        QTest::keyClick(till.get(), Qt::Key_X, Qt::AltModifier);
        act(till.get(), {"cmdQuit"});
        QCOMPARE(guard.seen, QStringList());
    }

    // Tabbing into a fresh count selects its "0", so the first key replaces
    // it; coming back selects from where the caret was to the end. A
    // megabyte pasted is cut to what the box holds, and the box marked.
    void typingAndPasting()
    {
        auto till = shown<TillWindow>();
        auto* count = child<QLineEdit>(till.get(), "txtTill_0");
        child(till.get(), "txtFloat")->setFocus(Qt::TabFocusReason);
        for (const auto& [key, text] : {std::pair{Qt::Key_Tab, "75"}, {Qt::Key_Left, ""}, {Qt::Key_Tab, ""}, {Qt::Key_Backtab, "0"}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::keyClicks(count, text);
        }
        QCOMPARE(count->text(), QStringLiteral("70"));
        const QString before = ::figures(*till);
        QApplication::clipboard()->setText(QString(1 << 20, u'7'));
        QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(count->text().size(), qsizetype(entryCapacity));
        QVERIFY(marks(*till).startsWith("txtTill_0: This box is full"));
        QCOMPARE(::figures(*till), before);
    }
};

QTEST_MAIN(TestTillWindow)
#include "tst_tillwindow.moc"
