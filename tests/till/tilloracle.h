#pragma once

#include "tillwindow.h"

#include <QMap>
#include <QStringList>

namespace tillora::test {

// The boxes the user types into: the twelve counts, the ten cheques and the
// float.
QStringList entryBoxNames();

// What the result boxes must show for the entry boxes' texts, worked out
// here, apart from the till's own model, from the rules a shopkeeper reads:
// an empty box is 0, a full one unusable; each line total is its count times
// the coin's value in pounds, shown to two decimals; the change, notes, till,
// grand and cash-to-bank totals add and subtract the line totals as shown,
// the cheque total the amounts as typed; an empty float writes nothing.
struct TillExpectation {
    enum class Kind {
        Figures,       // every result box shows `results`
        AwaitingFloat, // nothing written, nothing marked
        Unreadable,    // exactly the boxes of `unreadable` are marked
        TooLarge,      // a figure goes beyond a double: one box is marked
    };
    Kind kind = Kind::Figures;
    QStringList results;               // in TillWindow::results() order
    QMap<QString, QString> unreadable; // box name -> how its mark's reason ends
    // Print Report prints, rather than saying why not: with no float, only a
    // till still at its start prints as it stands.
    bool reportPrints = false;
};

TillExpectation expectFromEntries(const TillWindow& till);

// Where the window disagrees with what its entries give; empty when it
// agrees. `lastFigures` are the results of the last complete recalculation,
// which every result box must keep while the figures cannot be worked out.
QString disagreement(const TillWindow& till, const TillExpectation& expected, const QStringList& lastFigures);

// Whether a box is marked as keeping the figures from being worked out.
bool isMarked(const QLineEdit* box);

// A box's text for a message: long texts cut, with their length.
QString shortened(const QString& text);

} // namespace tillora::test
