#include "till/tillmodel.h"

#include "app/conversions.h"
#include "app/formats.h"
#include "app/runtimeerror.h"

#include <cmath>

namespace tillora {

namespace {

// A figure together with the entry box that put the most into it: the box
// to mark when a calculation with the figure goes beyond a double.
struct Traced {
    double value = 0;
    QString box;
    double weight = 0; // size of that box's share
};

// Raised inside the calculation only; workOutTill turns it into a fault.
struct Blamed {
    BoxFault fault;
};

QString countBox(int row) { return QStringLiteral("txtTill_%1").arg(row); }
QString chequeBox(int row) { return QStringLiteral("txtChequeAmt_%1").arg(row); }
QString floatBox() { return QStringLiteral("txtFloat"); }

// Runs one step of the calculation, blaming `box` if it faults.
template <typename Step>
auto blaming(const QString& box, const QString& reason, Step step)
{
    try {
        return step();
    } catch (const RuntimeError&) {
        throw Blamed{{box, reason}};
    }
}

const Traced& largerShare(const Traced& a, const Traced& b)
{
    return b.weight > a.weight || a.box.isEmpty() ? b : a;
}

QString tooLarge(const QString& figure)
{
    return QStringLiteral("This number makes the %1 too large to calculate.").arg(figure);
}

Traced sum(const Traced& a, const Traced& b, const QString& figure)
{
    const Traced& blame = largerShare(a, b);
    const double value = blaming(blame.box, tooLarge(figure), [&] { return fp::add(a.value, b.value); });
    return {value, blame.box, blame.weight};
}

Traced difference(const Traced& a, const Traced& b, const QString& figure)
{
    const Traced& blame = largerShare(a, b);
    const double value = blaming(blame.box, tooLarge(figure), [&] { return fp::subtract(a.value, b.value); });
    return {value, blame.box, blame.weight};
}

struct Readings {
    std::array<Traced, tillRows> counts;
    std::array<Traced, chequeRows> cheques;
    Traced floatAmount;
    bool floatEmpty = false;
    std::vector<BoxFault> faults;
};

// An empty box counts as 0; unusable text becomes a fault for its box.
Traced read(const QString& text, const QString& box, const QLocale& region, std::vector<BoxFault>& faults)
{
    if (text.size() >= entryCapacity) {
        faults.push_back({box, QStringLiteral("This box is full at %1 characters, so part of what was put "
                                              "into it may be missing.")
                                   .arg(region.toString(entryCapacity))});
        return {0, box, 0};
    }
    if (text.trimmed().isEmpty())
        return {0, box, 0};
    try {
        const double value = strictNumber(text, region);
        return {value, box, std::fabs(value)};
    } catch (const RuntimeError& error) {
        faults.push_back({box, error.kind() == RuntimeError::Kind::Overflow
                                   ? QStringLiteral("\u201c%1\u201d is too large to calculate with.")
                                         .arg(text.trimmed().left(40))
                                   : error.message()});
        return {0, box, 0};
    }
}

Readings readEntries(const TillEntries& entries, const QLocale& region)
{
    Readings r;
    for (int i = 0; i < tillRows; ++i)
        r.counts[i] = read(entries.counts[i], countBox(i), region, r.faults);
    for (int j = 0; j < chequeRows; ++j)
        r.cheques[j] = read(entries.cheques[j], chequeBox(j), region, r.faults);
    r.floatEmpty = entries.floatAmount.trimmed().isEmpty();
    r.floatAmount = read(entries.floatAmount, floatBox(), region, r.faults);
    return r;
}

// The line total as shown, and read back from what is shown, so that the
// totals add up the figures the user sees.
Traced lineTotal(const Traced& count, double denomination, const QLocale& region, QString& shown)
{
    const QString reason = QStringLiteral("This count makes its line total too large to calculate.");
    return blaming(count.box, reason, [&] {
        shown = formatNumber(fp::multiply(denomination, count.value), 2, Tristate::UseDefault,
                             Tristate::UseDefault, Tristate::UseDefault, region);
        const double value = strictNumber(shown, region);
        return Traced{value, count.box, std::fabs(value)};
    });
}

TillFigures figuresFrom(const Readings& r, const std::array<double, tillRows>& denominations,
                        const QLocale& region)
{
    const auto fmt = [&](double x) {
        return formatNumber(x, 2, Tristate::UseDefault, Tristate::UseDefault, Tristate::UseDefault, region);
    };
    TillFigures f;
    Traced change, notes;
    for (int i = 0; i < tillRows; ++i) {
        const Traced line = lineTotal(r.counts[i], denominations[i], region, f.lineTotals[i]);
        if (i < firstNotesRow)
            change = sum(change, line, QStringLiteral("change total"));
        else
            notes = sum(notes, line, QStringLiteral("notes total"));
    }
    Traced cheques;
    for (const Traced& cheque : r.cheques)
        cheques = sum(cheques, cheque, QStringLiteral("cheque total"));
    const Traced till = sum(notes, change, QStringLiteral("till total"));
    const Traced grand = sum(till, cheques, QStringLiteral("grand total"));
    const Traced cash = difference(till, r.floatAmount, QStringLiteral("cash to bank"));

    // The largest doubles have no text that reads back as a number, so
    // writing a total can fault as much as working it out.
    const auto shown = [&](const Traced& total, const QString& figure) {
        return blaming(total.box, tooLarge(figure), [&] { return fmt(total.value); });
    };
    f.changeTotal = shown(change, QStringLiteral("change total"));
    f.notesTotal = shown(notes, QStringLiteral("notes total"));
    f.tillTotal = shown(till, QStringLiteral("till total"));
    f.chequeTotal = shown(cheques, QStringLiteral("cheque total"));
    f.grandTotal = shown(grand, QStringLiteral("grand total"));
    f.cashToBank = shown(cash, QStringLiteral("cash to bank"));
    f.chequesToBank = blaming(cheques.box, tooLarge(QStringLiteral("cheque total")),
                              [&] { return fmt(strictNumber(f.chequeTotal, region)); });
    return f;
}

} // namespace

TillOutcome workOutTill(const TillEntries& entries, const std::array<double, tillRows>& denominations,
                        const QLocale& region)
{
    Readings readings = readEntries(entries, region);
    if (!readings.faults.empty())
        return {TillOutcome::Kind::Faults, {}, std::move(readings.faults)};
    if (readings.floatEmpty)
        return {TillOutcome::Kind::AwaitingFloat, {}, {}};
    try {
        return {TillOutcome::Kind::Figures, figuresFrom(readings, denominations, region), {}};
    } catch (const Blamed& blamed) {
        return {TillOutcome::Kind::Faults, {}, {blamed.fault}};
    }
}

} // namespace tillora
