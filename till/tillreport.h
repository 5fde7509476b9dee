#pragma once

#include <QString>

#include <optional>

namespace tillora {

class Form1;
class Printer;

// Why the report cannot be printed now: an entry whose text keeps the
// figures from being current, named as the user sees it. Printed totals
// must never silently disagree with the entries.
std::optional<QString> reportBlocker(const Form1& till);

// Prints the day's figures as they stand on the window, as one document:
// a title block, till contents, cheques, totals, the grand total, cash to
// bank and a footer. Rows of counts, cheques and line totals whose number
// is zero are left out; an empty box counts as zero.
void printTillReport(const Form1& till, Printer& printer);

} // namespace tillora
