// SPDX-License-Identifier: GPL-3.0-or-later
// The core: reading and writing figures in the user's regional style, the
// till's working-out, and the VAT and markup calculators' sums.
#include "app/core/calculators.h"
#include "app/core/conversions.h"
#include "app/core/formats.h"
#include "app/core/runtimeerror.h"
#include "app/core/tillmodel.h"

#include <QTest>

#include <limits>

using namespace tillora;
Q_DECLARE_METATYPE(FormatOptions)

namespace {

constexpr double inf = std::numeric_limits<double>::infinity(), notANumber = std::numeric_limits<double>::quiet_NaN();

// Space-separated texts, "_" for an empty box, "~" for blanks; the rest "0".
template <size_t N>
std::array<QString, N> boxes(const QString& texts)
{
    std::array<QString, N> result;
    result.fill(QStringLiteral("0"));
    const QStringList parts = texts.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i)
        result[i] = parts[i] == u"_" ? QString() : parts[i] == u"~" ? QStringLiteral("  ") : parts[i];
    return result;
}

// Each fault as "count 3: reason" (or cheque, float); then line totals
// other than 0.00 as "row:total", "|" and the seven totals.
QString outcomeOf(const TillOutcome& outcome)
{
    QStringList parts;
    for (const EntryFault& fault : outcome.faults)
        parts << QStringList{"count", "cheque", "float"}[int(fault.entry.kind)]
                     + (fault.entry.kind == EntryId::Kind::Float ? QString() : u' ' + QString::number(fault.entry.row))
                     + ": " + fault.reason;
    if (const auto& f = outcome.figures) {
        for (int i = 0; i < tillRows; ++i) {
            if (f->lineTotals[i] != u"0.00" && f->lineTotals[i] != u"0,00")
                parts << QStringLiteral("%1:%2").arg(i).arg(f->lineTotals[i]);
        }
        parts << "|" << f->changeTotal << f->notesTotal << f->tillTotal << f->chequeTotal << f->grandTotal
              << f->cashToBank << f->chequesToBank;
    }
    return parts.join(u' ');
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("strict");  // a value, or the error: not a number (nan) or too large (inf)
        QTest::addColumn<double>("lenient"); // the leading number with "." as its point, else 0
        const auto row = [](const char* region, const QString& text, double strict, double lenient) {
            QTest::addRow("%s %s", region, qPrintable(text.left(12))) << QString(region) << text << strict << lenient;
        };
        for (const auto& [text, strict, lenient] : {std::tuple{"1,234,567.89", 1234567.89, 1.0},
                                                    {" \t-50.00 ", -50.0, -50.0},
                                                    {"+.5", 0.5, 0.5},
                                                    {"5.", 5.0, 5.0},
                                                    {"25E-1", 2.5, 2.5},
                                                    {"(1,000.00)", -1000.0, 0.0},
                                                    {"007", 7.0, 7.0},
                                                    {"1e-400", 0.0, 0.0},
                                                    {"1e400", inf, inf},
                                                    {"-1e999", -inf, -inf}})
            row("en_GB", text, strict, lenient);
        row("de_DE", "1.234,50", 1234.5, 1.234);
        row("fr_FR", "1\u202f234,50", 1234.5, 1.0);
        row("fr_FR", "1 234,50", 1234.5, 1234.0);
        row("de_CH", "1\u2019234.50", 1234.5, 1.0);
        row("de_CH", "1'234.50", 1234.5, 1.0); // typed with the keyboard's apostrophe
        row("hi_IN", "12,34,567.00", 1234567.0, 12.0);
        row("fi_FI", "\u22125", -5.0, 0.0);
        row("de_DE", "1.5", notANumber, 1.5);
        row("en_GB", QString(400, u'9'), inf, inf);
        // Misplaced grouping is refused, so that a mistyped count never becomes another number.
        for (const auto& [text, lenient] :
             {std::pair{"", 0.0},  {"  ", 0.0},       {"-", 0.0},        {".", 0.0},   {"12abc", 12.0}, {"1.2.3", 1.2},
              {"--1", 0.0},        {"\u00a310", 0.0}, {"17.5%", 17.5},   {"1,5", 1.0}, {"1,2345", 1.0}, {",123", 0.0},
              {"1,,000", 1.0},     {"1.000,5", 1.0},  {"1 000", 1000.0}, {"1e", 1.0},  {"7e+", 7.0},    {"(-5)", 0.0},
              {"\t1\n2 .5", 12.5}, {"- 5", -5.0},     {"1\r2", 1.0}})
            row("en_GB", text, notANumber, lenient);
    }

    void reading()
    {
        QFETCH(QString, region);
        QFETCH(QString, text);
        QFETCH(double, strict);
        QFETCH(double, lenient);
        QCOMPARE(lenientNumber(text), lenient);
        try {
            QCOMPARE(strictNumber(text, QLocale(region)), strict);
        } catch (const RuntimeError& error) {
            QCOMPARE(error.kind(),
                     std::isinf(strict) ? RuntimeError::Kind::Overflow : RuntimeError::Kind::TypeMismatch);
            QVERIFY((std::isnan(strict) || std::isinf(strict)) && !error.message().isEmpty());
        }
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<double>("value");
        for (const char* region : {"en_GB", "en_US", "de_DE", "fr_FR", "de_CH"}) {
            for (double value : {0.3, -50.0, 999.995, -1234567.891, 1e15, 2.675, 1e-9, 1.5e300, 1.79769313486231e308})
                QTest::addRow("%s %g", region, value) << QString(region) << value;
        }
    }

    // What the formats write reads back, since the till adds up its line totals' text.
    void roundTrip()
    {
        QFETCH(QString, region);
        QFETCH(double, value);
        const QLocale here(region), plain = QLocale::c();
        for (int decimals : {0, 2, 5})
            QCOMPARE(strictNumber(formatNumber(value, {.decimals = decimals}, here), here),
                     strictNumber(formatNumber(value, {.decimals = decimals, .groupDigits = false}, plain), plain));
        QCOMPARE(strictNumber(numberToText(value, here), here), strictNumber(numberToText(value, plain), plain));
    }

    void format_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<double>("value");
        QTest::addColumn<FormatOptions>("options");
        QTest::addColumn<QStringList>("expected"); // the number, and in pounds; "!" for a fault
        const auto row = [](const char* region, double value, const QStringList& expected,
                            FormatOptions options = {.decimals = 2}) {
            QTest::addRow("%s %s", region, qPrintable(expected[0])) << QString(region) << value << options << expected;
        };
        // Half away from zero on the digits a person reads, not on the binary value.
        row("en_GB", 0.125, {"0.13", "£0.13"});
        row("en_GB", 1.005, {"1.01", "£1.01"});
        row("en_GB", 2.675, {"2.68"});
        row("en_GB", -0.125, {"-0.13", "-£0.13"});
        row("en_GB", 999.995, {"1,000.00", "£1,000.00"});
        row("en_GB", -0.001, {"0.00", "£0.00"});
        row("en_GB", 2.5, {"3"}, {.decimals = 0});
        row("en_GB", 1523.064375, {"1,523.06"}, {});
        row("en_GB", 1e20, {"100,000,000,000,000,000,000.00"});
        row("en_GB", 0.5, {".50"}, {.leadingDigit = false});
        row("en_GB", 1234.5, {"1234.50"}, {.groupDigits = false});
        row("en_GB", -1234.5, {"(1,234.50)", "(£1,234.50)"}, {.parenthesesForNegative = true});
        // Pounds, with pence, where the region puts its own currency.
        row("de_DE", -1234.5, {"-1.234,50", "-1.234,50\u00a0£"});
        row("fr_FR", 1234.5, {"1\u202f234,50", "1\u202f234,50\u00a0£"});
        row("de_CH", 1234567.5, {"1\u2019234\u2019567.50", "1\u2019234\u2019567.50\u00a0£"});
        row("en_US", -5.0, {"-5.00", "-£5.00"});
        row("ja_JP", 2.5, {"2.50", "£2.50"});
        row("ko_KR", 15.0, {"15.00", "£15.00"});
        row("fa_IR", 2.5, {"۲٫۵۰", "\u200e£\u00a0۲٫۵۰"});
        // The largest doubles' 15 digits round up past the range: their text would not read back.
        for (double fault : {inf, notANumber, -std::numeric_limits<double>::max()})
            row("en_GB", fault, {"!", "!"});
    }

    void format()
    {
        QFETCH(QString, region);
        QFETCH(double, value);
        QFETCH(FormatOptions, options);
        QFETCH(QStringList, expected);
        using Format = QString (*)(double, const FormatOptions&, const QLocale&);
        for (auto [format, expect] :
             {std::pair<Format, QString>{formatNumber, expected[0]}, {formatPounds, expected.value(1)}}) {
            try {
                if (!expect.isEmpty())
                    QCOMPARE(format(value, options, QLocale(region)), expect);
            } catch (const RuntimeError& error) {
                QVERIFY(error.isFloatingPointFault() && expect == u"!");
            }
        }
    }

    void moment_data()
    {
        QTest::addColumn<QStringList>("row"); // region, pattern, and what 05/12/2026 09:07:03 comes out as
        for (const QStringList& row : QList<QStringList>{{"en_GB", "dd/mm/yyyy", "05/12/2026"},
                                                         {"en_GB", "HH:mm", "09:07"},
                                                         {"de_DE", "dd/mm/yyyy", "05.12.2026"},
                                                         {"fi_FI", "HH:mm", "09.07"},
                                                         {"en_US", "dd/mm/yyyy", "05/12/2026"},
                                                         {"en_GB", "d/m/yy hh:mm:ss", "5/12/26 09:07:03"},
                                                         // Right-to-left and Asian regions keep their separators.
                                                         {"ko_KR", "HH:mm", "09:07"},
                                                         {"ko_KR", "dd/mm/yyyy", "05. 12. 2026"},
                                                         {"ja_JP", "dd/mm/yyyy", "05/12/2026"},
                                                         {"zh_CN", "HH:mm", "09:07"},
                                                         {"ar_EG", "dd/mm/yyyy", "٠٥\u200f/١٢\u200f/٢٠٢٦"},
                                                         {"ar_EG", "HH:mm", "٠٩:٠٧"},
                                                         {"he_IL", "dd/mm/yyyy", "05.12.2026"},
                                                         {"fa_IR", "HH:mm", "۰۹:۰۷"}})
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1])) << row;
    }

    void moment()
    {
        QFETCH(QStringList, row);
        QCOMPARE(formatMoment(QDateTime(QDate(2026, 12, 5), QTime(9, 7, 3)), row[1], QLocale(row[0])), row[2]);
    }

    void workOut_data()
    {
        QTest::addColumn<QStringList>("row"); // counts, cheques, float, whether figures are on show, and the outcome
        const QString awaitFloat = QStringLiteral("float: The totals are worked out once the float is entered.");
        const auto row = [](const char* name, const QStringList& row) { QTest::newRow(name) << row; };
        row("empty and blank boxes are 0",
            {"_ ~ 0 3", "~ 12", "5", "shown", "3:0.30 | 0.30 0.00 0.30 12.00 12.30 -4.70 12.00"});
        // Nothing is worked out without a float; once anything is on show, the float is to blame.
        row("untouched, no float", {"", "", "", "", ""});
        row("a count, no float", {"0 0 0 3", "", "", "", awaitFloat});
        row("float emptied", {"", "", " ", "shown", awaitFloat});
        row("float emptied beside a bad count",
            {"x", "", "", "shown", "count 0: \u201cx\u201d is not a number. " + awaitFloat});
        // 0.005 of a pound shows as 0.01 in each row, and the totals add what is shown.
        row("totals add the line totals shown",
            {"0.5 0 0.1", "", "0", "", "0:0.01 2:0.01 | 0.02 0.00 0.02 0.00 0.02 0.02 0.00"});
        row("cheques add unrounded", {"", "0.004 0.004", "0", "", "| 0.00 0.00 0.00 0.01 0.01 0.00 0.01"});
        row("every unusable entry, in order", {"x 0 0 0 0 0 0 0 0 0 0 y", "0 0 0 0 0 0 0 0 0 z", "?", "shown",
                                               "count 0: \u201cx\u201d is not a number. count 11: \u201cy\u201d is not "
                                               "a number. cheque 9: \u201cz\u201d is not a number. "
                                               "float: \u201c?\u201d is not a number."});
        row("one short of full",
            {QString(entryCapacity - 3, u'0') + "12", "", "0", "shown", "0:0.12 | 0.12 0.00 0.12 0.00 0.12 0.12 0.00"});
        row("full box",
            {QString(entryCapacity - 2, u'0') + "12", "", "0", "shown",
             "count 0: This box is full at 1,000 characters, so part of what was put into it may be missing."});
        row("too large to read",
            {"1e999", "", "0", "shown", "count 0: \u201c1e999\u201d is too large to calculate with."});
        // Beyond a double, the entry with the larger share is blamed.
        row("line total", {"0 0 0 0 0 0 0 0 0 0 0 1e308", "", "0", "shown",
                           "count 11: This count makes its line total too large to calculate."});
        row("notes total", {"0 0 0 0 0 0 0 0 0 0 8e306 3e306", "", "0", "shown",
                            "count 10: This number makes the notes total too large to calculate."});
        row("till total", {"0 0 0 0 0 0 1.7e308 0 0 0 0 3e306", "", "0", "shown",
                           "count 6: This number makes the till total too large to calculate."});
        row("grand total", {"0 0 0 0 0 0 0 0 0 0 0 3e306", "1.7e308", "0", "shown",
                            "cheque 0: This number makes the grand total too large to calculate."});
        row("cash to bank", {"0 0 0 0 0 0 1e308", "", "-1.5e308", "shown",
                             "float: This number makes the cash to bank too large to calculate."});
        // Finite sums whose text, to 15 significant digits, is beyond a double.
        row("change total as shown", {"5.3e295 0 0 0 0 0 0 8.98846567431155e307", "", "0", "shown",
                                      "count 7: This number makes the change total too large to calculate."});
        row("cheque total as shown", {"", "1.7976931348623157e308", "0", "shown",
                                      "cheque 0: This number makes the cheque total too large to calculate."});
    }

    void workOut()
    {
        QFETCH(QStringList, row);
        const TillOutcome outcome
            = workOutTill({boxes<tillRows>(row[0]), boxes<chequeRows>(row[1]), row[2]}, row[3] == u"shown");
        QCOMPARE(outcomeOf(outcome), row[4]);
        QVERIFY(!outcome.figures || outcome.faults.empty()); // figures come whole or not at all
    }

    void sums_data()
    {
        QTest::addColumn<QStringList>(
            "row"); // the sum (add, paid, or a markup in percent), amount, rate, and the result or fault
        const QString noNet
            = QStringLiteral("A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.");
        const QString tooLarge
            = QStringLiteral("The amount or the VAT rate is too large to work with. Please check both figures.");
        for (const QStringList& row : QList<QStringList>{
                 {"add", "100", "17.5", "Total : £100.00 + VAT (£17.50) = £117.50"},
                 {"add", "1234.5", "20", "Total : £1,234.50 + VAT (£246.90) = £1,481.40"},
                 {"add", "", "", "Total : £0.00 + VAT (£0.00) = £0.00"},
                 {"add", "100", "-100", "Total : £100.00 + VAT (-£100.00) = £0.00"},
                 {"add", "£100", "17.5%", "Total : £0.00 + VAT (£0.00) = £0.00"},
                 {"add", "-50", "20", "Total : £-50.00 + VAT (-£10.00) = -£60.00"},
                 {"paid", "117.5", "17.5", "VAT Paid: £17.50"},
                 {"paid", "100", "17.5", "VAT Paid: £14.89"},
                 {"paid", "100", "-100", noNet},
                 {"add", "1e308", "1000", tooLarge},
                 {"paid", "1e308", "-99.9999", tooLarge},
                 {"paid", "1e999", "20", tooLarge},
                 // The VAT the selling price contains at the rate typed.
                 {"10", "12.5", "17.5",
                  "£12.5 + a markup of 10% = a selling price of £16.16 - VAT on this item is £2.41"},
                 {"10", "100", "", "£100 + a markup of 10% = a selling price of £110.00 - VAT on this item is £0.00"},
                 {"5", "1234.5", "17.5",
                  "£1234.5 + a markup of 5% = a selling price of £1,523.06 - VAT on this item is £226.84"},
                 {"25", "80", "17.5",
                  "£80 + a markup of 25% = a selling price of £117.50 - VAT on this item is £17.50"},
                 {"10", "1,000", "17.5%",
                  "£1 + a markup of 10% = a selling price of £1.29 - VAT on this item is £0.19"},
                 {"10", "100", "-100",
                  "£100 + a markup of 10% = a selling price of £0.00 - VAT on this item is £-110.00"},
                 {"5", "1e20", "0",
                  "£1E+20 + a markup of 5% = a selling price of £105,000,000,000,000,000,000.00 - VAT on this item is "
                  "£0.00"},
                 {"50", "1.25e-7", "0",
                  "£1.25E-07 + a markup of 50% = a selling price of £0.00 - VAT on this item is £0.00"},
                 {"10", "1e308", "1000", tooLarge}})
            QTest::addRow("%s %s at %s", qPrintable(row[0]), qPrintable(row[1]), qPrintable(row[2])) << row;
    }

    void sums()
    {
        QFETCH(QStringList, row);
        QString result;
        try {
            result = row[0] == u"add"  ? vatAdded(row[1], row[2])
                   : row[0] == u"paid" ? vatPaid(row[1], row[2])
                                       : markedUp(row[1], row[2], row[0].toInt());
        } catch (const RuntimeError& error) {
            result = error.message();
        }
        QCOMPARE(result, row[3]);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
