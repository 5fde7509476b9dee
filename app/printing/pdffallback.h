// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/printing.h"

#include "app/printing/printer.h"

#include <functional>
#include <memory>

class QWidget;

namespace tillora {

using PrinterSource = std::function<std::unique_ptr<Printer>()>;
using PrintJob = std::function<void(Printer&)>;

// Runs a print job on the printer the source gives. When printing fails,
// the user is told in plain words and offered to save the document as a
// PDF file instead; the job then runs again into that file. A save that
// fails says why and offers another place; one that succeeds says where
// the file is. Run-time errors other than the printer's pass on.
void printOrOfferPdf(QWidget* parent, const PrinterSource& source, const PrintJob& job,
                     const QString& suggestedFileName);

} // namespace tillora
