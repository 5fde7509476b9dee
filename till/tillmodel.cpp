// SPDX-License-Identifier: GPL-3.0-or-later
#include "till/tillmodel.h"

#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tillora {

namespace {

using Reason = EntryFault::Reason;

// A figure together with the entry that put the most into it: the one to
// blame when a sum with the figure goes beyond a double.
struct Traced {
    double value = 0;
    std::optional<EntryId> entry;
    double weight = 0; // the size of that entry's share
};

struct Readings {
    std::array<Traced, tillRows> counts;
    std::array<Traced, chequeRows> cheques;
    Traced floatAmount;
    Traced expected;
    std::vector<EntryFault> faults;
};

// An empty box counts as 0; unusable text becomes a fault of its entry.
Traced read(const QString& text, EntryId entry, const QLocale& region, std::vector<EntryFault>& faults)
{
    if (fillsItsBox(text)) {
        faults.push_back({entry, Reason::BoxFull});
        return {0, entry, 0};
    }
    if (text.trimmed().isEmpty())
        return {0, entry, 0};
    const Reading reading = strictNumber(text, region);
    if (reading.fault) {
        faults.push_back({entry, *reading.fault == ReadFault::TooLarge ? Reason::TooLargeToRead : Reason::NotANumber});
        return {0, entry, 0};
    }
    return {reading.value, entry, std::fabs(reading.value)};
}

Readings readEntries(const TillEntries& entries, const QLocale& region)
{
    Readings r;
    for (int i = 0; i < tillRows; ++i)
        r.counts[i] = read(entries.counts[i], {EntryId::Kind::Count, i}, region, r.faults);
    for (int j = 0; j < chequeRows; ++j)
        r.cheques[j] = read(entries.cheques[j], {EntryId::Kind::Cheque, j}, region, r.faults);
    r.floatAmount = read(entries.floatAmount, {EntryId::Kind::Float}, region, r.faults);
    r.expected = read(entries.expectedTakings, {EntryId::Kind::ExpectedTakings}, region, r.faults);
    return r;
}

bool anyTyped(const Readings& r)
{
    const auto typed = [](const Traced& t) { return t.value != 0.0; };
    return std::any_of(r.counts.begin(), r.counts.end(), typed)
        || std::any_of(r.cheques.begin(), r.cheques.end(), typed) || typed(r.expected);
}

// The figures from usable readings, in the order a person would work them
// out; the first sum beyond a double is kept as the fault of its entry.
class WorkingOut {
public:
    explicit WorkingOut(const QLocale& region)
        : m_region(region)
    {
    }

    TillFigures figures(const Readings& r, bool takingsExpected)
    {
        TillFigures f;
        Traced change, notes, cheques;
        for (int i = 0; i < tillRows; ++i) {
            const Traced line = lineTotal(r.counts[i], denominations[i], f.lineTotals[i]);
            if (i < firstNotesRow)
                change = combine(change, line, TillTotal::Change, std::plus<>());
            else
                notes = combine(notes, line, TillTotal::Notes, std::plus<>());
        }
        for (const Traced& cheque : r.cheques)
            cheques = combine(cheques, cheque, TillTotal::Cheques, std::plus<>());
        const Traced till = combine(notes, change, TillTotal::Till, std::plus<>());
        const Traced grand = combine(till, cheques, TillTotal::Grand, std::plus<>());
        const Traced cash = combine(till, r.floatAmount, TillTotal::CashToBank, std::minus<>());
        show(f, change, TillTotal::Change);
        show(f, notes, TillTotal::Notes);
        show(f, till, TillTotal::Till);
        show(f, cheques, TillTotal::Cheques);
        show(f, grand, TillTotal::Grand);
        show(f, cash, TillTotal::CashToBank);
        show(f, {readBack(f[TillTotal::Cheques]), cheques.entry}, TillTotal::ChequesToBank);
        for (int i = 0; i < tillRows; ++i)
            f.read.counts[i] = r.counts[i].value;
        f.read.floatAmount = r.floatAmount.value;
        f.read.cashToBank = readBack(f[TillTotal::CashToBank]);
        f.read.chequesToBank = readBack(f[TillTotal::ChequesToBank]);
        if (takingsExpected)
            checkTakings(f, {f.read.cashToBank, cash.entry, cash.weight}, cheques, r.expected);
        return f;
    }

    const std::optional<EntryFault>& fault() const { return m_fault; }

private:
    double readBack(const QString& shown) const { return strictNumber(shown, m_region).value; }

    // What there is to bank, as shown, less what the till says was taken.
    void checkTakings(TillFigures& f, const Traced& cash, const Traced& cheques, const Traced& expected)
    {
        const Traced banked
            = combine(cash, {f.read.chequesToBank, cheques.entry, cheques.weight}, TillTotal::OverShort, std::plus<>());
        show(f, combine(banked, expected, TillTotal::OverShort, std::minus<>()), TillTotal::OverShort);
        const double difference = readBack(f[TillTotal::OverShort]);
        using Verdict = TakingsCheck::Verdict;
        f.takings = {difference > 0 ? Verdict::Over : difference < 0 ? Verdict::Short : Verdict::Balanced, difference};
    }

    void blame(const Traced& culprit, Reason reason, TillTotal total = TillTotal::Change)
    {
        if (!m_fault)
            m_fault = EntryFault{culprit.entry.value_or(EntryId{}), reason, total};
    }

    template <typename Operation>
    Traced combine(const Traced& a, const Traced& b, TillTotal total, Operation operation)
    {
        const Traced& culprit = b.weight > a.weight || !a.entry ? b : a;
        const double value = operation(a.value, b.value);
        if (std::isfinite(value))
            return {value, culprit.entry, culprit.weight};
        blame(culprit, Reason::TotalTooLarge, total);
        return {};
    }

    // The largest doubles have no text that reads back as a number, so
    // writing a total can fault as much as working it out.
    void show(TillFigures& f, const Traced& figure, TillTotal total)
    {
        if (writable(figure.value))
            f.totals[size_t(total)] = formatNumber(figure.value, {.decimals = 2}, m_region);
        else
            blame(figure, Reason::TotalTooLarge, total);
    }

    // The line total as shown, and read back from what is shown, so that the
    // totals add up the figures the user sees.
    Traced lineTotal(const Traced& count, double denomination, QString& text)
    {
        const double value = denomination * count.value;
        if (!writable(value)) {
            blame(count, Reason::LineTotalTooLarge);
            return {};
        }
        text = formatNumber(value, {.decimals = 2}, m_region);
        const double read = strictNumber(text, m_region).value;
        return {read, count.entry, std::fabs(read)};
    }

    QLocale m_region;
    std::optional<EntryFault> m_fault;
};

} // namespace

TillOutcome workOutTill(const TillEntries& entries, bool figuresShown, const QLocale& region)
{
    Readings readings = readEntries(entries, region);
    const bool noFloat = entries.floatAmount.trimmed().isEmpty();
    if (noFloat && (figuresShown || anyTyped(readings)))
        readings.faults.push_back({{EntryId::Kind::Float}, Reason::FloatAwaited});
    if (!readings.faults.empty() || noFloat)
        return {std::nullopt, std::move(readings.faults)};
    WorkingOut workingOut(region);
    TillFigures figures = workingOut.figures(readings, takingsExpected(entries));
    if (const auto& fault = workingOut.fault())
        return {std::nullopt, {*fault}};
    return {std::move(figures), {}};
}

} // namespace tillora
