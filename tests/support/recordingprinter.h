// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/printing/printer.h"

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QWidget>

#include <functional>
#include <memory>

namespace tillora {

// What a RecordingPrinter printed, kept by whoever wants to look at it.
struct PrintRecord {
    QList<PrintLine> lines;
    QList<QImage> pictures;
    int documentsEnded = 0;
};

// Remembers what it prints in a record, for tests and benchmarks.
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(PrintRecord& record)
        : m_record(record)
    {
    }
    // Printers for a print command, each recording into `record`.
    static std::function<std::unique_ptr<Printer>()> into(PrintRecord& record)
    {
        return [&record] { return std::make_unique<RecordingPrinter>(record); };
    }

    void setOrientation(QPageLayout::Orientation) override { }
    void setEmphasis(bool on) override { m_emphasis = on; }
    void printLine(const QList<PrintItem>& items) override { m_record.lines.push_back({items, m_emphasis}); }
    void printPicture(QWidget& window) override { m_record.pictures.push_back(window.grab().toImage()); }
    void endDocument() override { ++m_record.documentsEnded; }

private:
    PrintRecord& m_record;
    bool m_emphasis = false;
};

} // namespace tillora
