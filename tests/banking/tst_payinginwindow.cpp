// SPDX-License-Identifier: GPL-3.0-or-later
// Paying In as the shopkeeper meets it: opened from the till, following every
// keystroke there, and saying why when there is nothing to split.
#include "app/widgets/fonts.h"
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QLabel>
#include <QScopeGuard>
#include <QTableWidget>

using namespace tillora;
using namespace tillora::test;

namespace {

struct Split {
    const char* name;
    QStringList till; // typed into the till once Paying In is open
    bool loose;       // coins may go one by one
    QString split;    // the pieces to bank, £50 notes first, then "|" and the bags
    QString totals;   // cash, cheques, paid in, kept
    QString status;
};

// A column's cells, one after another.
QString column(const QTableWidget& table, int column)
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        cells << table.item(row, column)->text();
    return cells.join(u' ').simplified();
}

} // namespace

Q_DECLARE_METATYPE(Split)

class TestPayingInWindow : public QObject {
    Q_OBJECT
private slots:
    void split_data()
    {
        const QString keeps = "The till keeps %1: the float of %2 and %3 that cannot be banked without taking from it.";
        const QString kept = keeps.arg("£53.40", "£50.00", "£3.40");
        const QString stays = "The float of £50.00 stays in the till.";
        const QString bagged = keeps.arg("£11.50", "£10.00", "£1.50");
        const QString inBags = "0 2 0 0 0 40 0 0 0 0 0 200 | 2 × £20 2 × £1";
        const QStringList bags{"txtFloat=10", "txtTill_0=250", "txtTill_4=30", "txtTill_6=45", "txtTill_10=2"};
        const QString first = "Type the float and the counts in the till first.", none = "   ";
        const QString notWhole = "The count of £5 notes is not a whole number of notes.";
        const QString unusable = "Correct this box in the till first: Number of 10p coins. “abc” is not a number.";
        rows<Split>({
            {"waits for the float", {"txtTill_3=4"}, false, "|", none, first},
            {"notes in any number", workedExample, false, "0 1 2 0 0 0 0 0 0 0 0 0 |", "40.00 25.00 65.00 53.40", kept},
            {"loose coins bank it all", workedExample, true, "0 1 2 0 0 3 0 0 4 0 0 0 |", "43.40 25.00 68.40 50.00",
             stays},
            {"full bags", bags, false, inBags, "82.00 0.00 82.00 11.50", bagged},
            {"short of the float",
             {"txtFloat=50", "txtTill_9=3"},
             false,
             "0 0 0 0 0 0 0 0 0 0 0 0 |",
             "0.00 0.00 0.00 30.00",
             "The till holds £20.00 less than its float: nothing to bank."},
            {"a count not whole", {"txtFloat=50", "txtTill_8=2.5"}, false, "|", none, notWhole},
            {"a count below zero",
             {"txtFloat=5", "txtTill_11=-1"},
             false,
             "|",
             none,
             "The count of £50 notes is below zero."},
            {"an unusable entry", {"txtFloat=50", "txtTill_3=abc"}, false, "|", none, unusable},
        });
    }

    // Opened first, so that every figure comes by following the till.
    void split()
    {
        QFETCH(Split, row);
        auto till = shown<TillWindow>();
        act(till.get(), {"cmdPayingIn"});
        QWidget* payingIn = visible("frmPayingIn").value(0);
        QVERIFY(payingIn);
        const auto closing = qScopeGuard([payingIn] { payingIn->close(); });
        act(till.get(), row.till);
        act(payingIn, row.loose ? QStringList{"chkBags"} : QStringList{});
        const auto* table = child<QTableWidget>(payingIn, "tblSplit");
        QCOMPARE((column(*table, 1) + " | " + column(*table, 2)).simplified(), row.split);
        QCOMPARE(texts(payingIn, {"txtCash", "txtCheques", "txtPaidIn", "txtKept"}).join(u' '), row.totals);
        QCOMPARE(wholeCaption(child<QLabel>(payingIn, "lblStatus")), row.status);
    }
};

QTEST_MAIN(TestPayingInWindow)
#include "tst_payinginwindow.moc"
