#pragma once

#ifdef LUMENTA_HAVE_CUPS
#include <cups/cups.h>

namespace lumenta::report {

// The CUPS client library and the twenty libraries it pulls in (TLS,
// Kerberos, ...) cost start-up time and memory, and only printing needs
// them: the library is opened at the first print, not linked. Only calls
// that wait on the connection they are given are used: the library's
// conveniences that look printers up on a connection of their own
// (cupsGetNamedDest, cupsCreateJob) could wait a minute.
struct CupsClient {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsUser) user = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::ippNewRequest) newRequest = nullptr;
    decltype(&::ippAddString) addString = nullptr;
    decltype(&::ippAddStrings) addStrings = nullptr;
    decltype(&::cupsDoRequest) doRequest = nullptr;
    decltype(&::ippFindAttribute) findAttribute = nullptr;
    decltype(&::ippGetInteger) getInteger = nullptr;
    decltype(&::ippGetBoolean) getBoolean = nullptr;
    decltype(&::ippGetString) getString = nullptr;
    decltype(&::ippDelete) deleteIpp = nullptr;
    decltype(&::cupsStartDocument) startDocument = nullptr;
    decltype(&::cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&::cupsFinishDocument) finishDocument = nullptr;
    decltype(&::cupsCancelJob2) cancelJob = nullptr;

    bool loaded = false;
};

// The library's functions; loaded is false when it is not installed.
const CupsClient& cups();

} // namespace lumenta::report
#endif
