// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/tillmodel.h"

#include "app/core/checkedarithmetic.h"
#include "app/core/conversions.h"
#include "app/core/formats.h"
#include "app/core/runtimeerror.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tillora {

namespace {

struct TillModel {
    Q_DECLARE_TR_FUNCTIONS(TillModel)
};

// A figure together with the entry that put the most into it: the one to
// blame when a sum with the figure goes beyond a double.
struct Traced {
    double value = 0;
    std::optional<EntryId> entry;
    double weight = 0; // the size of that entry's share
};

// Raised inside the working-out only; workOutTill turns it into a fault.
struct Blamed {
    EntryFault fault;
};

enum class Total { Change, Notes, Till, Cheques, Grand, CashToBank };

QString tooLarge(Total total)
{
    switch (total) {
    case Total::Change: return TillModel::tr("This number makes the change total too large to calculate.");
    case Total::Notes: return TillModel::tr("This number makes the notes total too large to calculate.");
    case Total::Till: return TillModel::tr("This number makes the till total too large to calculate.");
    case Total::Cheques: return TillModel::tr("This number makes the cheque total too large to calculate.");
    case Total::Grand: return TillModel::tr("This number makes the grand total too large to calculate.");
    case Total::CashToBank: return TillModel::tr("This number makes the cash to bank too large to calculate.");
    }
    return {};
}

// Runs one step of the working-out, blaming the traced entry if it faults.
template <typename Step>
auto blaming(const Traced& culprit, const QString& reason, Step step)
{
    try {
        return step();
    } catch (const RuntimeError&) {
        throw Blamed{{culprit.entry.value_or(EntryId{}), reason}};
    }
}

Traced combine(const Traced& a, const Traced& b, Total total, double (*operation)(double, double))
{
    const Traced& culprit = b.weight > a.weight || !a.entry ? b : a;
    const double value = blaming(culprit, tooLarge(total), [&] { return operation(a.value, b.value); });
    return {value, culprit.entry, culprit.weight};
}

QString formatted(double x, const QLocale& region)
{
    return formatNumber(x, {.decimals = 2}, region);
}

struct Readings {
    std::array<Traced, tillRows> counts;
    std::array<Traced, chequeRows> cheques;
    Traced floatAmount;
    std::vector<EntryFault> faults;
};

// An empty box counts as 0; unusable text becomes a fault of its entry.
Traced read(const QString& text, EntryId entry, const QLocale& region, std::vector<EntryFault>& faults)
{
    if (const auto full = capacityFault(text)) {
        faults.push_back({entry, *full});
        return {0, entry, 0};
    }
    if (text.trimmed().isEmpty())
        return {0, entry, 0};
    try {
        const double value = strictNumber(text, region);
        return {value, entry, std::fabs(value)};
    } catch (const RuntimeError& error) {
        faults.push_back(
            {entry, error.kind() == RuntimeError::Kind::Overflow
                        ? TillModel::tr("\u201c%1\u201d is too large to calculate with.").arg(text.trimmed().left(40))
                        : error.message()});
        return {0, entry, 0};
    }
}

Readings readEntries(const TillEntries& entries, const QLocale& region)
{
    Readings r;
    for (int i = 0; i < tillRows; ++i)
        r.counts[i] = read(entries.counts[i], {EntryId::Kind::Count, i}, region, r.faults);
    for (int j = 0; j < chequeRows; ++j)
        r.cheques[j] = read(entries.cheques[j], {EntryId::Kind::Cheque, j}, region, r.faults);
    r.floatAmount = read(entries.floatAmount, {EntryId::Kind::Float}, region, r.faults);
    return r;
}

bool anyTyped(const Readings& r)
{
    const auto typed = [](const Traced& t) { return t.value != 0.0; };
    return std::any_of(r.counts.begin(), r.counts.end(), typed)
        || std::any_of(r.cheques.begin(), r.cheques.end(), typed);
}

// The line total as shown, and read back from what is shown, so that the
// totals add up the figures the user sees.
Traced lineTotal(const Traced& count, double denomination, const QLocale& region, QString& shown)
{
    const QString reason = TillModel::tr("This count makes its line total too large to calculate.");
    return blaming(count, reason, [&] {
        shown = formatted(fp::multiply(denomination, count.value), region);
        const double value = strictNumber(shown, region);
        return Traced{value, count.entry, std::fabs(value)};
    });
}

TillFigures figuresFrom(const Readings& r, const QLocale& region)
{
    TillFigures f;
    Traced change, notes, cheques;
    for (int i = 0; i < tillRows; ++i) {
        const Traced line = lineTotal(r.counts[i], denominations[i], region, f.lineTotals[i]);
        if (i < firstNotesRow)
            change = combine(change, line, Total::Change, fp::add);
        else
            notes = combine(notes, line, Total::Notes, fp::add);
    }
    for (const Traced& cheque : r.cheques)
        cheques = combine(cheques, cheque, Total::Cheques, fp::add);
    const Traced till = combine(notes, change, Total::Till, fp::add);
    const Traced grand = combine(till, cheques, Total::Grand, fp::add);
    const Traced cash = combine(till, r.floatAmount, Total::CashToBank, fp::subtract);

    // The largest doubles have no text that reads back as a number, so
    // writing a total can fault as much as working it out.
    const auto shown = [&](const Traced& figure, Total total) {
        return blaming(figure, tooLarge(total), [&] { return formatted(figure.value, region); });
    };
    f.changeTotal = shown(change, Total::Change);
    f.notesTotal = shown(notes, Total::Notes);
    f.tillTotal = shown(till, Total::Till);
    f.chequeTotal = shown(cheques, Total::Cheques);
    f.grandTotal = shown(grand, Total::Grand);
    f.cashToBank = shown(cash, Total::CashToBank);
    f.chequesToBank = blaming(cheques, tooLarge(Total::Cheques),
                              [&] { return formatted(strictNumber(f.chequeTotal, region), region); });
    return f;
}

} // namespace

std::optional<QString> capacityFault(QStringView text)
{
    if (text.size() < entryCapacity)
        return std::nullopt;
    return TillModel::tr("This box is full at %1 characters, so part of what was put into it may be missing.")
        .arg(QLocale().toString(entryCapacity));
}

TillOutcome workOutTill(const TillEntries& entries, bool figuresShown, const QLocale& region)
{
    Readings readings = readEntries(entries, region);
    if (entries.floatAmount.trimmed().isEmpty() && (figuresShown || anyTyped(readings)))
        readings.faults.push_back(
            {{EntryId::Kind::Float}, TillModel::tr("The totals are worked out once the float is entered.")});
    if (!readings.faults.empty() || entries.floatAmount.trimmed().isEmpty())
        return {std::nullopt, std::move(readings.faults)};
    try {
        return {figuresFrom(readings, region), {}};
    } catch (const Blamed& blamed) {
        return {std::nullopt, {blamed.fault}};
    }
}

} // namespace tillora
