#include "app/ui/printqueue.h"

#ifdef TILLORA_HAVE_CUPS
#include <cups/cups.h>

#include <memory>
#endif

namespace tillora {

#ifdef TILLORA_HAVE_CUPS

QString queueRefusal(const QString& printerName)
{
    const QByteArray name = printerName.toUtf8();
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr),
        [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest)
        return {};
    const auto option = [&](const char* key) {
        return QByteArray(cupsGetOption(key, dest->num_options, dest->options));
    };
    if (option("printer-is-accepting-jobs") == "false")
        return QStringLiteral("The printer \u201c%1\u201d is not accepting documents.").arg(printerName);
    if (option("printer-state") == QByteArray::number(IPP_PSTATE_STOPPED))
        return QStringLiteral("The printer \u201c%1\u201d is stopped, so the document would only wait in its queue.")
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
