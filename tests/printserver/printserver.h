#pragma once

#include "support/tools.h"

#include <QString>
#include <QStringList>
#include <QWidget>

namespace tillora::test {

// The print server that with-cupsd.sh starts around a test: its one queue,
// the system default, writes each job it prints to a PDF file.
class PrintServer {
public:
    // Empty inside with-cupsd.sh; else why a test cannot run, for QSKIP.
    static QString unavailableReason();

    QString queue() const;
    QString jobFile() const;

    enum class Jobs { Completed, NotCompleted, All };
    QStringList jobs(Jobs which) const;
    // Waits until `completed` jobs are done and none is left in the queue.
    bool waitUntilSettled(int completed, int timeoutMs = 30000) const;

    // cupsenable / cupsdisable, cupsaccept / cupsreject.
    bool setEnabled(bool enabled) const;
    bool setAccepting(bool accepting) const;
    bool cancelAll() const;

    // The last printed job: its text laid out as on the page, its pages,
    // the fonts and images it holds (poppler's tools).
    QString jobText() const;
    int jobPages() const;
    QString jobFonts() const;
    int jobImages() const;
};

// Answers a file dialog with this path. QFileDialog::selectFile() leaves a
// name box that already has the focus alone, so the path is typed there.
void chooseFile(QWidget* dialog, const QString& path);

} // namespace tillora::test
