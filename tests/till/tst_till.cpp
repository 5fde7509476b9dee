// SPDX-License-Identifier: GPL-3.0-or-later
// The till worked as a shopkeeper works it, by keys and pastes: every figure
// after every keystroke, the marks on what cannot be used and why, the tool
// windows it opens, and leaving.
#include "app/numbers/conversions.h"
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

using namespace tillora;
using namespace tillora::test;
using Boxes = QMap<int, QString>; // the boxes typed into, by row; the others hold "0"

namespace {

const QString full = QString(entryCapacity - 2, u'0') + "12"; // a box filled to the brim

struct Blaming { // the entries that keep the figures from being worked out
    const char* name;
    Boxes counts, cheques;
    QString floatAmount, expectedTakings;
    QList<EntryFault> faults;
    bool figuresShown = false;
};

struct Leaving {
    const char* name;
    QStringList answers; // a button's text, or a key
    bool ends;
};

struct Typing {
    const char* name;
    QStringList steps;
    QString figures;      // line totals other than 0 and 0.00 as "row:text", "|", the totals, over/short ("_" empty)
    QString takings = {}; // the verdict
    QString mark = {};    // "box: reason"
};

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

QStringList marked(const QWidget& till)
{
    return marks(till).replaceInStrings(QRegularExpression(":.*"), QString());
}

// What the till's working-out makes of the entries as they stand: the figures
// every result box must show, none while an entry cannot be used, and the
// entries to mark. The arithmetic itself is the keystrokes' to check.
std::pair<std::optional<QStringList>, QSet<QString>> expect(const QStringList& typed, bool figuresShown)
{
    TillEntries entries{{}, {}, typed[22], typed[23]};
    std::copy_n(typed.begin(), tillRows, entries.counts.begin());
    std::copy_n(typed.begin() + tillRows, chequeRows, entries.cheques.begin());
    const TillOutcome worked = workOutTill(entries, figuresShown);
    QSet<QString> blamed;
    for (const EntryFault& fault : worked.faults) // counts, cheques, the float, the takings expected
        blamed << tillEntries[QList{0, tillRows, 22, 23}[int(fault.entry.kind)] + fault.entry.row];
    if (!worked.figures)
        return {std::nullopt, blamed};
    const TillFigures& f = *worked.figures;
    return {QStringList(f.lineTotals.begin(), f.lineTotals.end()) + QStringList(f.totals.begin(), f.totals.end()),
            blamed};
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
    auto* box = child<QLineEdit>(&till, !faulty.isEmpty() && below(3) == 0 ? faulty.front()
                                                                           : tillEntries[below(tillEntries.size())]);
    box->setFocus(Qt::TabFocusReason);
    const int action = below(10);
    if (action < 4) // select all, then type
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (action < 6) {
        QTest::keyClicks(box, text);
    } else if (action < 8) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else { // a paste, now and then longer than a box holds
        QApplication::clipboard()->setText(QString(below(3) ? below(8) : 1000 + below(200), u"75x. "[below(5)]) + text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
}

} // namespace

Q_DECLARE_METATYPE(Blaming)
Q_DECLARE_METATYPE(Typing)
Q_DECLARE_METATYPE(Leaving)

class TestTill : public QObject {
    Q_OBJECT
private slots:
    void blaming_data()
    {
        using enum EntryId::Kind;
        using enum EntryFault::Reason;
        using enum TillTotal;
        rows<Blaming>({
            // Without a float nothing is worked out; once anything is on show, the float is to blame.
            {"cheque, no float", {}, {{9, "1"}}, "", "", {{{Float}, FloatAwaited}}},
            {"takings, no float", {}, {}, "", "12", {{{Float}, FloatAwaited}}},
            {"float emptied", {}, {}, " ", "", {{{Float}, FloatAwaited}}, true},
            {"not a number first", {{0, "x"}}, {}, "", "", {{{Count, 0}, NotANumber}, {{Float}, FloatAwaited}}, true},
            {"box full", {{0, full}}, {}, "0", "", {{{Count, 0}, BoxFull}}},
            {"beyond a double", {}, {{4, "1e999"}}, "0", "", {{{Cheque, 4}, TooLargeToRead}}},
            {"takings not a number", {}, {}, "0", "12 pounds", {{{ExpectedTakings}, NotANumber}}},
            // Beyond a double, the entry with the larger share is blamed.
            {"line total", {{11, "1e308"}}, {}, "0", "", {{{Count, 11}, LineTotalTooLarge}}},
            {"change", {{6, "1e308"}, {7, "8e307"}}, {}, "0", "", {{{Count, 7}, TotalTooLarge, Change}}},
            {"notes", {{10, "8e306"}, {11, "3e306"}}, {}, "0", "", {{{Count, 10}, TotalTooLarge, Notes}}},
            {"till", {{6, "1.7e308"}, {11, "3e306"}}, {}, "0", "", {{{Count, 6}, TotalTooLarge, Till}}},
            {"cheques", {}, {{0, "1e308"}, {1, "1.5e308"}}, "0", "", {{{Cheque, 1}, TotalTooLarge, Cheques}}},
            {"grand", {{11, "3e306"}}, {{0, "1.7e308"}}, "0", "", {{{Cheque, 0}, TotalTooLarge, Grand}}},
            {"cash to bank", {{6, "1e308"}}, {}, "-1.5e308", "", {{{Float}, TotalTooLarge, CashToBank}}},
            // A finite sum whose text, to 15 significant digits, is beyond a double.
            {"unwritable", {}, {{0, "1.7976931348623157e308"}}, "0", "", {{{Cheque, 0}, TotalTooLarge, Cheques}}},
            // Over / Short beyond a double: the float, or the takings expected, to blame.
            {"float too", {{6, "1e307"}}, {}, "-1.5e308", "-1e308", {{{Float}, TotalTooLarge, OverShort}}},
            {"takings too", {{11, "2e306"}}, {}, "0", "-1.7e308", {{{ExpectedTakings}, TotalTooLarge, OverShort}}},
        });
    }

    // Figures come whole or not at all: an entry that cannot be used keeps
    // them all back, and says why.
    void blaming()
    {
        QFETCH(Blaming, row);
        TillEntries entries{{}, {}, row.floatAmount, row.expectedTakings};
        entries.counts.fill(QStringLiteral("0"));
        entries.cheques.fill(QStringLiteral("0"));
        for (auto it = row.counts.begin(); it != row.counts.end(); ++it)
            entries.counts[size_t(it.key())] = it.value();
        for (auto it = row.cheques.begin(); it != row.cheques.end(); ++it)
            entries.cheques[size_t(it.key())] = it.value();
        const TillOutcome outcome = workOutTill(entries, row.figuresShown);
        QCOMPARE(QList<EntryFault>(outcome.faults.begin(), outcome.faults.end()), row.faults);
        QVERIFY(!outcome.figures);
    }
    void keystrokes_data()
    {
        const QString awaited = QStringLiteral("txtFloat: The totals are worked out once the float is entered.");
        const QString abc = "txtTill_3=abc", notNumber = "txtTill_3: \u201cabc\u201d is not a number.";
        const QString over = "8:200.00 | 0.00 200.00 200.00 12.30 212.30 150.00 12.30 1.50";
        const QString balanced = "| 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00";
        const QString halfPence = "0:0.01 2:0.01 | 0.02 0.00 0.02 0.00 0.02 0.02 0.00 _";
        const QString short_ = "11:999.70 | 0.00 999.70 999.70 0.00 999.70 999.70 0.00 -0.30";
        rows<Typing>({
            {"nothing typed", {}, "| _ _ _ _ _ _ _ _"},
            {"a whole day",
             {"txtFloat=50", "txtTill_0=7", "txtTill_1=3", "txtTill_2=4", "txtTill_3=10", "txtTill_4=5", "txtTill_5=6",
              "txtTill_6=12", "txtTill_7=4", "txtTill_8=3", "txtTill_9=5", "txtTill_10=2", "txtTill_11=1",
              "txtChequeAmt_0=25.50", "txtChequeAmt_1=12"},
             "0:0.07 1:0.06 2:0.20 3:1.00 4:1.00 5:3.00 6:12.00 7:8.00 8:15.00 9:50.00 10:40.00 11:50.00 | "
             "25.33 155.00 180.33 37.50 217.83 130.33 37.50 _"},
            // The totals add the line totals as shown, each rounded to the penny.
            {"line totals as shown", {"txtFloat=0", "txtTill_0=0.5", "txtTill_2=0.1"}, halfPence},
            {"a count waits for the float", {"txtTill_3=4"}, "| _ _ _ _ _ _ _ _", "", awaited},
            {"float emptied", {"txtFloat=5", "txtFloat="}, "| 0.00 0.00 0.00 0.00 0.00 -5.00 0.00 _", "", awaited},
            {"two not numbers",
             {"txtFloat=50", "txtChequeAmt_0=x", abc},
             "| 0.00 0.00 0.00 0.00 0.00 -50.00 0.00 _",
             "",
             notNumber + "\ntxtChequeAmt_0: \u201cx\u201d is not a number."},
            {"too wide to show",
             {"txtFloat=20000", "txtTill_11=1e15", "txtChequeAmt_0=1234.56"},
             "11:50,000,000,000,000,000.00 | 0.00 50,000,000,000,000,000.00 50,000,000,000,000,000.00 1,234.56 "
             "50,000,000,000,001,200.00 49,999,999,999,980,000.00 1,234.56 _"},
            // The takings check: cash and cheques to bank less the takings expected.
            {"over",
             {"txtFloat=50", "txtTill_8=40", "txtChequeAmt_0=12.30", "txtExpected=160.80"},
             over,
             "Over by £1.50"},
            {"short", {"txtExpected=1,000", "txtFloat=0", "txtTill_11=19.994"}, short_, "Short by £0.30"},
            {"balanced", {"txtFloat=0", "txtExpected=0"}, balanced, "Balanced"},
            {"verdict waits", {"txtFloat=0", "txtExpected=0", abc}, balanced, "Waiting for usable entries", notNumber},
            {"verdict waits for the float", {"txtExpected=5"}, "| _ _ _ _ _ _ _ _", "Waiting for the float", awaited},
            {"takings cleared",
             {"txtFloat=0", "txtExpected=5", "txtExpected="},
             "| 0.00 0.00 0.00 0.00 0.00 0.00 0.00 _"},
        });
    }

    // After the keys, every figure, and the marks, as the user sees them: a
    // result box shows its figure from the start, smaller first, and cut only
    // when smallest; the report prints, or says which box keeps it.
    void keystrokes()
    {
        QFETCH(Typing, row);
        auto till = shown<TillWindow>();
        act(till.get(), row.steps);
        QCOMPARE(figures(*till), row.figures);
        QCOMPARE(marks(*till).join(u'\n'), row.mark);
        QCOMPARE(child<QLabel>(till.get(), "lblTakings")->text(), row.takings);
        for (const QString& name : tillResults) {
            auto* box = child<QLineEdit>(till.get(), name);
            const bool fits = box->fontMetrics().horizontalAdvance(box->text()) < box->width() - 8;
            QVERIFY2(box->cursorPosition() == 0 && (fits || box->font().pixelSize() == 8), qPrintable(name));
            QCOMPARE(box->toolTip(), fits ? QString() : box->text());
        }
        PrintRecord record;
        till->setPrinterSource(RecordingPrinter::into(record));
        QList<SeenBox> seen;
        answerBoxes(row.mark.isEmpty() ? QStringList{} : QStringList{"OK"}, &seen);
        act(till.get(), {"cmdPrintReport"});
        QCOMPARE(record.documentsEnded, row.mark.isEmpty() ? 1 : 0);
        if (!row.mark.isEmpty()) { // the first box marked, of all
            const QString first = row.mark.section(u'\n', 0, 0);
            const QString box = child(till.get(), first.section(u':', 0, 0))->accessibleName();
            QVERIFY2(seen.value(0).text.contains(box + u':' + first.section(u':', 1)), qPrintable(seen.value(0).text));
        }
    }

    void randomTyping_data() { tillora::test::seeds(20261206); }

    // Random edits by keys and pastes. After every change the results are the
    // ones worked out, or, with an entry unusable, the last ones shown, with
    // exactly the entries at fault marked. TILLORA_RANDOM_SEED adds a seed.
    void randomTyping()
    {
        QFETCH(quint32, seed);
        auto till = shown<TillWindow>();
        QStringList last = texts(till.get(), tillResults);
        const qsizetype tillTotal = tillResults.indexOf("txtTillTotal"); // empty until figures are first shown
        QString failure;
        for (const QString& name : tillEntries) { // after the till's own handler
            connect(child<QLineEdit>(till.get(), name), &QLineEdit::textChanged, this, [&] {
                const auto [figures, blamed] = expect(texts(till.get(), tillEntries), !last[tillTotal].isEmpty());
                const QStringList shown = texts(till.get(), tillResults), marks = marked(*till);
                if (failure.isEmpty()
                    && (shown != figures.value_or(last) || QSet(marks.begin(), marks.end()) != blamed))
                    failure = QStringLiteral("shows %1, marked %2").arg(shown.join(u' '), marks.join(u' '));
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
    // Each tool window exists once: its button brings it forward as it was;
    // closed by its own button, it opens afresh. The unseen "E&xit" does nothing.
    void toolWindows()
    {
        const auto till = shown<TillWindow>();
        for (const auto& [button, window, box, close] : {std::tuple{"cmdVATCalc", "frmVATCalc", "txtPrice", "cmdClose"},
                                                         {"cmdMarkup", "frmMarkup", "txtCurrentVat", "cmdClose"},
                                                         {"Command1", "frmAbout", "", "Command1"},
                                                         {"cmdPayingIn", "frmPayingIn", "", "cmdClose"}}) {
            act(till.get(), {button});
            QCOMPARE(visible(window).size(), 1);
            QPointer<QWidget> opened = visible(window).front();
            if (*box)
                act(opened, {QStringLiteral("%1=12.5").arg(box)});
            opened->showMinimized();
            act(till.get(), {button, "cmdQuit"});
            QCOMPARE(visible(window), QWidgetList{opened});
            QVERIFY(!opened->isMinimized());
            if (*box)
                QCOMPARE(child<QLineEdit>(opened, box)->text(), "12.5");
            act(opened, {close});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(opened.isNull());
        }
        QVERIFY(till->isVisible());
    }

    void exit_data()
    {
        rows<Leaving>({
            {"no at first", {"&No"}, false},
            {"Esc at first", {"Esc"}, false},
            {"cancelled at last", {"&Yes", "Cancel"}, false},
            {"closed at last", {"&Yes", "Close"}, false},
            {"OK at last", {"&Yes", "OK"}, true},
            {"Enter twice", {"Enter", "Enter"}, true},
        });
    }

    // Leaving asks twice, then closes every window, tool windows too.
    void exit()
    {
        QFETCH(Leaving, row);
        QPointer<TillWindow> till = shown<TillWindow>().release();
        act(till, {"cmdVATCalc"});
        QPointer<QWidget> vat = visible("frmVATCalc").value(0);
        QList<SeenBox> seen;
        answerBoxes(row.answers, &seen);
        act(till, {"cmdExit"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList asked{"Please Confirm|Are you sure you want to exit?|&Yes|4",
                                "Please Confirm|Click 'OK' if you have printed off a report and wish to exit.\r\n"
                                "Click 'Cancel' to abort the program exit and print off a report.|OK|1"};
        QCOMPARE(seen.size(), row.answers.size());
        for (qsizetype i = 0; i < seen.size(); ++i) // title, text, default button and icon
            QCOMPARE(QStringList({seen[i].title, seen[i].text, seen[i].defaultButton, QString::number(seen[i].icon)})
                         .join(u'|'),
                     asked[i]);
        QCOMPARE(till.isNull(), row.ends);
        QCOMPARE(vat.isNull(), row.ends);
        delete vat;
        delete till;
    }
};

QTEST_MAIN(TestTill)
#include "tst_till.moc"
