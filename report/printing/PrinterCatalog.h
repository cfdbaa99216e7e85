#pragma once

#include <QString>

namespace lumenta::report {

// A fixed printer list in place of the print service's (for tests): the
// print action then prints on its default printer, or offers a PDF file
// when it names none.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    virtual QString defaultPrinter() const = 0;
};

} // namespace lumenta::report
