#include "PrinterCatalog.h"

#include <QPrinterInfo>

namespace lumenta::report {

QString SystemPrinterCatalog::defaultPrinter() const
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        return {};
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    return printer.isNull() ? QString() : printer.printerName();
}

} // namespace lumenta::report
