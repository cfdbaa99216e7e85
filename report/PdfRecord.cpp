#include "PdfRecord.h"

#include <cstdio>
#include <mutex>

#ifndef LUMENTA_QPDF_LINKED
#include "OwnModule.h"

#include <dlfcn.h>
#endif

extern "C" const lumenta::report::PdfRecordFunctions* lumenta_pdf_record_functions();

namespace lumenta::report {

namespace {

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
        using Entry = const PdfRecordFunctions* (*)();
        if (auto entry = reinterpret_cast<Entry>(ownModuleEntry(
                LUMENTA_QPDF_MODULE_BUILT, LUMENTA_QPDF_MODULE_INSTALLED, "lumenta_pdf_record_functions")))
            functions = entry();
        else
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
