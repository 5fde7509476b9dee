#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <vector>

namespace tillora {

constexpr int tillRows = 12;    // 1p (row 0) up to £50 (row 11)
constexpr int chequeRows = 10;
constexpr int firstNotesRow = 8; // rows 0 to 7 are coins, 8 to 11 notes

// The most characters an entry box holds, far more than any number needs.
// A box cuts short what is pasted beyond it, so a text this long cannot
// be trusted to be what the user put in, and is a fault of its box.
constexpr int entryCapacity = 1000;

// The value in pounds of one piece of each row's note or coin.
constexpr std::array<double, tillRows> denominationValues{
    0.01, 0.02, 0.05, 0.10, 0.20, 0.50, 1, 2, 5, 10, 20, 50};

// What the user has typed, as it stands in the entry boxes.
struct TillEntries {
    std::array<QString, tillRows> counts;
    std::array<QString, chequeRows> cheques;
    QString floatAmount;
};

// Every result box's text, each in the two-decimal number format.
struct TillFigures {
    std::array<QString, tillRows> lineTotals;
    QString changeTotal, notesTotal, tillTotal, chequeTotal, grandTotal, cashToBank, chequesToBank;
};

// An entry box (by objectName: "txtTill_3", "txtChequeAmt_0", "txtFloat")
// that keeps the figures from being worked out, and why, in plain words.
struct BoxFault {
    QString box;
    QString reason;
    bool operator==(const BoxFault&) const = default;
};

struct TillOutcome {
    enum class Kind {
        Figures,      // every figure worked out: write them all
        AwaitingFloat, // the float box is empty: write nothing, mark nothing
        Faults,       // some entry cannot be used: write nothing, mark these
    };
    Kind kind;
    TillFigures figures;          // only for Kind::Figures
    std::vector<BoxFault> faults; // only for Kind::Faults
};

// Works out every line total and total from the entries. An empty count or
// cheque box counts as 0; a full one (entryCapacity) is a fault. The totals
// are built from the line totals as they will be shown (two decimals), the
// cheque total from the amounts as typed.
// Never throws: unusable text and calculations beyond a double come back as
// faults, so that the caller writes all the figures or none.
TillOutcome workOutTill(const TillEntries& entries,
                        const std::array<double, tillRows>& denominations = denominationValues,
                        const QLocale& region = QLocale());

} // namespace tillora
