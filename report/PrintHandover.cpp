#include "PrintHandover.h"

#ifdef LUMENTA_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace lumenta::report {

#ifdef LUMENTA_HAVE_CUPS

namespace {

// CUPS printer-state 5: the printer is stopped; jobs wait in its queue.
constexpr const char* kStopped = "5";

bool printerStopped(const QString& printerName)
{
    // A printer name may carry an instance after a slash; the queue is the part before it.
    const QByteArray queue = printerName.section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return false;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && qstrcmp(state, kStopped) == 0;
    cupsFreeDests(1, dest);
    return stopped;
}

} // namespace

Handover checkHandover(const QString& printerName)
{
    // The engine's last request to the service was the job itself.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return {Handover::Result::Refused, QString::fromUtf8(cupsLastErrorString())};
    if (printerStopped(printerName))
        return {Handover::Result::Waiting, {}};
    return {};
}

#else

// Without the CUPS client library the handover cannot be checked.
Handover checkHandover(const QString&) { return {}; }

#endif

} // namespace lumenta::report
