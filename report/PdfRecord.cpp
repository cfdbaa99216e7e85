#include "PdfRecord.h"

#include <cstdio>
#include <mutex>

#ifndef LUMENTA_QPDF_LINKED
#include <dlfcn.h>
#include <limits.h>
#include <string>
#include <unistd.h>
#endif

extern "C" const lumenta::report::PdfRecordFunctions* lumenta_pdf_record_functions();

namespace lumenta::report {

namespace {

#ifndef LUMENTA_QPDF_LINKED
// The installed module, found from the program's own folder.
std::string installedModule()
{
    char program[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", program, sizeof program - 1);
    if (n <= 0)
        return {};
    std::string folder(program, std::size_t(n));
    folder.erase(folder.rfind('/') + 1);
    return folder + LUMENTA_QPDF_MODULE_INSTALLED;
}
#endif

// The module as built, then as installed; null when neither loads. (The
// fuzz target links the module's code instead.)
const PdfRecordFunctions* module()
{
#ifdef LUMENTA_QPDF_LINKED
    return lumenta_pdf_record_functions();
#else
    static const PdfRecordFunctions* functions = nullptr;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        for (const std::string& path : {std::string(LUMENTA_QPDF_MODULE_BUILT), installedModule()}) {
            if (void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
                using Entry = const PdfRecordFunctions* (*)();
                if (auto entry = reinterpret_cast<Entry>(dlsym(library, "lumenta_pdf_record_functions"))) {
                    functions = entry();
                    return;
                }
            }
        }
        std::fprintf(stderr, "lumenta: the PDF module could not be loaded: %s\n", dlerror());
    });
    return functions;
#endif
}

} // namespace

std::string withProperties(std::string_view pdf, const PdfProperties& properties)
{
    const PdfRecordFunctions* f = module();
    return f ? f->withProperties(pdf, properties) : std::string();
}

PdfReading readPdfRecord(std::string_view bytes, std::size_t recordLimit)
{
    if (const PdfRecordFunctions* f = module())
        return f->readPdfRecord(bytes, recordLimit);
    PdfReading reading;
    reading.problem = PdfProblem::NoReader;
    return reading;
}

} // namespace lumenta::report
