// The till report, line by line, and through Qt's real print engine.
#include "tillwindow.h"

#include "app/printer.h"
#include "support/modal.h"
#include "support/tools.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tillora;
using namespace tillora::test;

namespace {

// Each line's text, after a "*" when it is emphasised; "»" is a move to
// the next zone.
QStringList printed(const RecordingPrinter& recorder)
{
    QStringList lines;
    for (const RecordingPrinter::Line& line : recorder.lines)
        lines << (line.emphasis ? QStringLiteral("*") : QString()) + line.text().replace(u'\x1f', u'»');
    return lines;
}

void setDay(TillWindow& till)
{
    till.box("txtDate")->setText("05/12/2026");
    till.box("txtTime")->setText("17:45");
}

void printReport(TillWindow& till, RecordingPrinter& recorder)
{
    till.form().setPrinterSource(recordInto(recorder));
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
}

const QStringList countCaptions{"Number of 1p coins :",  "Number of 2p coins :",  "Number of 5p coins :",
                                "Number of 10p coins :", "Number of 20p coins :", "Number of 50p coins :",
                                "Number of £1 coins :",  "Number of £2 coins :",  "Number of £5 notes :",
                                "Number of £10 notes :", "Number of £20 notes :", "Number of £50 notes :"};
const QStringList lineCaptions{"1 pences : £", "2 pences : £", "5 pences : £",  "10 pences : £",
                               "20 pences : £", "50 pences : £", "£1 coins : £",  "£2 coins : £",
                               "£5 notes : £", "£10 notes : £", "£20 notes: £", "£50 notes : £"};

// The captions with the space-separated values three tabs after them; a
// row whose value is "-" is left out.
QStringList rows(const QStringList& captions, const QString& values)
{
    const QStringList v = values.split(u' ');
    QStringList r;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (v.value(i) != u"-")
            r << captions[i] + "\t\t\t" + v.value(i);
    }
    return r;
}

// The report around the three lists, with the seven totals as given.
QStringList report(const QStringList& counts, const QStringList& cheques, const QStringList& lines,
                   const QString& totals)
{
    const QStringList t = totals.split(u' ', Qt::SkipEmptyParts);
    return QStringList{"*", "*Till Calculator - Report", "*", "*Date :»05/12/2026\t\tTime :»17:45", "*TILL CONTENTS"}
        + counts + QStringList{"", "*CHEQUES", ""} + cheques + QStringList{"", "*TOTALS", ""} + lines
        + QStringList{"Total Change : £\t\t" + t.value(0), "Total Notes : £\t\t\t" + t.value(1), "",
                      "*CALCULATION OF GRAND TOTAL", "", "Till Total : £\t\t\t" + t.value(2),
                      "Add Cheques : £\t\t" + t.value(3), "Grand Total : £\t\t\t" + t.value(4), "", "*MISCELLANEOUS",
                      "", "Cash to Bank : £\t\t" + t.value(5), "Cheques to Bank : £\t\t" + t.value(6), "*",
                      "*END OF REPORT", "", "© 2026 Tillora developers\t\twww.tillora.example"};
}

QStringList workedExample()
{
    return report(rows(countCaptions, "- - - 4 - - 3 - 2 6 1 -"), {"Cheque 1 £\t\t\t25.00"},
                  rows(lineCaptions, "- - - 0.40 - - 3.00 - 10.00 60.00 20.00 -"),
                  "3.40 90.00 93.40 25.00 118.40 43.40 25.00");
}

} // namespace

class TestTillReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void lineByLine_data();
    void lineByLine();
    void refusedWhileFiguresAreNotCurrent_data();
    void refusedWhileFiguresAreNotCurrent();
    void throughThePrintEngine();

private:
    QTemporaryDir m_dir;
};

