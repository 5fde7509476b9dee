#include "printserver/printserver.h"

#include "support/modal.h"

#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QThread>

namespace tillora::test {

QString PrintServer::unavailableReason()
{
    if (qEnvironmentVariableIsEmpty("TILLORA_TEST_QUEUE") || qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        return QStringLiteral("needs the print server of tests/printserver/with-cupsd.sh (ctest runs it so)");
    return {};
}

QString PrintServer::queue() const
{
    return qEnvironmentVariable("TILLORA_TEST_QUEUE");
}

QString PrintServer::jobFile() const
{
    return qEnvironmentVariable("TILLORA_TEST_JOB_FILE");
}

QStringList PrintServer::jobs(Jobs which) const
{
    const char* filter = which == Jobs::Completed ? "completed"
        : which == Jobs::NotCompleted             ? "not-completed"
                                                  : "all";
    QStringList ids;
    const QString listing = toolOutput("lpstat", {"-W", filter, "-o", queue()});
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u' ', 0, 0);
    return ids;
}

bool PrintServer::waitUntilSettled(int completed, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (jobs(Jobs::Completed).size() == completed && jobs(Jobs::NotCompleted).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool PrintServer::setEnabled(bool enabled) const
{
    return toolSucceeds(enabled ? "cupsenable" : "cupsdisable", {queue()});
}

bool PrintServer::setAccepting(bool accepting) const
{
    return toolSucceeds(accepting ? "cupsaccept" : "cupsreject", {queue()});
}

bool PrintServer::cancelAll() const
{
    return toolSucceeds("cancel", {"-a", queue()});
}

QString PrintServer::jobText() const
{
    return toolOutput("pdftotext", {"-layout", jobFile(), "-"});
}

int PrintServer::jobPages() const
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(toolOutput("pdfinfo", {jobFile()}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PrintServer::jobFonts() const
{
    return toolOutput("pdffonts", {jobFile()});
}

int PrintServer::jobImages() const
{
    // Two heading lines, then one line per image.
    const QString list = toolOutput("pdfimages", {"-list", jobFile()});
    if (list.isEmpty())
        return -1;
    return int(list.split(u'\n', Qt::SkipEmptyParts).size()) - 2;
}

void chooseFile(QWidget* dialog, const QString& path)
{
    auto* files = qobject_cast<QFileDialog*>(dialog);
    if (!files) {
        qWarning("chooseFile: %s is not a file dialog", qPrintable(dialog->objectName()));
        return;
    }
    if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    else
        files->selectFile(path);
    QMetaObject::invokeMethod(files, "accept");
}

} // namespace tillora::test
