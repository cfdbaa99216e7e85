#include "PrintHandover.h"

#ifdef LUMENTA_HAVE_CUPS
#include <cups/cups.h>
#include <dlfcn.h>
#endif

namespace lumenta::report {

#ifdef LUMENTA_HAVE_CUPS

namespace {

// The CUPS client library and the twenty libraries it pulls in (TLS,
// Kerberos, ...) cost start-up time and memory, and only printing needs
// them: the library is opened at the first print, when the toolkit's CUPS
// print plug-in has already loaded it, so both share its last-error state.
struct CupsClient {
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;

    bool loaded() const { return lastError && lastErrorString && getNamedDest && getOption && freeDests; }
};

template <typename F>
void resolve(void* library, const char* name, F& function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
}

const CupsClient& cups()
{
    static const CupsClient client = [] {
        CupsClient c;
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return c;
        resolve(library, "cupsLastError", c.lastError);
        resolve(library, "cupsLastErrorString", c.lastErrorString);
        resolve(library, "cupsGetNamedDest", c.getNamedDest);
        resolve(library, "cupsGetOption", c.getOption);
        resolve(library, "cupsFreeDests", c.freeDests);
        return c;
    }();
    return client;
}

// CUPS printer-state 5: the printer is stopped; jobs wait in its queue.
constexpr const char* kStopped = "5";

bool printerStopped(const CupsClient& c, const QString& printerName)
{
    // A printer name may carry an instance after a slash; the queue is the part before it.
    const QByteArray queue = printerName.section(u'/', 0, 0).toLocal8Bit();
    cups_dest_t* dest = c.getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
    if (!dest)
        return false;
    const char* state = c.getOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && qstrcmp(state, kStopped) == 0;
    c.freeDests(1, dest);
    return stopped;
}

} // namespace

Handover checkHandover(const QString& printerName)
{
    const CupsClient& c = cups();
    // Without the client library the handover cannot be checked.
    if (!c.loaded())
        return {};
    // The engine's last request to the service was the job itself.
    if (c.lastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return {Handover::Result::Refused, QString::fromUtf8(c.lastErrorString())};
    if (printerStopped(c, printerName))
        return {Handover::Result::Waiting, {}};
    return {};
}

#else

// Without the CUPS client library the handover cannot be checked.
Handover checkHandover(const QString&) { return {}; }

#endif

} // namespace lumenta::report
