// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/printing.h"

#include <QString>

namespace tillora {

// Why the system's print queue of this name would not print a document now,
// in plain words: it is stopped, or it turns documents away. Empty when it
// would print, or when the system cannot tell. Qt hands a document to the
// queue without looking at either, so without this a document left waiting
// in a stopped queue, or refused outright, would pass for printed.
QString queueRefusal(const QString& printerName);

// Why the system has no default printer, in plain words: its printing
// service is not running, or no printer is set up.
QString missingPrinterReason();

} // namespace tillora
