// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tillora {

inline constexpr int tillRows = 12; // 1p (row 0) up to £50 (row 11)
inline constexpr int chequeRows = 10;
inline constexpr int firstNotesRow = 8; // rows 0 to 7 are coins, 8 to 11 notes

// The value in pounds of one piece of each row's note or coin.
inline constexpr std::array<double, tillRows> denominations{0.01, 0.02, 0.05, 0.10, 0.20, 0.50, 1, 2, 5, 10, 20, 50};

// One of the entries the user types into.
struct EntryId {
    enum class Kind { Count, Cheque, Float, ExpectedTakings };
    Kind kind = Kind::Float;
    int row = 0; // of a count or a cheque
    bool operator==(const EntryId&) const = default;
};

// What the user has typed, as it stands in the entry boxes.
struct TillEntries {
    std::array<QString, tillRows> counts;
    std::array<QString, chequeRows> cheques;
    QString floatAmount;
    QString expectedTakings; // what the till roll says was taken; blank: no check
};

// Whether the takings are to be checked: only once some are typed.
inline bool takingsExpected(const TillEntries& entries)
{
    return !entries.expectedTakings.trimmed().isEmpty();
}

// The money to bank against the takings expected: more, less, or the same.
struct TakingsCheck {
    enum class Verdict { Over, Short, Balanced };
    Verdict verdict = Verdict::Balanced;
    double difference = 0; // over (positive) or short, as shown
};

// The totals worked out from the line totals and the cheques, in the order
// they are worked out.
enum class TillTotal { Change, Notes, Till, Cheques, Grand, CashToBank, ChequesToBank, OverShort };
inline constexpr int tillTotals = 8;

// Where the report prints a total: under which heading, and how many tabs
// stand between its caption and its figure.
enum class ReportSection { Totals, GrandTotal, Miscellaneous, TakingsCheck };
struct ReportPlace {
    ReportSection section;
    int tabs;
};

// What the window, its fault descriptions and the report know of a total;
// adding a total is a row here and its sum in workOutTill().
struct TillTotalRow {
    TillTotal total;
    const char* box;         // objectName of its result box
    const char* label;       // objectName of the label that captions it
    const char* tooLargeWhy; // untranslated: why an entry that takes it beyond a double cannot be used
    ReportPlace report;
};

// clang-format off
inline constexpr std::array<TillTotalRow, tillTotals> tillTotalTable{{
    {TillTotal::Change, "txtChangeTotal", "lblTotalChange",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the change total too large to calculate."),
     {ReportSection::Totals, 2}},
    {TillTotal::Notes, "txtNotesTotal", "lblTotalNotes",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the notes total too large to calculate."),
     {ReportSection::Totals, 3}},
    {TillTotal::Till, "txtTillTotal", "lblTillTotal",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the till total too large to calculate."),
     {ReportSection::GrandTotal, 3}},
    {TillTotal::Cheques, "txtChequeTotal", "lblChequeAdd",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the cheque total too large to calculate."),
     {ReportSection::GrandTotal, 2}},
    {TillTotal::Grand, "txtTotal", "lblGrandTotal",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the grand total too large to calculate."),
     {ReportSection::GrandTotal, 3}},
    {TillTotal::CashToBank, "txtCashBank", "lblCashBank",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the cash to bank too large to calculate."),
     {ReportSection::Miscellaneous, 2}},
    // The cheque total again, as written and read back: it can go beyond a double only where that does.
    {TillTotal::ChequesToBank, "txtChequeBank", "lblChequeBank",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the cheque total too large to calculate."),
     {ReportSection::Miscellaneous, 2}},
    {TillTotal::OverShort, "txtOverShort", "lblOverShort",
     QT_TRANSLATE_NOOP("tillora::TillWindow", "This number makes the over or short too large to calculate."),
     {ReportSection::TakingsCheck, 3}},
}};
// clang-format on
static_assert(
    [] {
        for (size_t i = 0; i < tillTotalTable.size(); ++i)
            if (size_t(tillTotalTable[i].total) != i)
                return false;
        return true;
    }(),
    "the totals' table lists them in the order of TillTotal");

// Figures as the till read them from the boxes, and from its own shown
// figures, for whatever works on with them.
struct TillReadings {
    std::array<double, tillRows> counts{};
    double floatAmount = 0;
    double cashToBank = 0, chequesToBank = 0; // as shown
};

// Every result box's text, each in the two-decimal number format.
struct TillFigures {
    TillReadings read;
    std::array<QString, tillRows> lineTotals;
    std::array<QString, tillTotals> totals; // by TillTotal; the over or short empty while no takings are expected
    std::optional<TakingsCheck> takings;    // the over or short as a verdict, when takings are expected

    const QString& operator[](TillTotal total) const { return totals[size_t(total)]; }
};

// An entry that keeps the figures from being worked out now, and why, for
// the window to put into words.
struct EntryFault {
    enum class Reason {
        NotANumber,        // its text is not a number in the region's style
        TooLargeToRead,    // its number is beyond a double
        BoxFull,           // its box is full, so part of what was put in may be missing
        FloatAwaited,      // the float: figures on show wait for it
        LineTotalTooLarge, // a count whose line total is beyond a double
        TotalTooLarge,     // it put the most into `total`, which is beyond a double
    };
    EntryId entry;
    Reason reason = Reason::NotANumber;
    TillTotal total = TillTotal::Change;
    bool operator==(const EntryFault&) const = default;
};

struct TillOutcome {
    std::optional<TillFigures> figures; // all of them, or none
    std::vector<EntryFault> faults;     // counts, cheques, the float, then the takings expected
};

// Works out every line total and total from the entries. An empty count or
// cheque box counts as 0. The totals are built from the line totals as
// they are shown (two decimals), the cheque total from the amounts as typed;
// the over or short from the cash and cheques to bank as shown. With the
// float empty nothing is worked out; once figures are shown or any other
// entry is typed, the float is then a fault, since the figures on show no
// longer follow the entries. Unusable text and sums beyond a
// double come back as faults, the entry with the larger share blamed for
// a sum.
TillOutcome workOutTill(const TillEntries& entries, bool figuresShown, const QLocale& region = QLocale());

} // namespace tillora
