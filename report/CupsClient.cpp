#include "CupsClient.h"

#ifdef LUMENTA_HAVE_CUPS
#include <dlfcn.h>

namespace lumenta::report {

namespace {

template <typename F>
bool resolve(void* library, const char* name, F& function)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

} // namespace

const CupsClient& cups()
{
    static const CupsClient client = [] {
        CupsClient c;
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return c;
        c.loaded = resolve(library, "cupsServer", c.server) && resolve(library, "ippPort", c.port) &&
                   resolve(library, "cupsUser", c.user) && resolve(library, "httpConnect2", c.connect) &&
                   resolve(library, "httpSetTimeout", c.setTimeout) && resolve(library, "httpClose", c.close) &&
                   resolve(library, "cupsLastError", c.lastError) &&
                   resolve(library, "cupsLastErrorString", c.lastErrorString) &&
                   resolve(library, "ippNewRequest", c.newRequest) && resolve(library, "ippAddString", c.addString) &&
                   resolve(library, "ippAddStrings", c.addStrings) && resolve(library, "cupsDoRequest", c.doRequest) &&
                   resolve(library, "ippFindAttribute", c.findAttribute) &&
                   resolve(library, "ippGetInteger", c.getInteger) && resolve(library, "ippGetBoolean", c.getBoolean) &&
                   resolve(library, "ippGetString", c.getString) && resolve(library, "ippDelete", c.deleteIpp) &&
                   resolve(library, "cupsStartDocument", c.startDocument) &&
                   resolve(library, "cupsWriteRequestData", c.writeRequestData) &&
                   resolve(library, "cupsFinishDocument", c.finishDocument) &&
                   resolve(library, "cupsCancelJob2", c.cancelJob);
        return c;
    }();
    return client;
}

} // namespace lumenta::report
#endif
