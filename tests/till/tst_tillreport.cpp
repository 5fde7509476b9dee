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

struct Expected {
    bool emphasis;
    QString text;
};
using Report = QList<Expected>;

const QString zone = QStringLiteral("\x1f");
const QString footer = QStringLiteral("© 2026 Tillora developers\t\twww.tillora.example");

Report title()
{
    return {{true, ""}, {true, "Till Calculator - Report"}, {true, ""},
            {true, "Date :" + zone + "05/12/2026\t\tTime :" + zone + "17:45"}, {true, "TILL CONTENTS"}};
}

// The report around the three lists, with the totals as given.
Report report(const QStringList& counts, const QStringList& cheques, const QStringList& lines,
              const QStringList& totals)
{
    Report r = title();
    for (const QString& row : counts)
        r << Expected{false, row};
    r << Expected{false, ""} << Expected{true, "CHEQUES"} << Expected{false, ""};
    for (const QString& row : cheques)
        r << Expected{false, row};
    r << Expected{false, ""} << Expected{true, "TOTALS"} << Expected{false, ""};
    for (const QString& row : lines)
        r << Expected{false, row};
    r << Expected{false, "Total Change : £\t\t" + totals[0]} << Expected{false, "Total Notes : £\t\t\t" + totals[1]}
      << Expected{false, ""} << Expected{true, "CALCULATION OF GRAND TOTAL"} << Expected{false, ""}
      << Expected{false, "Till Total : £\t\t\t" + totals[2]} << Expected{false, "Add Cheques : £\t\t" + totals[3]}
      << Expected{false, "Grand Total : £\t\t\t" + totals[4]} << Expected{false, ""}
      << Expected{true, "MISCELLANEOUS"} << Expected{false, ""}
      << Expected{false, "Cash to Bank : £\t\t" + totals[5]} << Expected{false, "Cheques to Bank : £\t\t" + totals[6]}
      << Expected{true, ""} << Expected{true, "END OF REPORT"} << Expected{false, ""} << Expected{false, footer};
    return r;
}

void typeEveryRow(TillWindow& till)
{
    till.type("txtFloat", "100");
    for (int i = 0; i < tillRows; ++i)
        till.type(QStringLiteral("txtTill_%1").arg(i), QString::number(i + 1));
    for (int j = 0; j < chequeRows; ++j)
        till.type(QStringLiteral("txtChequeAmt_%1").arg(j), QString::number(j + 1));
}

Report workedExample()
{
    return report({"Number of 10p coins :\t\t\t4", "Number of £1 coins :\t\t\t3", "Number of £5 notes :\t\t\t2",
                   "Number of £10 notes :\t\t\t6", "Number of £20 notes :\t\t\t1"},
                  {"Cheque 1 £\t\t\t25.00"},
                  {"10 pences : £\t\t\t0.40", "£1 coins : £\t\t\t3.00", "£5 notes : £\t\t\t10.00",
                   "£10 notes : £\t\t\t60.00", "£20 notes: £\t\t\t20.00"},
                  {"3.40", "90.00", "93.40", "25.00", "118.40", "43.40", "25.00"});
}

Report everyRow()
{
    const QStringList tillCaptions{"Number of 1p coins :",  "Number of 2p coins :",  "Number of 5p coins :",
                                   "Number of 10p coins :", "Number of 20p coins :", "Number of 50p coins :",
                                   "Number of £1 coins :",  "Number of £2 coins :",  "Number of £5 notes :",
                                   "Number of £10 notes :", "Number of £20 notes :", "Number of £50 notes :"};
    const QStringList totalCaptions{"1 pences : £", "2 pences : £", "5 pences : £", "10 pences : £",
                                    "20 pences : £", "50 pences : £", "£1 coins : £", "£2 coins : £",
                                    "£5 notes : £", "£10 notes : £", "£20 notes: £", "£50 notes : £"};
    const QStringList lineTotals{"0.01", "0.04", "0.15", "0.40", "1.00", "3.00",
                                 "7.00", "16.00", "45.00", "100.00", "220.00", "600.00"};
    QStringList counts, cheques, lines;
    for (int i = 0; i < tillRows; ++i) {
        counts << tillCaptions[i] + "\t\t\t" + QString::number(i + 1);
        lines << totalCaptions[i] + "\t\t\t" + lineTotals[i];
    }
    for (int j = 0; j < chequeRows; ++j)
        cheques << QStringLiteral("Cheque %1 £\t\t\t%1").arg(j + 1);
    return report(counts, cheques, lines, {"27.60", "965.00", "992.60", "55.00", "1,047.60", "892.60", "55.00"});
}

} // namespace

