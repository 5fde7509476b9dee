// SPDX-License-Identifier: GPL-3.0-or-later
// The till window worked as a shopkeeper works it: by keys and clicks.
#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"
#include "app/numbers/runtimeerror.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace tillora;
using namespace tillora::test;

namespace {

// Line totals other than 0 and 0.00 as "row:text", "|", the seven totals ("_" empty).
QString figures(const QWidget& till)
{
    QString out;
    const QStringList shown = texts(&till, tillResults);
    for (int i = 0; i < 12; ++i)
        out += shown[i] == u"0" || shown[i] == u"0.00" ? QString() : QStringLiteral("%1:%2 ").arg(i).arg(shown[i]);
    out += u'|';
    for (const QString& total : shown.mid(12))
        out += u' ' + (total.isEmpty() ? QStringLiteral("_") : total);
    return out;
}

QWidget* toolWindow(const QString& name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [&](QWidget* w) { return w->objectName() == name && w->isVisible(); });
    return found == windows.end() ? nullptr : *found;
}

// The report around its three lists, the seven totals given ";" apart.
QStringList reportOf(const QStringList& counts, const QStringList& cheques, const QStringList& lines,
                     const QString& totals)
{
    const QStringList t = totals.split(u';');
    return QStringList{"*", "*Till Calculator - Report", "*", "*Date :»05/12/2026\t\tTime :»17:45", "*TILL CONTENTS"}
         + counts + QStringList{"", "*CHEQUES", ""} + cheques + QStringList{"", "*TOTALS", ""} + lines
         + QStringList{"Total Change : £\t\t" + t[0],
                       "Total Notes : £\t\t\t" + t[1],
                       "",
                       "*CALCULATION OF GRAND TOTAL",
                       "",
                       "Till Total : £\t\t\t" + t[2],
                       "Add Cheques : £\t\t" + t[3],
                       "Grand Total : £\t\t\t" + t[4],
                       "",
                       "*MISCELLANEOUS",
                       "",
                       "Cash to Bank : £\t\t" + t[5],
                       "Cheques to Bank : £\t\t" + t[6],
                       "*",
                       "*END OF REPORT",
                       "",
                       "© 2026 Tillora developers\t\twww.tillora.example"};
}

const double coins[12] = {0.01, 0.02, 0.05, 0.10, 0.20, 0.50, 1, 2, 5, 10, 20, 50};

std::optional<double> read(const QString& text)
{
    if (text.size() >= 1000) // a box filled to the brim may hold a paste cut short
        return std::nullopt;
    const Reading reading = strictNumber(text);
    return text.trimmed().isEmpty() ? 0.0 : reading.ok() ? std::optional(reading.value) : std::nullopt;
}

struct Expected {
    std::optional<QStringList> figures; // every result box, when all can be worked out
    QStringList marked;                 // else the entries at fault,
    bool oneBlamed = false;             // or one entry behind a sum beyond a double
};

// Counts 0-11, cheques 12-21, the float 22; results in tillResults' order.
Expected expect(const QStringList& entries, bool figuresShown)
{
    Expected e;
    double v[23];
    bool typed = false;
    for (int i = 0; i < 23; ++i) {
        const auto value = read(entries[i]);
        if (!value)
            e.marked << tillEntries[i];
        v[i] = value.value_or(0);
        typed = typed || (i < 22 && v[i] != 0);
    }
    const bool noFloat = entries[22].trimmed().isEmpty();
    if (noFloat && (figuresShown || typed) && !e.marked.contains(u"txtFloat"))
        e.marked << QStringLiteral("txtFloat");
    if (!e.marked.isEmpty() || noFloat)
        return e;
    bool beyond = false; // a sum beyond a double, or without a text that reads back
    const auto fmt = [&](double x) {
        beyond = beyond || !writable(x);
        return beyond ? QString() : formatNumber(x, {.decimals = 2});
    };
    QStringList shown;
    double change = 0, notes = 0, cheques = 0;
    for (int i = 0; i < 12; ++i) {
        shown << fmt(v[i] * coins[i]);
        (i < 8 ? change : notes) += strictNumber(shown.back()).value;
    }
    for (int j = 12; j < 22; ++j)
        cheques += v[j];
    shown << fmt(change) << fmt(notes) << fmt(notes + change) << fmt(cheques) << fmt(notes + change + cheques)
          << fmt(notes + change - v[22]) << fmt(strictNumber(fmt(cheques)).value);
    if (beyond)
        e.oneBlamed = true;
    else
        e.figures = shown;
    return e;
}

