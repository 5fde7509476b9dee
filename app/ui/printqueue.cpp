// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/printqueue.h"

#include <QCoreApplication>

#ifdef TILLORA_HAVE_CUPS
#include <QLibrary>

#include <cups/cups.h>

#include <memory>
#endif

namespace tillora {

#ifdef TILLORA_HAVE_CUPS

namespace {

struct PrintQueue {
    Q_DECLARE_TR_FUNCTIONS(PrintQueue)
};

// libcups brings some twenty libraries with it (TLS, Kerberos, service
// discovery). Linked, they would all be loaded and bound at every start,
// about a tenth of the start-up time; looked up when a document is about
// to be printed, they cost only printing, which loads them anyway.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest;
    decltype(&cupsGetOption) getOption;
    decltype(&cupsFreeDests) freeDests;

    bool found() const { return getNamedDest && getOption && freeDests; }
};

const Cups& cups()
{
    static const Cups library = [] {
        QLibrary cups(QStringLiteral("cups"), 2);
        return Cups{reinterpret_cast<decltype(&cupsGetNamedDest)>(cups.resolve("cupsGetNamedDest")),
                    reinterpret_cast<decltype(&cupsGetOption)>(cups.resolve("cupsGetOption")),
                    reinterpret_cast<decltype(&cupsFreeDests)>(cups.resolve("cupsFreeDests"))};
    }();
    return library;
}

} // namespace

QString queueRefusal(const QString& printerName)
{
    const Cups& lib = cups();
    if (!lib.found())
        return {};
    const QByteArray name = printerName.toUtf8();
    const auto free = [&lib](cups_dest_t* d) { lib.freeDests(1, d); };
    const std::unique_ptr<cups_dest_t, decltype(free)> dest(
        lib.getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr), free);
    if (!dest)
        return {};
    const auto option
        = [&](const char* key) { return QByteArray(lib.getOption(key, dest->num_options, dest->options)); };
    if (option("printer-is-accepting-jobs") == "false")
        return PrintQueue::tr("The printer \u201c%1\u201d is not accepting documents.").arg(printerName);
    if (option("printer-state") == QByteArray::number(IPP_PSTATE_STOPPED))
        return PrintQueue::tr("The printer \u201c%1\u201d is stopped, so the document would only wait in its queue.")
            .arg(printerName);
    return {};
}

#else

QString queueRefusal(const QString&)
{
    return {};
}

#endif

} // namespace tillora
