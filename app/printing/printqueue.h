// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/printing.h"

#include <QPrinterInfo>
#include <QString>

#include <chrono>

namespace tillora {

// How long the print service has to answer, in all, before printing gives
// up on it. A print server elsewhere that takes the connection and never
// answers would otherwise hold the window for a minute or more.
inline constexpr std::chrono::seconds printServiceWait{2};

// Why the system's print queue of this name would not print a document now,
// in plain words: it is stopped, or it turns documents away. Empty when it
// would print, or when the system cannot tell. Qt hands a document to the
// queue without looking at either, so without this a document left waiting
// in a stopped queue, or refused outright, would pass for printed.
QString queueRefusal(const QString& printerName);

struct DefaultPrinter {
    QPrinterInfo info; // null when there is none
    QString missing;   // then why, in plain words
};

// The system's default printer, or why there is none: its printing service
// is not running, its print server did not answer within printServiceWait,
// no printer is set up, or none is chosen as the default (the printers are
// named, and how to choose one). The print service is asked first, within
// the limit; Qt, which would wait as long as the system does, only after it
// has answered.
DefaultPrinter defaultPrinter();

} // namespace tillora