class TestTillReport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void lineByLine_data();
    void lineByLine();
    void zeroTestReadsTheBoxes_data();
    void zeroTestReadsTheBoxes();
    void unusableEntryPrintsNothing_data();
    void unusableEntryPrintsNothing();
    void emptyFloatHoldsTheReportBack_data();
    void emptyFloatHoldsTheReportBack();
    void onePressOneJob();
    void throughThePrintEngine();

private:
    QTemporaryDir m_dir;
};

void TestTillReport::lineByLine_data()
{
    QTest::addColumn<int>("day"); // 0 nothing entered, 1 worked example, 2 every row
    QTest::addColumn<int>("lines");
    QTest::newRow("nothing entered") << 0 << 28;
    QTest::newRow("worked example") << 1 << 39;
    QTest::newRow("every row") << 2 << 62;
}

void TestTillReport::lineByLine()
{
    QFETCH(int, day);
    QFETCH(int, lines);
    TillWindow till;
    till.box("txtDate")->setText("05/12/2026");
    till.box("txtTime")->setText("17:45");
    if (day == 1)
        typeWorkedExample(till);
    if (day == 2)
        typeEveryRow(till);
    const QStringList before = till.results();

    RecordingPrinter recorder;
    till.form().setPrinterSource(recordInto(recorder));
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);

    const Report expected = day == 0 ? report({}, {}, {}, {"", "", "", "", "", "", ""})
                          : day == 1 ? workedExample()
                                     : everyRow();
    QCOMPARE(expected.size(), lines);
    QCOMPARE(recorder.lines.size(), lines);
    for (int i = 0; i < lines; ++i) {
        QCOMPARE(recorder.lines[i].text(), expected[i].text);
        QVERIFY2(recorder.lines[i].emphasis == expected[i].emphasis, qPrintable(QString::number(i + 1)));
    }
    QCOMPARE(recorder.orientation, 1);
    QCOMPARE(recorder.documentsEnded, 1);
    QCOMPARE(till.results(), before);
}

void TestTillReport::zeroTestReadsTheBoxes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("printed");
    QTest::newRow("0") << "0" << false;
    QTest::newRow("00") << "00" << false;
    QTest::newRow("0.00") << "0.00" << false;
    QTest::newRow("-0") << "-0" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("0.30") << "0.30" << true;
    QTest::newRow("-1") << "-1" << true;
    QTest::newRow("grouped") << "1,000" << true;
}

// The row shows the box's text as typed, not the number read from it.
void TestTillReport::zeroTestReadsTheBoxes()
{
    QFETCH(QString, text);
    QFETCH(bool, printed);
    TillWindow till;
    till.type("txtFloat", "10");
    till.retype("txtChequeAmt_2", text);
    RecordingPrinter recorder;
    till.form().setPrinterSource(recordInto(recorder));
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
    const auto row = std::find_if(recorder.lines.cbegin(), recorder.lines.cend(),
                                  [](const auto& line) { return line.text().startsWith("Cheque 3 £"); });
    QCOMPARE(row != recorder.lines.cend(), printed);
    if (printed)
        QCOMPARE(row->text(), "Cheque 3 £\t\t\t" + text);
}

