#include "CupsClient.h"

#include <dlfcn.h>

namespace lumenta::report {

const CupsClient& cups()
{
    static const CupsClient client = [] {
        CupsClient c;
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return c;
        c.loaded = true;
#define LUMENTA_CUPS_RESOLVE(name)                                                                                     \
    c.name = reinterpret_cast<decltype(c.name)>(dlsym(library, #name));                                                \
    c.loaded = c.loaded && c.name;
        LUMENTA_CUPS_FUNCTIONS(LUMENTA_CUPS_RESOLVE)
#undef LUMENTA_CUPS_RESOLVE
        return c;
    }();
    return client;
}

} // namespace lumenta::report