QStringList marked(const QWidget& till)
{
    return marks(till).replaceInStrings(QRegularExpression(":.*"), QString());
}

// One random edit, mostly what a user types, with slips enough to reach every fault.
void edit(QWidget& till, QRandomGenerator& random)
{
    const auto below = [&](qsizetype n) { return int(random.bounded(int(n))); };
    static const QStringList slips{"1", "5", "0", "25", ".", ",", "-", "+", "e", "e307", "e308", "x", " ", "1,000"};
    QString text = QString::number(below(100000) / 100.0);
    for (int n = below(3); n > 0; --n)
        text = below(2) ? text + slips[below(slips.size())] : slips[below(slips.size())];
    const QStringList faulty = marked(till);
    auto* box = child<QLineEdit>(&till, !faulty.isEmpty() && below(3) == 0 ? faulty.front() : tillEntries[below(23)]);
    box->setFocus(Qt::TabFocusReason);
    const int action = below(10);
    if (action < 4) // select all, then type
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (action < 6)
        QTest::keyClicks(box, text);
    else if (action < 8)
        QTest::keyClick(box, Qt::Key_Backspace);
    else { // a paste, now and then longer than a box holds
        QApplication::clipboard()->setText(QString(below(3) ? below(8) : 1000 + below(200), u"75x. "[below(5)]) + text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
}

} // namespace

class TestTillWindow : public QObject {
    Q_OBJECT
private slots:
    void recalculation_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<QString>("mark"); // "box: reason"
        const QString noFloat = QStringLiteral("txtFloat: The totals are worked out once the float is entered.");
        QTest::newRow("start-up marks nothing") << QStringList{} << "| _ _ _ _ _ _ _"
                                                << "";
        QTest::newRow("whole count after the float")
            << QStringList{"txtFloat=50", "txtTill_0=7",  "txtTill_1=3",  "txtTill_2=4",          "txtTill_3=10",
                           "txtTill_4=5", "txtTill_5=6",  "txtTill_6=12", "txtTill_7=4",          "txtTill_8=3",
                           "txtTill_9=5", "txtTill_10=2", "txtTill_11=1", "txtChequeAmt_0=25.50", "txtChequeAmt_1=12"}
            << "0:0.07 1:0.06 2:0.20 3:1.00 4:1.00 5:3.00 6:12.00 7:8.00 8:15.00 9:50.00 10:40.00 11:50.00 | "
               "25.33 155.00 180.33 37.50 217.83 130.33 37.50"
            << "";
        QTest::newRow("a count before the float waits for it")
            << QStringList{"txtTill_3=4"} << "| _ _ _ _ _ _ _" << noFloat;
        QTest::newRow("counts before the float count once it comes")
            << QStringList{"txtTill_3=4", "txtTill_6=3", "txtFloat=5"}
            << "3:0.40 6:3.00 | 3.40 0.00 3.40 0.00 3.40 -1.60 0.00"
            << "";
        QTest::newRow("emptied count and cheque count 0")
            << QStringList{"txtFloat=50", "txtTill_6=3", "txtChequeAmt_2=9", "txtTill_6=", "txtChequeAmt_2="}
            << "| 0.00 0.00 0.00 0.00 0.00 -50.00 0.00"
            << "";
        QTest::newRow("unusable text changes no figure")
            << QStringList{"txtFloat=50", "txtTill_6=3", "txtTill_3=abc", "txtChequeAmt_0=7"}
            << "6:3.00 | 3.00 0.00 3.00 0.00 3.00 -47.00 0.00"
            << "txtTill_3: \u201cabc\u201d is not a number.";
        QTest::newRow("putting it right brings every figure")
            << QStringList{"txtFloat=50", "txtTill_3=abc", "txtChequeAmt_0=7", "txtTill_3=4"}
            << "3:0.40 | 0.40 0.00 0.40 7.00 7.40 -49.60 7.00"
            << "";
        QTest::newRow("an emptied float leaves its figures marked")
            << QStringList{"txtFloat=50", "txtTill_6=3", "txtFloat=", "txtTill_6=7"}
            << "6:3.00 | 3.00 0.00 3.00 0.00 3.00 -47.00 0.00" << noFloat;
        QTest::newRow("fractions and negatives as typed") << QStringList{"txtFloat=0", "txtTill_6=2.5", "txtTill_0=-1"}
                                                          << "0:-0.01 6:2.50 | 2.49 0.00 2.49 0.00 2.49 2.49 0.00"
                                                          << "";
        QTest::newRow("grouped line totals add up")
            << QStringList{"txtFloat=0", "txtTill_11=20", "txtTill_10=50"}
            << "10:1,000.00 11:1,000.00 | 0.00 2,000.00 2,000.00 0.00 2,000.00 2,000.00 0.00"
            << "";
        QTest::newRow("a shortfall shows its minus")
            << QStringList{"txtFloat=10000"} << "| 0.00 0.00 0.00 0.00 0.00 -10,000.00 0.00"
            << "";
        QTest::newRow("figures too wide for their box")
            << QStringList{"txtFloat=20000", "txtTill_11=1e15", "txtChequeAmt_0=1234.56"}
            << "11:50,000,000,000,000,000.00 | 0.00 50,000,000,000,000,000.00 50,000,000,000,000,000.00 1,234.56 "
               "50,000,000,000,001,200.00 "
               "49,999,999,999,980,000.00 1,234.56"
            << "";
    }

    // Every result box shows its figure from the start, smaller or cut at its end
    // with the whole in its tooltip; then the report prints, or says what keeps it.
    void recalculation()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, figures);
        QFETCH(QString, mark);
        auto till = shown<TillWindow>();
        act(till.get(), steps);
        QCOMPARE(::figures(*till), figures);
        QCOMPARE(marks(*till).join(u'\n'), mark);
        for (const QString& name : tillResults) {
            auto* box = child<QLineEdit>(till.get(), name);
            const bool fits = box->fontMetrics().horizontalAdvance(box->text()) < box->width() - 8;
            QVERIFY2(box->cursorPosition() == 0 && (box->toolTip().isEmpty() || box->font().pixelSize() == 8),
                     qPrintable(name)); // cut only once smallest
            QCOMPARE(box->toolTip(), fits ? QString() : box->text());
        }
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        QList<SeenBox> seen;
        answerBoxes(mark.isEmpty() ? QStringList{} : QStringList{"OK"}, &seen);
        act(till.get(), {"cmdPrintReport"});
        QCOMPARE(record.documentsEnded, mark.isEmpty() ? 1 : 0);
        const QString named = mark.isEmpty() ? QString()
                                             : child(till.get(), mark.section(u':', 0, 0))->accessibleName() + u':'
                                                   + mark.section(u':', 1);
        QVERIFY2(seen.isEmpty() ? mark.isEmpty() : seen[0].text.contains(named) && seen[0].icon == QMessageBox::Warning,
                 qPrintable(named));
    }

    void report_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing typed, 28 lines") << QStringList{} << reportOf({}, {}, {}, ";;;;;;");
        QTest::newRow("worked example, 39 lines")
            << workedExample
            << reportOf({"Number of 10p coins :\t\t\t4", "Number of £1 coins :\t\t\t3", "Number of £5 notes :\t\t\t2",
                         "Number of £10 notes :\t\t\t6", "Number of £20 notes :\t\t\t1"},
                        {"Cheque 1 £\t\t\t25.00"},
                        {"10 pences : £\t\t\t0.40", "£1 coins : £\t\t\t3.00", "£5 notes : £\t\t\t10.00",
                         "£10 notes : £\t\t\t60.00", "£20 notes: £\t\t\t20.00"},
                        "3.40;90.00;93.40;25.00;118.40;43.40;25.00");
        // Zero rows go, whatever their text; the others show the text as typed.
        QTest::newRow("cheques of zero") << QStringList{"txtFloat=10", "txtChequeAmt_0=-0", "txtChequeAmt_1=0.30",
                                                        "txtChequeAmt_2=0.00", "txtChequeAmt_4=1,000"}
                                         << reportOf({}, {"Cheque 2 £\t\t\t0.30", "Cheque 5 £\t\t\t1,000"}, {},
                                                     "0.00;0.00;0.00;1,000.30;1,000.30;-10.00;1,000.30");
    }

    // The report, then the picture of the window, each one document; nothing on screen changes.
    void report()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        auto till = shown<TillWindow>(); // opened now, and every report of the day says when
        auto *date = child<QLineEdit>(till.get(), "txtDate"), *time = child<QLineEdit>(till.get(), "txtTime");
        QVERIFY(date->text() == QDate::currentDate().toString("dd/MM/yyyy")
                && QTime::fromString(time->text(), "HH:mm").secsTo(QTime::currentTime()) < 120);
        date->setText("05/12/2026");
        time->setText("17:45");
        act(till.get(), steps);
        const QStringList before = texts(till.get(), tillResults);
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        act(till.get(), {"cmdPrintReport", "cmdPrintScreen"});
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
        for (const auto& [answers, ends] : {std::pair{"&No", false},
                                            {"Esc", false},
                                            {"&Yes Cancel", false},
                                            {"&Yes Esc", false},
                                            {"&Yes OK", true},
                                            {"Enter Enter", true},
                                            {"&Yes Close", false}})
            QTest::newRow(answers) << QString(answers).split(u' ') << ends;
    }

    // A tool window opens once; the unseen button does nothing; leaving asks
    // twice and then closes every window, tool windows too.
    void exit()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, ends);
        QPointer<TillWindow> till = shown<TillWindow>().release();
        act(till, {"cmdVATCalc"});
        QPointer<QWidget> vat = toolWindow("frmVATCalc");
        act(till, {"cmdVATCalc", "cmdQuit"});
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return w->objectName() == u"frmVATCalc" && w->isVisible(); }),
                 1);
        QList<SeenBox> seen;
        answerBoxes(answers, &seen);
        act(till, {"cmdExit"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList asked{"Please Confirm|Are you sure you want to exit?|&Yes|4",
                                "Please Confirm|Click 'OK' if you have printed off a report and wish to exit.\r\n"
                                "Click 'Cancel' to abort the program exit and print off a report.|OK|1"};
        QCOMPARE(seen.size(), answers.size());
        for (qsizetype i = 0; i < seen.size(); ++i) // title, text, default button and icon
            QCOMPARE(QStringList({seen[i].title, seen[i].text, seen[i].defaultButton, QString::number(seen[i].icon)})
                         .join(u'|'),
                     asked[i]);
        QCOMPARE(till.isNull(), ends);
        QCOMPARE(vat.isNull(), ends);
        delete vat;
        delete till;
    }

    // Tabbing into a fresh "0" selects it; coming back selects from the caret on.
    void typingOverTheZero()
    {
        auto till = shown<TillWindow>();
        auto* count = child<QLineEdit>(till.get(), "txtTill_0");
        child(till.get(), "txtFloat")->setFocus(Qt::TabFocusReason);
        for (const auto& [key, text] :
             {std::pair{Qt::Key_Tab, "75"}, {Qt::Key_Left, ""}, {Qt::Key_Tab, ""}, {Qt::Key_Backtab, "0"}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::keyClicks(count, text);
        }
        QCOMPARE(count->text(), QStringLiteral("70"));
    }

    // Random edits by keys and pastes. After every change the results are what a
    // working-out done here gives, or, with an entry unusable, the last complete
    // ones, with exactly those entries marked. TILLORA_RANDOM_SEED adds a seed.
    void randomTyping_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("fixed seed") << quint32(20261206);
        if (qEnvironmentVariableIsSet("TILLORA_RANDOM_SEED"))
            QTest::newRow("TILLORA_RANDOM_SEED") << quint32(qEnvironmentVariableIntValue("TILLORA_RANDOM_SEED"));
    }

    void randomTyping()
    {
        QFETCH(quint32, seed);
        auto till = shown<TillWindow>();
        QStringList last = texts(till.get(), tillResults);
        QString failure;
        for (const QString& name : tillEntries) { // after the till's own handler
            connect(child<QLineEdit>(till.get(), name), &QLineEdit::textChanged, this, [&] {
                const Expected e = expect(texts(till.get(), tillEntries), !last.back().isEmpty());
                const QStringList shown = texts(till.get(), tillResults), marks = marked(*till);
                if (failure.isEmpty()
                    && !(e.figures ? shown == *e.figures && marks.isEmpty()
                                   : shown == last && (e.oneBlamed ? marks.size() == 1 : marks == e.marked)))
                    failure = QStringLiteral("marked %1 for %2").arg(marks.join(u' '), e.marked.join(u' '));
                last = shown;
            });
        }
        QRandomGenerator random(seed);
        int step = 0;
        for (; step < 10000 && failure.isEmpty(); ++step)
            edit(*till, random);
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, edit %2: %3").arg(seed).arg(step).arg(failure)));
    }
};

QTEST_MAIN(TestTillWindow)
#include "tst_tillwindow.moc"
