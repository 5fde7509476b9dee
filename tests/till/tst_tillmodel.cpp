// SPDX-License-Identifier: GPL-3.0-or-later
// The till's working-out: every figure from the entries as typed, or the
// entries that keep it from being worked out.
#include "app/numbers/conversions.h"
#include "till/tillmodel.h"

#include <QTest>

using namespace tillora;
using Reason = EntryFault::Reason;
using Boxes = QMap<int, QString>; // the boxes typed into, by row; the others hold "0"

Q_DECLARE_METATYPE(EntryFault)

namespace {

template <size_t N>
std::array<QString, N> filled(const Boxes& typed)
{
    std::array<QString, N> boxes;
    boxes.fill(QStringLiteral("0"));
    for (auto it = typed.begin(); it != typed.end(); ++it)
        boxes[size_t(it.key())] = it.value();
    return boxes;
}

TillOutcome workOut(const Boxes& counts, const Boxes& cheques, const QString& floatAmount, bool shown = false)
{
    return workOutTill({filled<tillRows>(counts), filled<chequeRows>(cheques), floatAmount}, shown);
}

EntryFault count(int row, Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::Count, row}, reason, total};
}

EntryFault cheque(int row, Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::Cheque, row}, reason, total};
}

EntryFault onFloat(Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::Float}, reason, total};
}

} // namespace

