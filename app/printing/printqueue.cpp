// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/printqueue.h"

#include <QCoreApplication>

#ifdef TILLORA_HAVE_CUPS
#include <QLibrary>

#include <cups/cups.h>

#include <memory>
#endif

namespace tillora {

namespace {

struct PrintQueue {
    Q_DECLARE_TR_FUNCTIONS(PrintQueue)
};

QString noPrinterSetUp()
{
    return PrintQueue::tr("No printer is set up on this computer.");
}

} // namespace

#ifdef TILLORA_HAVE_CUPS

namespace {

// libcups brings some twenty libraries with it (TLS, Kerberos, service
// discovery). Linked, they would all be loaded and bound at every start,
// about a tenth of the start-up time; looked up when a document is about
// to be printed, they cost only printing, which loads them anyway.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest;
    decltype(&cupsGetOption) getOption;
    decltype(&cupsFreeDests) freeDests;
    decltype(&cupsServer) server;
    decltype(&ippPort) port;
    decltype(&cupsEncryption) encryption;
    decltype(&httpConnect2) connect;
    decltype(&httpClose) close;

    bool found() const
    {
        return getNamedDest && getOption && freeDests && server && port && encryption && connect && close;
    }
};

template <typename Function>
Function resolved(QLibrary& library, const char* name)
{
    return reinterpret_cast<Function>(library.resolve(name));
}

const Cups& cups()
{
    static const Cups library = [] {
        QLibrary cups(QStringLiteral("cups"), 2);
        return Cups{resolved<decltype(&cupsGetNamedDest)>(cups, "cupsGetNamedDest"),
                    resolved<decltype(&cupsGetOption)>(cups, "cupsGetOption"),
                    resolved<decltype(&cupsFreeDests)>(cups, "cupsFreeDests"),
                    resolved<decltype(&cupsServer)>(cups, "cupsServer"),
                    resolved<decltype(&ippPort)>(cups, "ippPort"),
                    resolved<decltype(&cupsEncryption)>(cups, "cupsEncryption"),
                    resolved<decltype(&httpConnect2)>(cups, "httpConnect2"),
                    resolved<decltype(&httpClose)>(cups, "httpClose")};
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

// With its service stopped, the system shows no printer at all, which would
// send the user looking for a printer to set up rather than for the service.
QString missingPrinterReason()
{
    const Cups& lib = cups();
    if (!lib.found())
        return noPrinterSetUp();
    constexpr int blocking = 1;
    constexpr int waitMs = 5000; // mostly the service is on this computer and answers at once
    http_t* const service
        = lib.connect(lib.server(), lib.port(), nullptr, AF_UNSPEC, lib.encryption(), blocking, waitMs, nullptr);
    if (!service)
        return PrintQueue::tr("The printing service of this computer is not running.");
    lib.close(service);
    return noPrinterSetUp();
}

#else

QString queueRefusal(const QString&)
{
    return {};
}

QString missingPrinterReason()
{
    return noPrinterSetUp();
}

#endif

} // namespace tillora