void TestTillReport::unusableEntryPrintsNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("letters in a cheque") << "txtChequeAmt_2" << "abc" << "Cheque 3";
    QTest::newRow("lone minus in a count") << "txtTill_0" << "-" << "Number of 1p coins";
    QTest::newRow("letters in the float") << "txtFloat" << "5x" << "Float";
    QTest::newRow("overflowing count") << "txtTill_11" << "1e307" << "Number of £50 notes";
}

void TestTillReport::unusableEntryPrintsNothing()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, named);
    TillWindow till;
    till.type("txtFloat", "10");
    till.retype(box, text);
    RecordingPrinter recorder;
    till.form().setPrinterSource(recordInto(recorder));
    SeenBox seen;
    answerNextBox("OK", &seen);
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
    QVERIFY2(seen.text.contains(named), qPrintable(seen.text));
    QCOMPARE(seen.icon, int(QMessageBox::Warning));
    QVERIFY(recorder.lines.isEmpty());
    QCOMPARE(recorder.documentsEnded, 0);
    QCOMPARE(till.text(box), text);
}

void TestTillReport::emptyFloatHoldsTheReportBack_data()
{
    QTest::addColumn<QStringList>("steps"); // "box=text" typed in turn; "box=" empties the box
    QTest::newRow("counts before any float") << QStringList{"txtTill_3=4"};
    QTest::newRow("cheque before any float") << QStringList{"txtChequeAmt_0=25"};
    QTest::newRow("float emptied, then a count") << QStringList{"txtFloat=50", "txtTill_3=4", "txtFloat=", "txtTill_6=3"};
    QTest::newRow("float emptied, counts all zero") << QStringList{"txtFloat=50", "txtFloat="};
}

// Without a float nothing is worked out, so the totals on the window cannot
// be trusted to match the entries: the report waits for the float.
void TestTillReport::emptyFloatHoldsTheReportBack()
{
    QFETCH(QStringList, steps);
    TillWindow till;
    for (const QString& step : steps) {
        const QString box = step.section(u'=', 0, 0);
        const QString text = step.section(u'=', 1);
        if (text.isEmpty())
            till.empty(box);
        else
            till.retype(box, text);
    }
    RecordingPrinter recorder;
    till.form().setPrinterSource(recordInto(recorder));
    SeenBox seen;
    answerNextBox("OK", &seen);
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
    QVERIFY2(seen.text.contains("Float: the totals are worked out once the float is entered."), qPrintable(seen.text));
    QCOMPARE(recorder.documentsEnded, 0);
    QVERIFY(recorder.lines.isEmpty());
}

void TestTillReport::onePressOneJob()
{
    TillWindow till;
    RecordingPrinter recorder;
    till.form().setPrinterSource(recordInto(recorder));
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);
    QCOMPARE(recorder.documentsEnded, 2);
    QCOMPARE(recorder.lines.size(), 2 * 28);
}

void TestTillReport::throughThePrintEngine()
{
    TillWindow till;
    till.box("txtDate")->setText("05/12/2026");
    till.box("txtTime")->setText("17:45");
    typeWorkedExample(till);
    const QString path = m_dir.filePath("report.pdf");
    till.form().setPrinterSource([path] { return PagePrinter::forPdf(path); });
    QTest::mouseClick(till.form().cmdPrintReport, Qt::LeftButton);

    const QString text = toolOutput("pdftotext", {"-layout", path, "-"});
    qsizetype at = 0;
    for (const Expected& line : workedExample()) {
        if (line.text.isEmpty())
            continue;
        QStringList pieces = line.text.split(QRegularExpression("[\t\x1f]+"));
        for (QString& piece : pieces)
            piece = QRegularExpression::escape(piece);
        const QString pattern = pieces.join("\\s+");
        const auto match = QRegularExpression(pattern).match(text, at);
        QVERIFY2(match.hasMatch(), qPrintable(line.text + "\n" + text));
        at = match.capturedEnd();
    }
    QVERIFY(toolOutput("pdffonts", {path}).contains("Bold"));
    QVERIFY(toolOutput("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+1\\n")));
}

QTEST_MAIN(TestTillReport)
#include "tst_tillreport.moc"
