// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/pdffallback.h"

#include "app/numbers/runtimeerror.h"
#include "app/widgets/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include <optional>

namespace tillora {

namespace {

struct PdfFallback {
    Q_DECLARE_TR_FUNCTIONS(PdfFallback)
};

// Runs the job; the words of a printer failure, none when it printed.
std::optional<QString> failureOf(const std::function<void()>& attempt)
{
    try {
        attempt();
        return std::nullopt;
    } catch (const RuntimeError& error) {
        if (error.kind() != RuntimeError::Kind::Printer)
            throw;
        return error.message();
    }
}

// Whether the user takes up the offer of the button, after the text.
bool offered(QWidget* parent, const QString& text, const QString& button)
{
    QMessageBox box(QMessageBox::Warning, PdfFallback::tr("Printing"), text, QMessageBox::Cancel, parent);
    QPushButton* accept = box.addButton(button, QMessageBox::AcceptRole);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

QString askPdfPath(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, PdfFallback::tr("Save as PDF"), QString(), PdfFallback::tr("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("savePdfDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

void saveAsPdf(QWidget* parent, const PrintJob& job, QString suggested)
{
    for (;;) {
        const QString path = askPdfPath(parent, suggested);
        if (path.isEmpty())
            return;
        const auto failure = failureOf([&] { job(*PagePrinter::pdfFile(path)); });
        if (!failure) {
            askUser(parent, PdfFallback::tr("Printing"),
                    PdfFallback::tr("The document was saved as \u201c%1\u201d.").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
            return;
        }
        if (!offered(parent, *failure, PdfFallback::tr("Choose Another Place\u2026")))
            return;
        suggested = path;
    }
}

} // namespace

void printOrOfferPdf(QWidget* parent, const PrinterSource& source, const PrintJob& job,
                     const QString& suggestedFileName)
{
    const auto failure = failureOf([&] { job(*source()); });
    const QString offer = PdfFallback::tr("Nothing was printed. %1\n\n"
                                          "You can save the document as a PDF file instead, and print it later.");
    if (failure && offered(parent, offer.arg(*failure), PdfFallback::tr("Save as PDF\u2026")))
        saveAsPdf(parent, job, suggestedFileName);
}

} // namespace tillora