void TestTillReport::lineByLine_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing entered, 28 lines") << QStringList{} << report({}, {}, {}, "");
    QTest::newRow("worked example, 39 lines") << workedExampleSteps << workedExample();
    // A zero row is left out whatever its text; others show the text as typed.
    QTest::newRow("cheques of zero") << QStringList{"txtFloat=10", "txtChequeAmt_0=0.00", "txtChequeAmt_1=-0",
                                                    "txtChequeAmt_2=", "txtChequeAmt_3=0.30", "txtChequeAmt_4=1,000"}
                                     << report({}, {"Cheque 4 £\t\t\t0.30", "Cheque 5 £\t\t\t1,000"}, {},
                                               "0.00 0.00 0.00 1,000.30 1,000.30 -10.00 1,000.30");
    // Row i holds i + 1 of its note or coin, and cheque j is for £(j + 1).
    QStringList steps{"txtFloat=100"}, cheques;
    for (int i = 0; i < tillRows; ++i)
        steps << QStringLiteral("txtTill_%1=%2").arg(i).arg(i + 1);
    for (int j = 0; j < chequeRows; ++j) {
        steps << QStringLiteral("txtChequeAmt_%1=%2").arg(j).arg(j + 1);
        cheques << QStringLiteral("Cheque %1 £\t\t\t%1").arg(j + 1);
    }
    QTest::newRow("every row, 62 lines") << steps
                               << report(rows(countCaptions, "1 2 3 4 5 6 7 8 9 10 11 12"), cheques,
                                         rows(lineCaptions, "0.01 0.04 0.15 0.40 1.00 3.00 7.00 16.00 45.00 100.00 "
                                                            "220.00 600.00"),
                                         "27.60 965.00 992.60 55.00 1,047.60 892.60 55.00");
}

void TestTillReport::lineByLine()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    TillWindow till;
    setDay(till);
    till.enter(steps);
    const QStringList before = till.results();

    RecordingPrinter recorder;
    UnexpectedModalGuard guard; // a refusal fails here rather than waiting for an answer
    printReport(till, recorder);
    QCOMPARE(guard.seen(), QStringList());
    QCOMPARE(printed(recorder), expected);
    QCOMPARE(recorder.orientation, 1);
    QCOMPARE(recorder.documentsEnded, 1);
    QCOMPARE(till.results(), before);
}

void TestTillReport::refusedWhileFiguresAreNotCurrent_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("named"); // the box and why, as the message gives them
    QTest::newRow("letters in a cheque") << QStringList{"txtFloat=10", "txtChequeAmt_2=abc"}
                                         << "Cheque 3: \u201cabc\u201d is not a number.";
    QTest::newRow("letters in the float") << QStringList{"txtFloat=5x"} << "Float: \u201c5x\u201d is not a number.";
    QTest::newRow("count beyond a double") << QStringList{"txtFloat=10", "txtTill_11=1e307"}
                                           << "Number of £50 notes: This count makes its line total too large";
    // Without a float nothing is worked out, so the totals on the window
    // cannot be trusted to match the entries.
    const QString noFloat = QStringLiteral("Float: the totals are worked out once the float is entered.");
    QTest::newRow("count before any float") << QStringList{"txtTill_3=4"} << noFloat;
    QTest::newRow("float emptied, then a count") << QStringList{"txtFloat=50", "txtFloat=", "txtTill_6=3"} << noFloat;
    QTest::newRow("float emptied, counts all zero") << QStringList{"txtFloat=50", "txtFloat="} << noFloat;
}

void TestTillReport::refusedWhileFiguresAreNotCurrent()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, named);
    TillWindow till;
    till.enter(steps);
    RecordingPrinter recorder;
    SeenBox seen;
    answerNextBox("OK", &seen);
    printReport(till, recorder);
    QVERIFY2(seen.text.contains(named), qPrintable(seen.text));
    QCOMPARE(seen.icon, int(QMessageBox::Warning));
    QCOMPARE(recorder.documentsEnded, 0);
    QVERIFY(recorder.lines.isEmpty());
}

void TestTillReport::throughThePrintEngine()
{
    TillWindow till;
    setDay(till);
    typeWorkedExample(till);
    const QString path = m_dir.filePath("report.pdf");
    till.form().setPrinterSource([path] { return PagePrinter::forPdf(path); });
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);

    // Each line with any text, in order, its tabs and zone moves laid out as blanks.
    const QString text = toolOutput("pdftotext", {"-layout", path, "-"});
    qsizetype at = 0;
    for (QString line : workedExample()) {
        QStringList pieces = line.remove(u'*').split(QRegularExpression("[\t»]+"), Qt::SkipEmptyParts);
        if (pieces.isEmpty())
            continue;
        for (QString& piece : pieces)
            piece = QRegularExpression::escape(piece);
        const auto match = QRegularExpression(pieces.join("\\s+")).match(text, at);
        QVERIFY2(match.hasMatch(), qPrintable(line + "\n" + text));
        at = match.capturedEnd();
    }
    QVERIFY(toolOutput("pdffonts", {path}).contains("Bold"));
    QVERIFY(toolOutput("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
}

QTEST_MAIN(TestTillReport)
#include "tst_tillreport.moc"