namespace QTest {
template <>
char* toString(const EntryFault& fault)
{
    return qstrdup(qPrintable(QStringLiteral("entry %1/%2 reason %3 total %4")
                                  .arg(int(fault.entry.kind))
                                  .arg(fault.entry.row)
                                  .arg(int(fault.reason))
                                  .arg(int(fault.total))));
}
} // namespace QTest

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void lineTotal_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three 10p") << 3 << "3"
                                   << "0.30";
        QTest::newRow("half a penny rounds up") << 0 << "0.5"
                                                << "0.01";
        QTest::newRow("negative") << 5 << "-1"
                                  << "-0.50";
        QTest::newRow("fraction as typed") << 6 << "2.5"
                                           << "2.50";
        QTest::newRow("grouped") << 11 << "20"
                                 << "1,000.00";
        QTest::newRow("blank counts 0") << 9 << "  "
                                        << "0.00";
        QTest::newRow("empty counts 0") << 1 << ""
                                        << "0.00";
    }

    void lineTotal()
    {
        QFETCH(int, row);
        QFETCH(QString, count);
        QFETCH(QString, shown);
        const TillOutcome outcome = workOut({{row, count}}, {}, "0");
        QVERIFY(outcome.faults.empty());
        QCOMPARE(outcome.figures->lineTotals[size_t(row)], shown);
    }

    void totals_data()
    {
        QTest::addColumn<Boxes>("counts");
        QTest::addColumn<Boxes>("cheques");
        QTest::addColumn<QString>("floatAmount");
        QTest::addColumn<QStringList>("totals"); // change, notes, till, cheques, grand, cash to bank, cheques to bank
        const auto row = [](const char* name, const Boxes& counts, const Boxes& cheques, const char* floatAmount,
                            const char* totals) {
            QTest::newRow(name) << counts << cheques << QString(floatAmount) << QString(totals).split(u' ');
        };
        row("£2 is change", {{7, "1"}}, {}, "0", "2.00 0.00 2.00 0.00 2.00 2.00 0.00");
        row("£5 is notes", {{8, "1"}}, {}, "0", "0.00 5.00 5.00 0.00 5.00 5.00 0.00");
        row("the float only in cash to bank", {{6, "3"}, {9, "1"}}, {{2, "4"}}, "20",
            "3.00 10.00 13.00 4.00 17.00 -7.00 4.00");
        row("totals add the line totals shown", {{0, "0.5"}, {2, "0.1"}}, {}, "0",
            "0.02 0.00 0.02 0.00 0.02 0.02 0.00");
        row("cheques add as typed", {}, {{0, "0.004"}, {9, "0.004"}}, "0", "0.00 0.00 0.00 0.01 0.01 0.00 0.01");
        row("empty and blank boxes", {{0, ""}, {3, "3"}}, {{0, "  "}, {1, "12"}}, "5",
            "0.30 0.00 0.30 12.00 12.30 -4.70 12.00");
        row("grouping", {{10, "50"}, {11, "20"}}, {{0, "1,234.5"}}, "0.5",
            "0.00 2,000.00 2,000.00 1,234.50 3,234.50 1,999.50 1,234.50");
        row("float grouped", {}, {}, "10,000", "0.00 0.00 0.00 0.00 0.00 -10,000.00 0.00");
    }

    void totals()
    {
        QFETCH(Boxes, counts);
        QFETCH(Boxes, cheques);
        QFETCH(QString, floatAmount);
        QFETCH(QStringList, totals);
        const TillOutcome outcome = workOut(counts, cheques, floatAmount);
        QVERIFY(outcome.faults.empty());
        const TillFigures& f = *outcome.figures;
        QCOMPARE(QStringList({f.changeTotal, f.notesTotal, f.tillTotal, f.chequeTotal, f.grandTotal, f.cashToBank,
                              f.chequesToBank}),
                 totals);
    }

    void faults_data()
    {
        QTest::addColumn<Boxes>("counts");
        QTest::addColumn<Boxes>("cheques");
        QTest::addColumn<QString>("floatAmount");
        QTest::addColumn<bool>("figuresShown");
        QTest::addColumn<QList<EntryFault>>("faults"); // none: every figure is worked out, once there is a float
        const auto row = [](const char* name, const Boxes& counts, const Boxes& cheques, const char* floatAmount,
                            bool shown, const QList<EntryFault>& faults) {
            QTest::newRow(name) << counts << cheques << QString(floatAmount) << shown << faults;
        };
        const QString full = QString(entryCapacity - 2, u'0') + "12";
        // Without a float nothing is worked out; once anything is on show, the float is to blame.
        row("untouched", {}, {}, "", false, {});
        row("a count, no float", {{3, "4"}}, {}, "", false, {onFloat(Reason::FloatAwaited)});
        row("a cheque, no float", {}, {{9, "1"}}, "", false, {onFloat(Reason::FloatAwaited)});
        row("float emptied", {}, {}, " ", true, {onFloat(Reason::FloatAwaited)});
        row("not a number", {{0, "x"}}, {}, "", true, {count(0, Reason::NotANumber), onFloat(Reason::FloatAwaited)});
        row("in order", {{11, "y"}}, {{9, "-"}}, "?", false,
            {count(11, Reason::NotANumber), cheque(9, Reason::NotANumber), onFloat(Reason::NotANumber)});
        row("one short of full", {{0, full.mid(1)}}, {}, "0", true, {});
        row("full", {{0, full}}, {}, "0", true, {count(0, Reason::BoxFull)});
        row("too large to read", {}, {{4, "1e999"}}, "0", false, {cheque(4, Reason::TooLargeToRead)});
        // Beyond a double, the entry with the larger share is blamed.
        row("line total", {{11, "1e308"}}, {}, "0", false, {count(11, Reason::LineTotalTooLarge)});
        row("notes", {{10, "8e306"}, {11, "3e306"}}, {}, "0", false,
            {count(10, Reason::TotalTooLarge, TillTotal::Notes)});
        row("change", {{6, "1e308"}, {7, "8e307"}}, {}, "0", false,
            {count(7, Reason::TotalTooLarge, TillTotal::Change)});
        row("till", {{6, "1.7e308"}, {11, "3e306"}}, {}, "0", false,
            {count(6, Reason::TotalTooLarge, TillTotal::Till)});
        row("cheques", {}, {{0, "1e308"}, {1, "1.5e308"}}, "0", false,
            {cheque(1, Reason::TotalTooLarge, TillTotal::Cheques)});
        row("grand", {{11, "3e306"}}, {{0, "1.7e308"}}, "0", false,
            {cheque(0, Reason::TotalTooLarge, TillTotal::Grand)});
        row("cash to bank", {{6, "1e308"}}, {}, "-1.5e308", false,
            {onFloat(Reason::TotalTooLarge, TillTotal::CashToBank)});
        // Finite sums whose text, to 15 significant digits, is beyond a double.
        row("change as shown", {{0, "5.3e295"}, {7, "8.98846567431155e307"}}, {}, "0", false,
            {count(7, Reason::TotalTooLarge, TillTotal::Change)});
        row("cheques as shown", {}, {{0, "1.7976931348623157e308"}}, "0", false,
            {cheque(0, Reason::TotalTooLarge, TillTotal::Cheques)});
    }

    // Figures come whole or not at all.
    void faults()
    {
        QFETCH(Boxes, counts);
        QFETCH(Boxes, cheques);
        QFETCH(QString, floatAmount);
        QFETCH(bool, figuresShown);
        QFETCH(QList<EntryFault>, faults);
        const TillOutcome outcome = workOut(counts, cheques, floatAmount, figuresShown);
        QCOMPARE(QList<EntryFault>(outcome.faults.begin(), outcome.faults.end()), faults);
        QCOMPARE(outcome.figures.has_value(), faults.isEmpty() && !floatAmount.trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
