#pragma once

#include <cups/cups.h>

namespace lumenta::report {

// The functions of the CUPS client library the program calls. The library
// and the twenty libraries it pulls in (TLS, Kerberos, ...) cost start-up
// time and memory, and only printing needs them, so it is opened at the
// first print instead of being linked (the package depends on libcups2).
#define LUMENTA_CUPS_FUNCTIONS(F)                                                                                      \
    F(cupsServer) F(ippPort) F(cupsEncryption) F(cupsSetServer) F(ippSetPort) F(cupsUser) F(cupsSetUser)               \
    F(cupsSetPasswordCB2) F(httpConnect2) F(httpEncryption) F(httpSetTimeout) F(httpGetFd) F(httpError) F(httpGetStatus) F(httpClose) F(cupsLastError) F(cupsLastErrorString)       \
    F(ippNewRequest) F(ippAddString) F(ippAddStrings) F(ippAddInteger) F(ippFindAttribute) F(ippGetInteger) F(ippGetBoolean)            \
    F(ippDelete) F(cupsDoRequest) F(cupsGetNamedDest) F(cupsGetDests2) F(cupsFreeDests) F(cupsGetOption)               \
    F(cupsStartDocument) F(cupsWriteRequestData) F(cupsGetResponse) F(ippGetStatusCode) F(cupsCancelJob2) F(cupsGetJobs2)               \
    F(cupsFreeJobs)

struct CupsClient {
#define LUMENTA_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    LUMENTA_CUPS_FUNCTIONS(LUMENTA_CUPS_MEMBER)
#undef LUMENTA_CUPS_MEMBER
    bool loaded = false;  // false when the library is not installed
};

const CupsClient& cups();

} // namespace lumenta::report
