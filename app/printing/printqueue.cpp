// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printing/printqueue.h"

#include <QCoreApplication>
#include <QLocale>

#ifdef TILLORA_HAVE_CUPS
#include <QDeadlineTimer>
#include <QLibrary>
#include <QScopeGuard>

#include <cups/cups.h>

#include <memory>
#include <span>
#endif

namespace tillora {

namespace {

struct PrintQueue {
    Q_DECLARE_TR_FUNCTIONS(PrintQueue)
};

// The printers the system has, none of them the default.
QString missingDefault(const QStringList& printers)
{
    if (printers.isEmpty())
        return PrintQueue::tr("No printer is set up on this computer.");
    QStringList quoted;
    for (const QString& printer : printers)
        quoted.append(u'\u201c' + printer + u'\u201d');
    return PrintQueue::tr("No printer is chosen as the default. Printers set up on this computer: %1. Choose one as "
                          "the default in the desktop's printer settings, or with the command \u201clpoptions -d\u201d "
                          "followed by its name.")
        .arg(QLocale().createSeparatedList(quoted));
}

// The default printer as Qt finds it, where the print service cannot be
// asked directly, or once it has answered.
DefaultPrinter asQtFindsIt()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    return {info, info.isNull() ? missingDefault(QPrinterInfo::availablePrinterNames()) : QString()};
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
    decltype(&cupsGetDests2) getDests;
    decltype(&cupsGetOption) getOption;
    decltype(&cupsFreeDests) freeDests;
    decltype(&cupsServer) server;
    decltype(&ippPort) port;
    decltype(&cupsEncryption) encryption;
    decltype(&httpConnect2) connect;
    decltype(&httpClose) close;
    decltype(&httpSetTimeout) setTimeout;

    bool found() const
    {
        return getNamedDest && getDests && getOption && freeDests && server && port && encryption && connect && close
            && setTimeout;
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
                    resolved<decltype(&cupsGetDests2)>(cups, "cupsGetDests2"),
                    resolved<decltype(&cupsGetOption)>(cups, "cupsGetOption"),
                    resolved<decltype(&cupsFreeDests)>(cups, "cupsFreeDests"),
                    resolved<decltype(&cupsServer)>(cups, "cupsServer"),
                    resolved<decltype(&ippPort)>(cups, "ippPort"),
                    resolved<decltype(&cupsEncryption)>(cups, "cupsEncryption"),
                    resolved<decltype(&httpConnect2)>(cups, "httpConnect2"),
                    resolved<decltype(&httpClose)>(cups, "httpClose"),
                    resolved<decltype(&httpSetTimeout)>(cups, "httpSetTimeout")};
    }();
    return library;
}

// The print service's time to answer, shared by everything asked of it.
struct Wait {
    QDeadlineTimer deadline{printServiceWait};
    bool gaveUp = false;
};

// Asked by the connection each tenth of a second that it waits for an answer.
int keepWaiting(http_t*, void* wait)
{
    auto* const time = static_cast<Wait*>(wait);
    time->gaveUp = time->deadline.hasExpired();
    return time->gaveUp ? 0 : 1;
}

// That the print server did not answer, named as the user would name it:
// its address and port, or the socket of the service on this computer.
QString unanswered(const Cups& lib)
{
    QString server = QString::fromUtf8(lib.server());
    if (!server.startsWith(u'/'))
        server += u':' + QString::number(lib.port());
    const int seconds = int(printServiceWait.count());
    return PrintQueue::tr("The print server \u201c%1\u201d did not answer within %n seconds.", nullptr, seconds)
        .arg(server);
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

DefaultPrinter defaultPrinter()
{
    const Cups& lib = cups();
    if (!lib.found())
        return asQtFindsIt();
    Wait wait;
    constexpr int blocking = 1;
    http_t* const service = lib.connect(lib.server(), lib.port(), nullptr, AF_UNSPEC, lib.encryption(), blocking,
                                        int(wait.deadline.remainingTime()), nullptr);
    // An address that takes no connection lets the time run out; a service
    // that is not running turns the connection away at once. With its service
    // stopped, the system shows no printer at all, which would send the user
    // looking for a printer to set up rather than for the service.
    if (!service && wait.deadline.hasExpired())
        return {{}, unanswered(lib)};
    if (!service)
        return {{}, PrintQueue::tr("The printing service of this computer is not running.")};
    const auto closed = qScopeGuard([&] { lib.close(service); });
    lib.setTimeout(service, 0.1, keepWaiting, &wait);
    const auto free = [&lib](cups_dest_t* d) { lib.freeDests(1, d); };
    const std::unique_ptr<cups_dest_t, decltype(free)> chosen(lib.getNamedDest(service, nullptr, nullptr), free);
    if (wait.gaveUp)
        return {{}, unanswered(lib)};
    if (chosen)
        return asQtFindsIt();
    cups_dest_t* dests = nullptr;
    const int count = lib.getDests(service, &dests);
    const auto freed = qScopeGuard([&] { lib.freeDests(count, dests); });
    if (wait.gaveUp)
        return {{}, unanswered(lib)};
    QStringList printers;
    for (const cups_dest_t& dest : std::span(dests, count)) {
        if (!dest.instance) // an instance is a set of options on a printer named already
            printers.append(QString::fromUtf8(dest.name));
    }
    return {{}, missingDefault(printers)};
}

#else

QString queueRefusal(const QString&)
{
    return {};
}

DefaultPrinter defaultPrinter()
{
    return asQtFindsIt();
}

#endif

} // namespace tillora
