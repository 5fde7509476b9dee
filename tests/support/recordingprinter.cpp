// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recordingprinter.h"

#include <QWidget>

namespace tillora {

std::function<std::unique_ptr<Printer>()> RecordingPrinter::into(PrintRecord& record)
{
    return [&record] { return std::make_unique<RecordingPrinter>(record); };
}

void RecordingPrinter::printPicture(QWidget& window)
{
    m_record.pictures.push_back(window.grab().toImage());
}

} // namespace tillora
